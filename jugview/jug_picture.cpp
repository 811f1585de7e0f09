// One state of the pouring puzzle drawn as three open containers, and the layout cursor.
#include "jugview/jug_picture.h"

#include "pour/pour.h"
#include "raster/raster.h"

const int unit_height = 6;
const int jug_width = 40;

int cursor_x;
int cursor_y;

Uint32 white_pixel;
Uint32 black_pixel;
Uint32 red_pixel;

SDL_Surface* block_surface;

constexpr int stroke_half_width = 1;
constexpr int bar_inset = 2;  // a bar stands this far inside each wall
constexpr int bar_gap = 2;    // blank rows between two bars

// Draws bar number level (0 at the bottom) of the container with left edge left.
static void draw_bar(int left, int baseline, int level)
{
    const int bar_width = jug_width - 2 * bar_inset;
    const int bar_height = unit_height - bar_gap;
    SDL_Rect place;
    place.x = static_cast<Sint16>(left + bar_inset);
    place.y = static_cast<Sint16>(baseline - level * unit_height - bar_height);

    // The bar is made in the screen's own format, so red_pixel means red on it too.
    const SDL_PixelFormat* f = screen->format;
    block_surface = SDL_CreateRGBSurface(SDL_SWSURFACE, bar_width, bar_height, f->BitsPerPixel,
                                         f->Rmask, f->Gmask, f->Bmask, f->Amask);
    if (block_surface == nullptr) {
        // Without a surface the bar is filled on the screen itself: the picture stays whole.
        place.w = static_cast<Uint16>(bar_width);
        place.h = static_cast<Uint16>(bar_height);
        SDL_FillRect(screen, &place, red_pixel);
        return;
    }
    SDL_FillRect(block_surface, nullptr, red_pixel);
    SDL_BlitSurface(block_surface, nullptr, screen, &place);
    SDL_FreeSurface(block_surface);
    block_surface = nullptr;
}

static void draw_container(int left, int baseline, int capacity, int amount)
{
    const int height = unit_height * capacity;
    const int right = left + jug_width;
    // Open at the top: a base and two walls.
    draw_thick_line(left, baseline, right, baseline, stroke_half_width, black_pixel);
    draw_thick_line(left, baseline, left, baseline - height, stroke_half_width, black_pixel);
    draw_thick_line(right, baseline, right, baseline - height, stroke_half_width, black_pixel);
    // Bars come after the strokes and cover the stroke pixels they overlap.
    for (int level = 0; level < amount; ++level) {
        draw_bar(left, baseline, level);
    }
}

void draw_jug_state(std::int32_t amount0, std::int32_t amount1, std::int32_t amount2)
{
    const std::int32_t amount[jug_count] = {amount0, amount1, amount2};
    const int x = cursor_x;
    const int y = cursor_y;
    for (int k = 0; k < jug_count; ++k) {
        draw_container(x + k * (jug_width + jug_gap), y, jug_capacity[k], amount[k]);
    }
    SDL_Flip(screen);

    const int picture_width = jug_count * jug_width + (jug_count - 1) * jug_gap;
    const int row_height = unit_height * jug_capacity[0];
    const int next_x = x + picture_width + picture_gap;
    if (next_x > row_right_limit - jug_count * jug_width) {
        cursor_x = picture_left;
        cursor_y = y + row_height + row_gap;
    } else {
        cursor_x = next_x;
    }

    if (cursor_y > page_bottom_limit - row_height) {
        wait_key_or_quit();
        SDL_FillRect(screen, nullptr, white_pixel);  // shown with the next flip
        cursor_x = picture_left;
        cursor_y = row_height + continued_page_top;
    }
}
