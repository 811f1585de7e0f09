// A console run's search tree, drawn into an SVG file when the run ends.
#include "tree/tree_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "run/printable.h"
#include "run/progress.h"
#include "run/run_end.h"
#include "run/whole_file.h"
#include "tree/tree_svg.h"

namespace {

// Made when a run asks for a tree: a run without one pays nothing for them.
const char* tree_program = "";
SearchTree* tree = nullptr;
bool hiding = false;
WholeFile* file = nullptr;

void drop_unfinished_file() { drop_whole_file(*file); }

[[noreturn]] void cannot_write(int error)
{
    end_progress();  // the message stands on a line of its own
    std::fprintf(stderr, "%s: cannot write the tree '%s': %s\n", tree_program,
                 printable(file->path.c_str()).c_str(), whole_file_reason(error));
    drop_whole_file(*file);
    throw RunEnd{1};
}

}  // namespace

void start_tree_file(const char* program, const char* path, bool hide_turned_down)
{
    tree_program = program;
    hiding = hide_turned_down;
    if (tree == nullptr) {
        tree = new SearchTree;
        file = new WholeFile;
        std::atexit(drop_unfinished_file);
    }
    tree->clear();
    if (const int error = begin_whole_file(*file, path)) {
        file->path = path;
        cannot_write(error);
    }
}

bool recording_tree() { return file != nullptr && file->fd >= 0; }

void describe_tree_limit(char* text, std::size_t size)
{
    std::snprintf(text, size,
                  "the search tree reached %d nodes, more than the %d a picture takes: no tree "
                  "drawn",
                  max_tree_nodes + 1, max_tree_nodes);
}

void record_tree_node(const TraceNode& node)
{
    if (tree->size() == max_tree_nodes) {
        end_progress();
        char limit[120];
        describe_tree_limit(limit, sizeof limit);
        std::fprintf(stderr, "%s: %s\n", tree_program, limit);
        drop_whole_file(*file);
        throw RunEnd{1};
    }
    tree->add(node);
}

namespace {

void draw_into_file(const SearchTree& whole)
{
    const SearchTree kept = hiding ? without_turned_down(whole) : SearchTree();
    const SearchTree& drawn = hiding ? kept : whole;
    std::string svg;
    int error = tree_svg_text(svg, drawn, drawn.size())
                    ? add_to_whole_file(*file, svg.data(), svg.size())
                    : ENOMEM;
    if (error == 0) error = end_whole_file(*file);
    if (error != 0) cannot_write(error);
}

}  // namespace

void finish_tree_file() { draw_into_file(*tree); }

void write_tree_file(const char* program, const char* path, const SearchTree& whole,
                     bool hide_turned_down)
{
    start_tree_file(program, path, hide_turned_down);
    draw_into_file(whole);
}
