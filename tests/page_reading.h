// Reads what a window program's page shows back from its pixels: the jug pictures, the
// tiling diagrams and dark text pixels.
#ifndef TESTS_PAGE_READING_H
#define TESTS_PAGE_READING_H

#include <SDL.h>

#include <array>
#include <set>
#include <vector>

#include "solutions.h"

// An 800x600 page, row by row, one pixel value a word.
using Page = std::vector<Uint32>;

inline Uint32 page_pixel(const Page& page, int x, int y) { return page[x + y * 800]; }

// How many pixels of the inclusive rectangle hold colour.
int count_colour(const Page& page, Uint32 colour, int x0, int y0, int x1, int y1);
bool all_of_colour(const Page& page, Uint32 colour);

// The jugs of a jugview run, the pixels per unit their pictures use (bars mode), and the
// rows between a row's baseline and the top of the next (more in step mode, for the amounts).
struct JugLayout {
    Amounts capacity = {10, 5, 3};
    int unit = 6;
    int row_gap = 15;
};

// The amounts shown by the jug picture at (x, y), read from its red bars.
Amounts read_jug_picture(const Page& page, int x, int y, Uint32 red, const JugLayout& jugs = {});

// The states shown on a solution page of jugview, place by place until a place is empty.
std::vector<Amounts> read_solution_page(const Page& page, Uint32 red, Uint32 black,
                                        const JugLayout& jugs = {});

// A board of a tileview run.
struct Board {
    int columns = 6;
    int rows = 4;
};

// The dominoes (as DominoCode values) of the tileview diagram with cell 0 centred at
// (x, y), read back from the bars: two cells belong to one domino when their bar runs on
// across the 4-pixel gap. Empty when there is no diagram there; {-1} when the bars do not
// form a tiling.
std::set<int> read_diagram(const Page& page, int x, int y, Uint32 blue, Board board = {});

// The diagrams of a tileview page in reading order, from the row at top down.
std::vector<std::set<int>> read_diagram_page(const Page& page, int top, Uint32 blue,
                                             Board board = {});

// The smallest rectangle that holds every pixel not of the colour, as x0, y0, x1, y1;
// {800, 600, -1, -1} on a page all of that colour.
std::array<int, 4> drawn_extent(const Page& page, Uint32 background);

// The lowest contrast (WCAG's, of relative luminance) between a pixel of the colour in the
// inclusive rectangle and a pixel beside it (left, right, above or below) of no colour of the
// mark; 21 when there is none.
double lowest_contrast(const Page& page, Uint32 colour, const std::set<Uint32>& mark, int x0,
                       int y0, int x1, int y1);

std::set<int> all_horizontal_tiling();
std::set<int> all_vertical_tiling();

#endif
