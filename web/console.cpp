// The console programs' key read in the browser: there is no terminal, and the page's Next
// button stands for the key.
#include "console/getch.h"

#include <emscripten.h>

#include <cstdio>

#include "web/page_link.h"

int _getch()
{
    // What the program wrote so far, the last line too, is on the page before it waits.
    std::fflush(stdout);
    tell_page_waiting();
    for (;;) {
        switch (take_page_answer()) {
        case PageAnswer::next:
            return ' ';
        case PageAnswer::stop:
            end_stopped_run();
        case PageAnswer::none:
            break;
        }
        emscripten_sleep(answer_poll_ms);
    }
}

// The page shows the output only when the program waits or ends, so writing it line by
// line, as for a terminal, would only cost time.
bool stdout_is_terminal() { return false; }
