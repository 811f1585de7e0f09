// What stands beside the page on the desktop while step mode shows its steps: nothing; the
// window is the whole of the program.
#include "steps/step_beside.h"

void show_step_beside(std::size_t, const char*) {}
void show_question_beside(std::size_t) {}
