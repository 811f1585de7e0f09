// jugview's program file with its entry renamed, so that a test can run it in-process.
#define main jugview_main
#include "jugview/main.cpp"
