// What stands beside the page while step mode shows its steps: nothing on the desktop; in
// the browser, the web page's panels (the trace, the search's code, the tree), which web/
// keeps.
#ifndef RASTER_STEP_BESIDE_H
#define RASTER_STEP_BESIDE_H

#include <cstddef>

// The page of the step (numbered from 0) has just been shown with its status line; a step
// equal to the record's end stands for the end page, after the last step.
void show_step_beside(std::size_t step, const char* status_line);

#endif
