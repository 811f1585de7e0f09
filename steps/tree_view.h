// The search tree explored so far, drawn on the page as the SVG picture draws it: the tree
// view of step mode.
#ifndef STEPS_TREE_VIEW_H
#define STEPS_TREE_VIEW_H

#include <SDL.h>
#include <SDL_ttf.h>

#include "raster/page_size.h"
#include "tree/search_tree.h"

// The part of the page the view fills: below a header line, above the status line.
constexpr int tree_view_top = 40;
constexpr int tree_view_bottom = 550;
// The size of the labels' font. The view draws the picture's layout enlarged by the ratio
// of this size to the picture's own (tree/tree_layout.h), so that labels fill their shapes
// as in the picture and can be read from the back of a room.
constexpr int tree_label_font_size = 16;

// Draws the tree's first count nodes with the legend above them: the whole tree where it
// fits, otherwise the part around the current node, which stands in the middle, with its
// label whole. The path from the root down to the current node is drawn in blue and the
// current node framed; the path stays in view: its nodes beyond the view's sides stand at
// its edge, and where the levels between the roots and the current node are more than the
// view holds, those in the middle are left out for a mark that says how many they are.
// The labels are written in font, a font at tree_label_font_size (none: no texts). Clears the
// view's part of the page first and draws nothing outside it.
void draw_tree_view(const SearchTree& tree, int count, int current, TTF_Font* font);

#endif
