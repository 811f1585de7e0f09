// A value from outside as a message shows it on a terminal.
#include "run/printable.h"

#include <cstdio>

namespace {

constexpr unsigned char first_printable = 0x20;
constexpr unsigned char delete_character = 0x7f;
// UTF-8 writes the C1 controls, U+0080 to U+009F, as this byte and one from 0x80 to 0x9f.
constexpr unsigned char c1_lead = 0xc2;
constexpr unsigned char c1_first = 0x80, c1_last = 0x9f;

}  // namespace

std::string printable(const char* text)
{
    std::string shown;
    if (text == nullptr) return shown;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != '\0'; ++p) {
        char escape[8] = "";
        if (*p == '\n') {
            std::snprintf(escape, sizeof escape, "\\n");
        } else if (*p == '\r') {
            std::snprintf(escape, sizeof escape, "\\r");
        } else if (*p == '\t') {
            std::snprintf(escape, sizeof escape, "\\t");
        } else if (*p < first_printable || *p == delete_character) {
            std::snprintf(escape, sizeof escape, "\\x%02x", *p);
        } else if (*p == c1_lead && p[1] >= c1_first && p[1] <= c1_last) {
            std::snprintf(escape, sizeof escape, "\\u%04x", p[1]);
            ++p;
        }
        if (escape[0] != '\0') {
            shown += escape;
        } else {
            shown += static_cast<char>(*p);
        }
    }
    return shown;
}
