// key_sheet: the keys of step mode as the browser names them, each with its move, as an ES
// module for the web page (step-keys.js), written from step mode's own table of keys
// (steps/step_keys.cpp) when the page is built, so that the page and the programs cannot
// disagree. Usage: key_sheet > step-keys.js
#include <cstdio>

#include "steps/step_keys.h"

int main()
{
    std::printf("// The keys of step mode, as the browser names them, and their moves: written by\n"
                "// key_sheet (web/key_sheet.cpp) from steps/step_keys.cpp.\n"
                "export const STEP_KEYS = Object.freeze({\n");
    for (int k = 0; k < named_step_keys(); ++k) {
        const NamedStepKey key = named_step_key(k);
        std::printf("  '%s': '%s',\n", key.name, step_move_name(key.move));
    }
    for (char digit = '0'; digit <= '9'; ++digit) {
        std::printf("  '%c': '%s',\n", digit, step_move_name(StepMove::pace));
    }
    std::printf("});\n");
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
