// tileview's program file with its entry renamed, so that a test can run it in-process.
#define main tileview_main
#include "tileview/main.cpp"
