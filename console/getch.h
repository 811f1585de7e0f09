// Single unechoed key read for the console programs.
#ifndef CONSOLE_GETCH_H
#define CONSOLE_GETCH_H

// Flushes standard output, then reads one key press without echo and without waiting for
// Enter, and returns it (or -1 at end of input). The terminal's settings are restored on
// return and when SIGINT, SIGTERM or SIGHUP arrives during the wait. When standard input
// is not a terminal it reads one byte.
int _getch();

// Whether standard output goes to a terminal (rather than a file or a pipe).
bool stdout_is_terminal();

#endif
