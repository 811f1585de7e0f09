// The search tree explored so far, drawn on the page as the SVG picture draws it: the tree
// view of step mode.
#ifndef RASTER_TREE_VIEW_H
#define RASTER_TREE_VIEW_H

#include <SDL.h>
#include <SDL_ttf.h>

#include "raster/page_size.h"
#include "tree/search_tree.h"

// The part of the page the view fills: below a header line, above the status line.
constexpr int tree_view_top = 40;
constexpr int tree_view_bottom = 550;
// The size of the labels' font: that of the picture's texts, so that the page shows the
// tree at the picture's own size.
constexpr int tree_label_font_size = 12;

// Draws the tree's first count nodes with the legend above them, at full size: the whole
// tree where it fits, otherwise the part around the current node, which stands in the
// middle. The path from the root down to the current node is drawn in blue and the current
// node framed. Labels are written in font (none without one). Clears the view's part of
// the page first and draws nothing outside it.
void draw_tree_view(const SearchTree& tree, int count, int current, TTF_Font* font);

#endif
