// One state of the pouring puzzle drawn as three open containers, and the layout cursor.
#include "jugview/jug_picture.h"

#include <algorithm>

#include "jugview/step_view.h"
#include "pour/pour.h"
#include "raster/raster.h"

int unit_height = 6;

int cursor_x;
int cursor_y;

Uint32 white_pixel;
Uint32 black_pixel;
Uint32 red_pixel;

void map_jug_colours(const SDL_PixelFormat* format)
{
    white_pixel = SDL_MapRGB(format, 255, 255, 255);
    black_pixel = SDL_MapRGB(format, 0, 0, 0);
    red_pixel = SDL_MapRGB(format, 255, 0, 0);
    mark_pixel = SDL_MapRGB(format, 0, 0, 250);
    newest_pixel = SDL_MapRGB(format, 215, 245, 215);
    newest_frame_pixel = SDL_MapRGB(format, 0, 120, 50);
    ghost_pixel = SDL_MapRGB(format, 110, 110, 110);
}

SDL_Surface* block_surface;

constexpr int stroke_half_width = 1;
constexpr int bar_inset = 2;  // a bar stands this far inside each wall

static int largest_capacity()
{
    int largest = jug_capacity[0];
    for (int k = 1; k < jug_count; ++k) {
        if (jug_capacity[k] > largest) largest = jug_capacity[k];
    }
    return largest;
}

void fit_pictures_to_jugs()
{
    const int unit = tallest_container / largest_capacity();
    unit_height = unit - bar_gap >= 1 ? unit : 0;
}

// The height of amount units where the liquid is a solid block: rounded up, so that a
// single unit still shows.
static int block_height(int amount)
{
    const int largest = largest_capacity();
    return (tallest_container * amount + largest - 1) / largest;
}

// The height a container of the capacity has in proportion to the largest.
static int natural_height(int capacity)
{
    return unit_height > 0 ? unit_height * capacity : block_height(capacity);
}

int container_height(int capacity)
{
    return std::max(natural_height(capacity), smallest_container);
}

int row_height() { return container_height(largest_capacity()); }

// Fills a red block of the given height whose bottom row lies bottom_gap rows above the
// baseline, inside the container with left edge left.
static void draw_liquid(int left, int baseline, int bottom_gap, int height)
{
    const int width = jug_width - 2 * bar_inset;
    SDL_Rect place;
    place.x = static_cast<Sint16>(left + bar_inset);
    place.y = static_cast<Sint16>(baseline - bottom_gap - height);
    place.w = static_cast<Uint16>(width);
    place.h = static_cast<Uint16>(height);
    // At a scale the bar is made as large, and stands where the scale puts it.
    if (drawing_scaled()) place = screen_rect(place);

    // The block is made in the screen's own format, so red_pixel means red on it too.
    const SDL_PixelFormat* f = screen->format;
    block_surface = SDL_CreateRGBSurface(SDL_SWSURFACE, place.w, place.h, f->BitsPerPixel, f->Rmask,
                                         f->Gmask, f->Bmask, f->Amask);
    if (block_surface == nullptr) {
        // Without a surface the block is filled on the screen itself: the picture stays whole.
        SDL_FillRect(screen, &place, red_pixel);
        return;
    }
    SDL_FillRect(block_surface, nullptr, red_pixel);
    SDL_BlitSurface(block_surface, nullptr, screen, &place);
    SDL_FreeSurface(block_surface);
    block_surface = nullptr;
}

// Open at the top: a base and two walls.
static void draw_walls(int left, int baseline, int capacity, Uint32 colour)
{
    const int height = container_height(capacity);
    const int right = left + jug_width;
    draw_thick_line(left, baseline, right, baseline, stroke_half_width, colour);
    draw_thick_line(left, baseline, left, baseline - height, stroke_half_width, colour);
    draw_thick_line(right, baseline, right, baseline - height, stroke_half_width, colour);
}

static void draw_container(int left, int baseline, int capacity, int amount)
{
    draw_walls(left, baseline, capacity, black_pixel);
    // The liquid comes after the strokes and covers the stroke pixels it overlaps.
    if (natural_height(capacity) < smallest_container) {
        // Rounded up, as a block is, so that a single unit still shows.
        const int block = (smallest_container * amount + capacity - 1) / capacity;
        if (amount > 0) draw_liquid(left, baseline, 0, block);
        return;
    }
    if (unit_height == 0) {
        if (amount > 0) draw_liquid(left, baseline, 0, block_height(amount));
        return;
    }
    for (int level = 0; level < amount; ++level) {
        draw_liquid(left, baseline, level * unit_height, unit_height - bar_gap);
    }
}

void draw_jug_outline(int x, int y, Uint32 colour)
{
    for (int k = 0; k < jug_count; ++k) {
        draw_walls(x + k * (jug_width + jug_gap), y, jug_capacity[k], colour);
    }
}

void draw_jug_picture(int x, int y, const std::int32_t amount[jug_count])
{
    for (int k = 0; k < jug_count; ++k) {
        draw_container(x + k * (jug_width + jug_gap), y, jug_capacity[k], amount[k]);
    }
}

int solution_top() { return row_height() + label_height; }

bool next_picture_place(int& x, int& y)
{
    return next_picture_place(x, y, row_gap, row_height() + continued_page_top);
}

bool next_picture_place(int& x, int& y, int gap, int continued_y)
{
    const int next_x = x + picture_width + picture_gap;
    if (next_x > row_right_limit - jug_count * jug_width) {
        x = picture_left;
        y += row_height() + gap;
    } else {
        x = next_x;
    }
    if (y > page_bottom_limit - row_height()) {
        x = picture_left;
        y = continued_y;
        return true;
    }
    return false;
}

void draw_jug_state(std::int32_t amount0, std::int32_t amount1, std::int32_t amount2)
{
    const std::int32_t amount[jug_count] = {amount0, amount1, amount2};
    draw_jug_picture(cursor_x, cursor_y, amount);
    SDL_Flip(screen);

    if (next_picture_place(cursor_x, cursor_y)) {
        wait_key_or_quit();
        SDL_FillRect(screen, nullptr, white_pixel);  // shown with the next flip
    }
}
