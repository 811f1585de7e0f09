// What every console program's run shares.
#include "console/console_run.h"

#include <cstdio>

#include "console/getch.h"
#include "console/listing.h"
#include "console/output.h"
#include "run/run_end.h"
#include "run/workers.h"
#include "tree/tree_file.h"

namespace {

const char* program_name = "";
bool tracing;

// A count walks the same tree as the listing on threads of its own; the tree's picture is
// the listing's search, watched.
long long search(const ConsoleProgram& program, const Settings& settings, int jobs)
{
    const bool counting = settings.count_only && settings.tree_file == nullptr;
    const bool in_parts = settings.parts > 0;
    const SearchFacts facts = program.facts();
    const ProgressSource progress = {program_name, facts.found_name, in_parts ? -1 : facts.exact,
                                     counting ? tallies_so_far : program.listing_progress};
    if (settings.tree_file != nullptr) {
        start_tree_file(program_name, settings.tree_file, settings.hide_turned_down);
    }
    warn_if_longer_than_a_day(facts, counting ? jobs : 1);
    start_progress(settings.progress, stdout_is_terminal() && !settings.count_only, progress);
    long long found;
    if (counting) {
        found = program.count(jobs, in_parts ? settings.part : 1, in_parts ? settings.parts : 1);
    } else {
        start_listing(program_name);
        found = program.list();
        flush_listing();
    }
    end_progress();
    if (recording_tree()) finish_tree_file();
    return found;
}

}  // namespace

bool listing_on = true;

void show_trace_node(const TraceNode& node)
{
    if (tracing) print_trace_line(program_name, node.level, node.line);
    if (recording_tree()) record_tree_node(node);
}

int run_console_program(int argc, char** argv, const ConsoleProgram& program)
{
    Settings settings;
    const int status = parse_command_line(argc, argv, program.info, settings);
    if (status != run_program) return status;
    program_name = program.info.name;
    program.set_instance(settings);
    tracing = settings.trace;
    listing_on = !settings.count_only && !tracing;
    program.watch(tracing || settings.tree_file != nullptr);
    const bool threads_taken = (program.info.options & option_jobs) != 0;
    const int jobs = settings.jobs > 0 ? settings.jobs : threads_taken ? available_processors() : 1;

    try {
        if (settings.estimate) {
            print_estimate(program.facts(), settings.probes,
                           static_cast<std::uint64_t>(settings.seed), jobs);
        } else {
            program.print_summary(search(program, settings, jobs), settings);
        }
        finish_output(program_name);
        if (!settings.no_wait) _getch();
    } catch (const RunEnd& end) {
        return end.status;
    }
    return 0;
}
