// The paces that the digit keys choose in step mode, for the program and the web page's
// slider alike.
#ifndef STEPS_STEP_PACES_H
#define STEPS_STEP_PACES_H

// Milliseconds a step for the keys 0 to 9: 0 a step per key press (no pace), 1 to 9 ever
// faster, down to a few milliseconds.
constexpr int no_pace = -1;
constexpr int digit_paces_ms[10] = {no_pace, 1000, 500, 250, 120, 60, 30, 15, 8, 4};

#endif
