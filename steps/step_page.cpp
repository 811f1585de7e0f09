// A step's page in the window, and the page after the last step.
#include "steps/step_page.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "raster/raster.h"
#include "raster/window.h"
#include "steps/step_beside.h"
#include "steps/step_navigation.h"
#include "steps/step_record.h"
#include "steps/step_replay.h"
#include "steps/stack_view.h"
#include "steps/step_stack.h"
#include "steps/step_tree.h"
#include "steps/tree_view.h"
#include "tree/trace_reader.h"
#include "tree/tree_file.h"

TTF_Font* step_font;
TTF_Font* step_label_font;
TTF_Font* step_small_font;
TTF_Font* step_tree_font;
void (*step_shown_action)(std::size_t step, const char* status_line);

namespace {

char status_line[160];  // the status line last written, for what stands beside the page
StepView view;

constexpr SDL_Color black = {0, 0, 0, 0};
constexpr SDL_Color marker_grey = {96, 96, 96, 0};

// A page's top on a white page: its header, with the configurations found by then, and on a
// step's page the legend beside it.
void draw_top(long long found_by_then, bool with_legend)
{
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    char header[96];
    view.header(header, sizeof header, found_by_then);
    blit_text(step_font, header, black, view.header_place);
    if (!with_legend) return;
    const StepLegend& legend = view.legend;
    for (const StepLegendItem& item : legend.items) {
        if (item.words == nullptr) continue;
        item.sample(item.left, legend.sample_top);
        const SDL_Rect place = {
            static_cast<Sint16>(item.left + legend.sample_width + legend.text_gap),
            static_cast<Sint16>(legend.text_top), 0, 0};
        blit_text(step_label_font, item.words, black, place);
    }
}

// The number the status line and the marker give a step of the record: the first step of
// the search is step 1, after the view's step 0 where it has one.
long long step_number(std::size_t step)
{
    return static_cast<long long>(step) + (view.step_zero ? 0 : 1);
}

// The marker of a step seen again: where it stands among the steps, and whether older ones
// were dropped before it.
void show_marker(std::size_t step)
{
    const bool newest = step + 1 == step_record.end();
    if (newest && !search_over()) return;
    char line[120];
    const bool oldest_of_some = step == step_record.first_kept() && step > 0;
    std::snprintf(line, sizeof line, "step %lld of %lld%s", step_number(step), last_step_number(),
                  oldest_of_some ? ": the oldest step kept, older ones were dropped" : "");
    blit_text(step_small_font, line, marker_grey, step_marker_place);
}

// The tree view of a step, over the middle of the page that the view drew: the tree as the
// steps up to it had explored it. Past the most nodes a picture takes the tree stopped
// growing; a step after that shows it as it stood then.
void draw_tree_of(std::size_t step)
{
    if (step < steps_in_step_tree()) {
        draw_tree_view(step_tree, step_tree_count(step), step_tree_current(step), step_tree_font);
        return;
    }
    draw_tree_view(step_tree, step_tree.size(), -1, step_tree_font);
    char line[120];
    std::snprintf(line, sizeof line, "the tree as it stood at step %zu, where it passed %d nodes",
                  steps_in_step_tree(), max_tree_nodes);
    blit_text(step_small_font, line, marker_grey, tree_note_place);
}

// The question of predict mode in the view's place, its first line in the status line's font.
void draw_question(std::size_t step)
{
    constexpr int first_top = 8;
    draw_view_lines(question_lines(step), first_top, step_font, step_label_font, step_small_font);
}

}  // namespace

void start_step_pages(const StepFonts& fonts, const StepView& step_view)
{
    step_font = fonts.text;
    step_label_font = fonts.label;
    step_small_font = fonts.small;
    step_tree_font = fonts.tree;
    view = step_view;
    step_call_words = view.call_words;
    step_candidates = view.candidates;
    if (view.start != nullptr) view.start();
}

void show_step_page(std::size_t step)
{
    replay_to(step);
    StepFacts facts;
    draw_top(steps_found(), true);
    view.draw(step, facts);
    if (step_shown() == StepShown::tree) draw_tree_of(step);
    if (step_shown() == StepShown::stack) {
        draw_stack_view(stack_at(step), step_call_words, step_label_font, step_small_font);
    }
    show_step_status(step_number(step), facts.depth, facts.words);
    show_marker(step);
    SDL_Flip(screen);
    show_step_beside(step, status_line);
    if (step_shown_action != nullptr) step_shown_action(step, status_line);
}

void show_question_page(std::size_t step)
{
    replay_to(step);
    draw_top(steps_found(), true);
    draw_question(step);
    show_step_status(step_number(step + 1), step_path().size(), "what happens next?");
    SDL_Flip(screen);
    // The panels beside the page stay at the step shown: the next one is held back.
    show_step_beside(step, status_line);
    show_question_beside(step);
    if (step_shown_action != nullptr) step_shown_action(step, status_line);
}

namespace {

// The summary's two lines: "the search is over: 14 solutions" and "101 calls, 14 found, 192
// turned down, 0 dead ends, depth 15", as a trace's summary words them.
void write_search_summary(char* title, std::size_t title_size, char* counts,
                          std::size_t counts_size)
{
    const StepCounts& c = step_record.counts();
    if (c.found == 0) {
        std::snprintf(title, title_size, "the search is over: no %s", view.found_one);
    } else {
        std::snprintf(title, title_size, "the search is over: %lld %s", c.found,
                      c.found == 1 ? view.found_one : view.found_many);
    }
    std::snprintf(counts, counts_size, "%s", counts_line(c).c_str());
}

}  // namespace

void show_end_page(bool told_over)
{
    if (!step_record.empty()) replay_to(step_record.end() - 1);
    // What stands beside the page names it even where the view writes no status line.
    std::snprintf(status_line, sizeof status_line, "the search is over");
    draw_top(steps_found(), false);
    view.draw_end();
    char title[96], counts[160];
    write_search_summary(title, sizeof title, counts, sizeof counts);
    blit_text(step_font, title, black, summary_place);
    blit_text(step_label_font, counts, black, summary_counts_place);
    if (step_shown() == StepShown::tree)
        draw_tree_view(step_tree, step_tree.size(), -1, step_tree_font);
    if (told_over) {
        blit_text(step_small_font, "the search is over: no step comes after this page", marker_grey,
                  step_marker_place);
    }
    SDL_Flip(screen);
    show_step_beside(step_record.end(), status_line);
}

void show_step_status(long long step, std::size_t depth, const char* words)
{
    std::snprintf(status_line, sizeof status_line, "step %lld   depth %zu   %s", step, depth,
                  words);
    blit_text(step_font, status_line, black, step_status_place);
}

long long last_step_number() { return step_number(step_record.end()) - 1; }
