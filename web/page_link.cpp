// What a program and the page say to each other while the program waits for the user. The
// page keeps its side on the program's Module object: webAnswers counts the presses of
// Next that no wait has taken yet, webKeys holds the keys its step buttons pressed, webStep
// the step it asks to go to (or null), webStop is set by Stop, webScale is the scale it asks
// for, onWait is the page's own.
#include "web/page_link.h"

#include "run/run_end.h"

#include <emscripten.h>

void tell_page_waiting()
{
    EM_ASM({
        if (Module.onWait) Module.onWait();
    });
}

PageAnswer take_page_answer()
{
    const int answer = EM_ASM_INT({
        if (Module.webStop) return 2;
        if (Module.webAnswers > 0) {
            Module.webAnswers--;
            return 1;
        }
        return 0;
    });
    return answer == 2 ? PageAnswer::stop : answer == 1 ? PageAnswer::next : PageAnswer::none;
}

void end_stopped_run()
{
    // Once main has waited, the browser's runtime no longer sees what main returns: it ends
    // the run with the status it holds, which is set here.
    EM_ASM({ EXITSTATUS = $0; }, stopped_status);
    throw RunEnd{stopped_status};
}

bool take_page_key(char* name, int size)
{
    return EM_ASM_INT(
               {
                   if (!Module.webKeys || Module.webKeys.length == 0) return 0;
                   stringToUTF8(Module.webKeys.shift(), $0, $1);
                   return 1;
               },
               name, size) != 0;
}

bool take_page_step(int& step)
{
    step = EM_ASM_INT({
        var asked = Module.webStep;
        Module.webStep = null;
        return typeof asked == "number" ? asked : -1;
    });
    return step >= 0;
}

int page_scale()
{
    const int scale = EM_ASM_INT({ return Module.webScale | 0; });
    return scale < 1 ? 1 : scale > page_largest_scale ? page_largest_scale : scale;
}

bool stop_requested()
{
    return EM_ASM_INT({ return Module.webStop ? 1 : 0; }) != 0;
}
