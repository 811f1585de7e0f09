// Raster drawing kit: pixel access on the screen surface, lines, thick lines and the key wait.
#include "raster/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "raster/page_files.h"
#include "raster/window.h"

int draw_scale = 1;
int draw_origin_x = 0;
int draw_origin_y = 0;

bool drawing_scaled() { return draw_scale != 1 || draw_origin_x != 0 || draw_origin_y != 0; }

// Where the layout's x and y stand on the screen.
static int screen_x(int x) { return draw_origin_x + draw_scale * x; }
static int screen_y(int y) { return draw_origin_y + draw_scale * y; }

// SDL's rectangles hold 16-bit coordinates: a layout rectangle far off the page stays off it.
static Sint16 to_sint16(long value)
{
    return static_cast<Sint16>(std::clamp<long>(value, INT16_MIN, INT16_MAX));
}
static Uint16 to_uint16(long value)
{
    return static_cast<Uint16>(std::clamp<long>(value, 0, UINT16_MAX));
}

SDL_Rect screen_rect(const SDL_Rect& area)
{
    return {to_sint16(screen_x(area.x)), to_sint16(screen_y(area.y)),
            to_uint16(static_cast<long>(area.w) * draw_scale),
            to_uint16(static_cast<long>(area.h) * draw_scale)};
}

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

// Holds the screen locked while a scaled drawing writes its pixels, where the screen needs it.
class ScreenLock {
  public:
    ScreenLock()
        : needed_(screen != nullptr && SDL_MUSTLOCK(screen)),
          held_(screen != nullptr && (!needed_ || SDL_LockSurface(screen) == 0))
    {
    }
    ~ScreenLock()
    {
        if (needed_ && held_) SDL_UnlockSurface(screen);
    }
    ScreenLock(const ScreenLock&) = delete;
    ScreenLock& operator=(const ScreenLock&) = delete;
    bool held() const { return held_; }

  private:
    bool needed_;
    bool held_;
};

// The screen's pixels from (x, y) to (x + width - 1, y + height - 1), those on the screen;
// the screen is locked.
static void fill_screen_pixels(int x, int y, int width, int height, Uint32 colour)
{
    const int x0 = std::max(x, 0), y0 = std::max(y, 0);
    const int x1 = std::min(x + width, screen->w), y1 = std::min(y + height, screen->h);
    for (int row = y0; row < y1; ++row) {
        Uint32* first = pixel_address(x0, row);
        if (first != nullptr && x1 > x0) std::fill(first, first + (x1 - x0), colour);
    }
}

void put_pixel(int x, int y, Uint32 colour)
{
    if (drawing_scaled()) {
        const ScreenLock lock;
        if (lock.held())
            fill_screen_pixels(screen_x(x), screen_y(y), draw_scale, draw_scale, colour);
        return;
    }
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
    if (drawing_scaled()) {
        x = screen_x(x);
        y = screen_y(y);
    }
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

// Visits the pixels of the integer segment, first end point first, with plot(x, y).
template <class Plot> static void walk_line(int x1, int y1, int x2, int y2, Plot plot)
{
    plot(x1, y1);
    const int dx = x2 - x1;
    const int dy = y2 - y1;
    const int sx = dx > 0 ? 1 : -1;
    const int sy = dy > 0 ? 1 : -1;
    const int adx = std::abs(dx);
    const int ady = std::abs(dy);

    if (dx == 0) {
        for (int k = 1; k <= ady; ++k) plot(x1, y1 + sy * k);
    } else if (dy == 0) {
        for (int k = 1; k <= adx; ++k) plot(x1 + sx * k, y1);
    } else if (adx == ady) {
        for (int k = 1; k <= adx; ++k) plot(x1 + sx * k, y1 + sy * k);
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
            plot(x, y);
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
            plot(x, y);
        }
    }
}

// A segment of the screen's own pixels as a line of the layout is drawn at the scale: each of its
// pixels the top-left corner of a draw_scale square. The screen is locked.
static void draw_screen_line(int x1, int y1, int x2, int y2, Uint32 colour)
{
    const int k = draw_scale;
    if (x1 == x2 || y1 == y2) {
        fill_screen_pixels(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + k,
                           std::abs(y2 - y1) + k, colour);
        return;
    }
    walk_line(x1, y1, x2, y2,
              [k, colour](int x, int y) { fill_screen_pixels(x, y, k, k, colour); });
}

void draw_line(int x1, int y1, int x2, int y2, Uint32 colour)
{
    if (!drawing_scaled()) {
        walk_line(x1, y1, x2, y2, [colour](int x, int y) { put_pixel(x, y, colour); });
        return;
    }
    const ScreenLock lock;
    if (lock.held())
        draw_screen_line(screen_x(x1), screen_y(y1), screen_x(x2), screen_y(y2), colour);
}

// The thick line's pixels depend on single-precision rounding, and the pictures are
// defined by them: the length, the stroke vectors, the parameter t and each sample point
// are stored as float, t creeps up by 0.1 / len in float steps and usually stops just
// short of 1, and the rotation by the float value of pi/2 leaves a shaft component of
// about -4.4e-8 per unit of half-width that decides the truncation where a sample falls
// on a whole coordinate. Doing this "properly" in double moves pixels at both ends of
// every band. Intermediate sums are formed in double and rounded once when stored.
// Draws the thick line's shaft and strokes with line(x1, y1, x2, y2).
template <class Line>
static void walk_thick_line(int x1, int y1, int x2, int y2, int half_width, Line line)
{
    line(x1, y1, x2, y2);

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
        line(strokes[0], strokes[1], strokes[2], strokes[3]);
        line(strokes[0], strokes[1], strokes[4], strokes[5]);
        std::copy(strokes, strokes + 6, last_strokes);
        first_sample = false;
    }
}

// At a scale the band is drawn on the screen's own pixels, half_width times the scale wide on
// each side and its strokes lines of the scale's width: the band the layout asks for, as wide,
// without the steps of an enlarged one.
void draw_thick_line(int x1, int y1, int x2, int y2, int half_width, Uint32 colour)
{
    if (!drawing_scaled()) {
        walk_thick_line(x1, y1, x2, y2, half_width,
                        [colour](int a, int b, int c, int d) { draw_line(a, b, c, d, colour); });
        return;
    }
    const ScreenLock lock;
    if (!lock.held()) return;
    const int sx1 = screen_x(x1), sy1 = screen_y(y1), sx2 = screen_x(x2), sy2 = screen_y(y2);
    if (x1 != x2 && y1 != y2) {
        walk_thick_line(
            sx1, sy1, sx2, sy2, draw_scale * half_width,
            [colour](int a, int b, int c, int d) { draw_screen_line(a, b, c, d, colour); });
        return;
    }
    // Along an axis the strokes stand side by side, every pixel between them drawn: their
    // band is the rectangle that holds them, filled at once, and the shaft runs on to the end.
    bool shaft = true;
    int left = sx1, top = sy1, right = sx1, bottom = sy1;
    walk_thick_line(sx1, sy1, sx2, sy2, draw_scale * half_width, [&](int a, int b, int c, int d) {
        if (shaft) {
            shaft = false;
            return;
        }
        left = std::min({left, a, c});
        top = std::min({top, b, d});
        right = std::max({right, a, c});
        bottom = std::max({bottom, b, d});
    });
    fill_screen_pixels(left, top, right - left + draw_scale, bottom - top + draw_scale, colour);
    draw_screen_line(sx1, sy1, sx2, sy2, colour);
}

void draw_thick_box(int x0, int y0, int x1, int y1, int half_width, Uint32 colour)
{
    draw_thick_line(x0, y0, x1, y0, half_width, colour);
    draw_thick_line(x1, y0, x1, y1, half_width, colour);
    draw_thick_line(x1, y1, x0, y1, half_width, colour);
    draw_thick_line(x0, y1, x0, y0, half_width, colour);
}

void fill_rect(SDL_Rect area, Uint32 colour)
{
    if (drawing_scaled()) area = screen_rect(area);
    SDL_FillRect(screen, &area, colour);
}

void clip_to(const SDL_Rect* area)
{
    if (area == nullptr || !drawing_scaled()) {
        SDL_SetClipRect(screen, area);
        return;
    }
    SDL_Rect on_screen = screen_rect(*area);
    SDL_SetClipRect(screen, &on_screen);
}

// The pixels from (left, top) to (right, bottom), both included.
static void fill_area(int left, int top, int right, int bottom, Uint32 colour)
{
    const SDL_Rect area = {static_cast<Sint16>(left), static_cast<Sint16>(top),
                           static_cast<Uint16>(right - left + 1),
                           static_cast<Uint16>(bottom - top + 1)};
    fill_rect(area, colour);
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
        // The page cannot be drawn again: it is shown as it stands, fitted to the new size.
        if (event.type == SDL_VIDEORESIZE) resize_screen(event.resize.w, event.resize.h, true);
    }
}
