// One state of the pouring puzzle drawn as three open containers, and the layout cursor.
#ifndef JUGVIEW_JUG_PICTURE_H
#define JUGVIEW_JUG_PICTURE_H

#include <SDL.h>
#include <cstdint>

constexpr int jug_width = 40;  // width of every container

// The largest jug's container is this tall, whatever its capacity: 6 pixels a unit for
// 10 units. Liquid is drawn as one bar per unit while a unit has room for a bar and the
// gap above it, and as one solid block where units are smaller.
constexpr int tallest_container = 60;
constexpr int bar_gap = 2;  // blank rows between two bars
// No container is drawn less tall than this, however large the largest jug, so that a small
// jug beside a large one stays visible: its liquid is then one block, in proportion to the
// container's height. The default jugs' smallest container is taller.
constexpr int smallest_container = 12;

// Pixels per unit of liquid; 0 where the liquid is drawn as one solid block.
extern int unit_height;

// Fits the pictures to jug_capacity: sets unit_height.
void fit_pictures_to_jugs();

// The height of the container of a jug of the capacity, and of the tallest one: the height
// of a row of pictures.
int container_height(int capacity);
int row_height();

// Left edge and baseline (the y of the container bottoms) of the next picture.
extern int cursor_x;
extern int cursor_y;

// Layout of a solution page; the first picture stands at (picture_left, solution_top).
constexpr int picture_left = 20;
constexpr int jug_gap = 10;             // between the containers of one picture
constexpr int picture_gap = 30;         // between two pictures of a row
constexpr int row_right_limit = 750;    // a picture may not start past this less its width
constexpr int row_gap = 15;             // between the tallest container and the row above
constexpr int page_bottom_limit = 585;  // a baseline past this less a row is off the page
constexpr int continued_page_top = 10;  // above the tallest container of a continued page
constexpr int label_height = 40;        // room for the solution number on a solution's page

// Screen colours, mapped once at start-up for the screen's format.
extern Uint32 white_pixel;
extern Uint32 black_pixel;
extern Uint32 red_pixel;

// Maps jugview's colours, its step pages' included (jugview/step_view.h), for the format.
void map_jug_colours(const SDL_PixelFormat* format);

// The liquid bar being drawn; it never outlives its picture.
extern SDL_Surface* block_surface;

// The width of a picture: three containers and the gaps between them.
constexpr int picture_width = 3 * jug_width + 2 * jug_gap;

// Draws the containers of jugs 0, 1 and 2 with their liquid, the left edge at x and the
// container bottoms at y.
void draw_jug_picture(int x, int y, const std::int32_t amount[3]);

// The containers alone, empty, their strokes in colour: where a picture was.
void draw_jug_outline(int x, int y, Uint32 colour);

// Draws the picture at the cursor, shows the screen, and moves the cursor on: along the
// row, to the next row, or, when the page is full, to the top of a fresh page after a
// wait for a key.
void draw_jug_state(std::int32_t amount0, std::int32_t amount1, std::int32_t amount2);

// Moves a picture's place (left edge x, baseline y) on as pictures flow: along the row, to
// the next row, or to the top of a continued page, when it returns true.
bool next_picture_place(int& x, int& y);

// The same with gap rows between a row's baseline and the top of the tallest container of
// the next, and a continued page's first baseline at continued_y.
bool next_picture_place(int& x, int& y, int gap, int continued_y);

// Where a solution's first picture stands.
int solution_top();

#endif
