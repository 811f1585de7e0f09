// Where a window can open in the browser: on the page's canvas, always there, at the scale the
// page asks for.
#include "raster/display.h"

#include <emscripten.h>

#include "web/page_link.h"

bool choose_display(const char*) { return true; }

int display_scale() { return page_scale(); }

void screen_resized()
{
    // The canvas has a new backing store, and lost the size the page gave it on the page.
    EM_ASM({
        if (Module.onScreenSize) Module.onScreenSize();
    });
}
