// Step mode's navigation on a recorded search, as the web page's own search records it: loads
// the search's trace and steps, presses the keys given, and prints the page each key leads to
// (a step from 0, or the number of steps for the page after the last), one a line, or
// "over" when a key ends the run. The web test presses the same keys on the page.
// Usage: step_keys_probe TRACE_FILE STEPS_FILE KEY...   (STEPS_FILE: "KIND LINE" a line)
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "steps/recorded_steps.h"
#include "steps/step_keys.h"
#include "steps/step_navigation.h"
#include "steps/step_paces.h"

namespace {

void shown(std::size_t) {}
void shown_end(bool) {}
void question(std::size_t) {}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    std::ifstream trace_file(argv[1]);
    const std::string trace((std::istreambuf_iterator<char>(trace_file)),
                            std::istreambuf_iterator<char>());
    std::vector<unsigned char> kinds;
    std::vector<int> lines;
    std::ifstream steps_file(argv[2]);
    for (int kind, line; steps_file >> kind >> line;) {
        kinds.push_back(static_cast<unsigned char>(kind));
        lines.push_back(line);
    }
    TraceFault fault;
    if (!record_steps(trace.c_str(), kinds.data(), lines.data(), kinds.size(), fault)) {
        std::printf("fault %d: %s\n", fault.line, fault.message);
        return 1;
    }
    start_navigation({shown, shown_end, question}, no_pace, StepShown::picture);
    show_recorded_steps();
    for (int k = 3; k < argc; ++k) {
        const StepKey key = step_key_named(argv[k]);
        if (make_move(key.move, key.number) == StepAfter::run_over) {
            std::printf("over\n");
            break;
        }
        std::printf("%zu\n", shown_page());
    }
    return 0;
}
