// Where tileview's diagrams stand on a page, and so the largest board it can draw.
#ifndef TILEVIEW_DIAGRAM_LAYOUT_H
#define TILEVIEW_DIAGRAM_LAYOUT_H

#include "raster/page_size.h"

constexpr int cell_pitch = 15;      // between neighbouring cell centres
constexpr int diagram_gap = 20;     // between the cell boxes of neighbouring diagrams
constexpr int page_margin = 20;     // left margin, and top margin after a page break
constexpr int first_page_top = 50;  // the first page leaves room for the header

// The largest board whose diagram fits on a page where the first page starts: 52 by 36.
constexpr int max_diagram_columns = (screen_width - page_margin) / cell_pitch;
constexpr int max_diagram_rows = (screen_height - first_page_top) / cell_pitch;

#endif
