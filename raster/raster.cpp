// Raster drawing kit: pixel access on the screen surface, lines, thick lines and the key wait.
#include "raster/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "raster/page_files.h"

// Rows are addressed through the pitch. On the packed 800-wide 32-bit screen this is
// word x + y * w; on any other surface it still finds the right row.
static Uint32* pixel_address(int x, int y)
{
    if (screen == nullptr || x < 0 || y < 0 || x >= screen->w || y >= screen->h) {
        return nullptr;
    }
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(screen->pixels) +
                                     static_cast<std::ptrdiff_t>(y) * screen->pitch) +
           x;
}

void put_pixel(int x, int y, Uint32 colour)
{
    const bool lock = screen != nullptr && SDL_MUSTLOCK(screen);
    if (lock && SDL_LockSurface(screen) != 0) {
        return;
    }
    if (Uint32* p = pixel_address(x, y)) {
        *p = colour;
    }
    if (lock) {
        SDL_UnlockSurface(screen);
    }
}

Uint32 get_pixel(int x, int y)
{
    const bool lock = screen != nullptr && SDL_MUSTLOCK(screen);
    if (lock && SDL_LockSurface(screen) != 0) {
        return 0;
    }
    Uint32 colour = 0;
    if (const Uint32* p = pixel_address(x, y)) {
        colour = *p;
    }
    if (lock) {
        SDL_UnlockSurface(screen);
    }
    return colour;
}

void draw_line(int x1, int y1, int x2, int y2, Uint32 colour)
{
    put_pixel(x1, y1, colour);
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int sx = dx > 0 ? 1 : -1;
    const int sy = dy > 0 ? 1 : -1;
    const int adx = std::abs(dx);
    const int ady = std::abs(dy);

    if (dx == 0) {
        for (int k = 1; k <= ady; ++k) put_pixel(x1, y1 + sy * k, colour);
    } else if (dy == 0) {
        for (int k = 1; k <= adx; ++k) put_pixel(x1 + sx * k, y1, colour);
    } else if (adx == ady) {
        for (int k = 1; k <= adx; ++k) put_pixel(x1 + sx * k, y1 + sy * k, colour);
    } else if (adx > ady) {
        // The error term starts at 0, not at half the long side, so each step on the short
        // axis comes as late as it can: the pixels are floor(k * ady / adx), which makes a
        // segment and its reverse differ. The pictures are defined with exactly these pixels.
        int e = 0;
        int x = x1;
        int y = y1;
        for (int k = 0; k < adx; ++k) {
            e += ady;
            x += sx;
            if (e >= adx) {
                e -= adx;
                y += sy;
            }
            put_pixel(x, y, colour);
        }
    } else {
        int e = 0;
        int x = x1;
        int y = y1;
        for (int k = 0; k < ady; ++k) {
            e += adx;
            y += sy;
            if (e >= ady) {
                e -= ady;
                x += sx;
            }
            put_pixel(x, y, colour);
        }
    }
}

// The thick line's pixels depend on single-precision rounding, and the pictures are
// defined by them: the length, the stroke vectors, the parameter t and each sample point
// are stored as float, t creeps up by 0.1 / len in float steps and usually stops just
// short of 1, and the rotation by the float value of pi/2 leaves a shaft component of
// about -4.4e-8 per unit of half-width that decides the truncation where a sample falls
// on a whole coordinate. Doing this "properly" in double moves pixels at both ends of
// every band. Intermediate sums are formed in double and rounded once when stored.
void draw_thick_line(int x1, int y1, int x2, int y2, int half_width, Uint32 colour)
{
    draw_line(x1, y1, x2, y2, colour);

    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const float len = static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    if (len == 0) {
        return;
    }

    const float ux = static_cast<float>(half_width * dx) / len;
    const float uy = static_cast<float>(half_width * dy) / len;
    const double theta = 1.5707963705062866;  // pi/2 as a float
    const float ax = static_cast<float>(ux * std::cos(theta) - uy * std::sin(theta));
    const float ay = static_cast<float>(ux * std::sin(theta) + uy * std::cos(theta));
    const float bx = static_cast<float>(ux * std::cos(-theta) - uy * std::sin(-theta));
    const float by = static_cast<float>(ux * std::sin(-theta) + uy * std::cos(-theta));
    const double step = 0.1 / static_cast<double>(len);

    // About ten samples fall on each pixel of the shaft, and neighbouring samples mostly
    // give the same two strokes; drawing a stroke again in the same colour changes nothing,
    // so a repeat of the previous sample's strokes is skipped.
    int last_strokes[6] = {0, 0, 0, 0, 0, 0};
    bool first_sample = true;
    for (float t = 0; t <= 1; t = static_cast<float>(t + step)) {
        const float px = static_cast<float>((1.0 - t) * x1 + static_cast<double>(t) * x2);
        const float py = static_cast<float>((1.0 - t) * y1 + static_cast<double>(t) * y2);
        // Conversions to pixels truncate toward zero, never round.
        const int strokes[6] = {static_cast<int>(px),
                                static_cast<int>(py),
                                static_cast<int>(static_cast<double>(px) - ax),
                                static_cast<int>(static_cast<double>(py) - ay),
                                static_cast<int>(static_cast<double>(px) - bx),
                                static_cast<int>(static_cast<double>(py) - by)};
        if (!first_sample && std::equal(strokes, strokes + 6, last_strokes)) {
            continue;
        }
        draw_line(strokes[0], strokes[1], strokes[2], strokes[3], colour);
        draw_line(strokes[0], strokes[1], strokes[4], strokes[5], colour);
        std::copy(strokes, strokes + 6, last_strokes);
        first_sample = false;
    }
}

void draw_thick_box(int x0, int y0, int x1, int y1, int half_width, Uint32 colour)
{
    draw_thick_line(x0, y0, x1, y0, half_width, colour);
    draw_thick_line(x1, y0, x1, y1, half_width, colour);
    draw_thick_line(x1, y1, x0, y1, half_width, colour);
    draw_thick_line(x0, y1, x0, y0, half_width, colour);
}

// The pixels from (left, top) to (right, bottom), both included.
static void fill_area(int left, int top, int right, int bottom, Uint32 colour)
{
    SDL_Rect area = {static_cast<Sint16>(left), static_cast<Sint16>(top),
                     static_cast<Uint16>(right - left + 1), static_cast<Uint16>(bottom - top + 1)};
    SDL_FillRect(screen, &area, colour);
}

void draw_dashed_box(int x0, int y0, int x1, int y1, int dash, int half_width, Uint32 colour)
{
    const int h = half_width;
    for (int x = x0; x <= x1; x += 2 * dash) {
        const int end = std::min(x + dash - 1, x1);
        fill_area(x, y0 - h, end, y0 + h, colour);
        fill_area(x, y1 - h, end, y1 + h, colour);
    }
    for (int y = y0; y <= y1; y += 2 * dash) {
        const int end = std::min(y + dash - 1, y1);
        fill_area(x0 - h, y, x0 + h, end, colour);
        fill_area(x1 - h, y, x1 + h, end, colour);
    }
}

void wait_key_or_quit()
{
    // Nobody is there to answer when the pages go to files: the page is saved instead.
    if (pages_go_to_files()) {
        save_page();
        return;
    }
    SDL_Event event;
    for (;;) {
        // A failing wait would fail again at once; end the wait instead of spinning.
        if (SDL_WaitEvent(&event) == 0) {
            return;
        }
        if (event.type == SDL_KEYDOWN || event.type == SDL_QUIT) {
            return;
        }
    }
}
