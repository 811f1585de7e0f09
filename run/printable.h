// A value from outside (an option's value, a file's name) as a message shows it on a terminal.
#ifndef RUN_PRINTABLE_H
#define RUN_PRINTABLE_H

#include <string>

// The text with each control character written out as an escape, so that no value can move
// the cursor, change colours or retitle the terminal that shows the message: \n, \r, \t for
// those, \xHH for every other byte below 0x20 and for 0x7f, and \u0080 to \u009f for the C1
// controls that UTF-8 encodes as two bytes. Every other byte is kept as it is, so that a text
// without control characters is shown unchanged. A null pointer is shown as an empty text.
std::string printable(const char* text);

#endif
