// Where a window can open on the desktop: an X11 display, or a Wayland one.
#include "raster/display.h"

#include <cstdio>
#include <cstdlib>

// Whether the environment names something, not nothing.
static bool names(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool choose_display(const char* program)
{
    // A Wayland display needs its runtime folder as well as its name.
    const bool wayland = names("WAYLAND_DISPLAY") && names("XDG_RUNTIME_DIR");
    if (!wayland && !names("DISPLAY")) {
        std::fprintf(stderr, "%s: no display to open a window on (is DISPLAY set?)\n", program);
        return false;
    }
    // Only X11 is left: SDL goes straight to it, without trying Wayland first.
    if (!wayland) setenv("SDL_VIDEODRIVER", "x11", 1);
    return true;
}

int display_scale() { return 0; }

void screen_resized() {}
