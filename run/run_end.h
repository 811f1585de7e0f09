// The one way a run ends before its time: a page that cannot be written, an output that
// cannot take the listing, a user who ends step mode, the page's Stop.
#ifndef RUN_RUN_END_H
#define RUN_RUN_END_H

// Thrown where the run must end, with the status the program ends with; each program's main
// catches it. The search unwinds on the way out, so that the program closes what it opened
// and ends as any run ends. (Only a signal handler, which cannot throw, ends the process
// where it stands.)
struct RunEnd {
    int status;
};

#endif
