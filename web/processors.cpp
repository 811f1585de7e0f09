// The processors a run may use in the browser: the one it runs on. The page runs a program in
// one worker, without threads of its own.
#include "run/workers.h"

int available_processors() { return 1; }
