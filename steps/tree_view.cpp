// The search tree explored so far, drawn on the page as the SVG picture draws it.
#include "steps/tree_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "raster/raster.h"
#include "raster/window.h"
#include "tree/tree_layout.h"

namespace {

constexpr SDL_Rect area = {0, tree_view_top, screen_width, tree_view_bottom - tree_view_top};
// Pixels to a unit of the picture.
constexpr double scale = tree_label_font_size / tree_font_size;
constexpr int ellipse_segments = 32;
constexpr double current_frame_margin = 4;  // pixels
constexpr double legend_band = (tree_margin + legend_height + tree_margin / 2) * scale;
// Room kept between a node of the path drawn at the view's edge and the edge.
constexpr double edge_room = 4;
constexpr int dash = 4;  // the dashes of the path through the levels left out, in pixels

TTF_Font* label_font;  // the font of the view being drawn

// The picture's colours, as the SVG's style gives them.
struct Colours {
    Uint32 white, outline, edge, turned_down, solution, dead_end, path;
};

Colours map_colours()
{
    const SDL_PixelFormat* f = screen->format;
    return {SDL_MapRGB(f, 255, 255, 255),    SDL_MapRGB(f, 0x33, 0x33, 0x33),
            SDL_MapRGB(f, 0x99, 0x99, 0x99), SDL_MapRGB(f, 0x88, 0x88, 0x88),
            SDL_MapRGB(f, 0x17, 0x80, 0x3a), SDL_MapRGB(f, 0xc0, 0x00, 0x00),
            SDL_MapRGB(f, 0x1f, 0x5f, 0xd6)};
}
constexpr SDL_Color ink = {0x22, 0x22, 0x22, 0};
constexpr SDL_Color grey_ink = {0x77, 0x77, 0x77, 0};

// The part of the segment inside the area (Liang and Barsky's clipping); false when none is.
bool clip_to_area(double& x0, double& y0, double& x1, double& y1)
{
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - area.x, area.x + area.w - 1 - x0, y0 - area.y,
                         area.y + area.h - 1 - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0) t0 = std::max(t0, t);
        if (p[k] > 0) t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 += t0 * dx;
    y0 += t0 * dy;
    return true;
}

void segment(double x0, double y0, double x1, double y1, Uint32 colour, int half_width = 0)
{
    if (!clip_to_area(x0, y0, x1, y1)) return;
    const int a = static_cast<int>(x0), b = static_cast<int>(y0);
    const int c = static_cast<int>(x1), d = static_cast<int>(y1);
    if (half_width > 0) {
        draw_thick_line(a, b, c, d, half_width, colour);
    } else {
        draw_line(a, b, c, d, colour);
    }
}

// The segment in dashes, from its first end.
void dashed_segment(double x0, double y0, double x1, double y1, Uint32 colour)
{
    const double length = std::hypot(x1 - x0, y1 - y0);
    for (double at = 0; at < length; at += 2 * dash) {
        const double t0 = at / length, t1 = std::min(at + dash, length) / length;
        segment(x0 + t0 * (x1 - x0), y0 + t0 * (y1 - y0), x0 + t1 * (x1 - x0), y0 + t1 * (y1 - y0),
                colour, 1);
    }
}

void outline(SearchStep kind, double x, double y, double hw, double hh, Uint32 colour, int width)
{
    if (kind == SearchStep::enter) {
        constexpr double turn = 6.283185307179586 / ellipse_segments;
        for (int k = 0; k < ellipse_segments; ++k) {
            segment(x + hw * std::cos(k * turn), y + hh * std::sin(k * turn),
                    x + hw * std::cos((k + 1) * turn), y + hh * std::sin((k + 1) * turn), colour,
                    width);
        }
        return;
    }
    segment(x - hw, y - hh, x + hw, y - hh, colour, width);
    segment(x + hw, y - hh, x + hw, y + hh, colour, width);
    segment(x + hw, y + hh, x - hw, y + hh, colour, width);
    segment(x - hw, y + hh, x - hw, y - hh, colour, width);
}

// A filled disc, row by row.
void disc(double x, double y, double radius, Uint32 colour)
{
    for (int dy = static_cast<int>(-radius); dy <= radius; ++dy) {
        const int half = static_cast<int>(std::sqrt(radius * radius - dy * dy));
        const SDL_Rect row = {static_cast<Sint16>(x - half), static_cast<Sint16>(y + dy),
                              static_cast<Uint16>(2 * half + 1), 1};
        fill_rect(row, colour);
    }
}

// The node's shape at the view's size, its centre at (x, y).
void shape(SearchStep kind, const NodePlace& p, double x, double y, const Colours& c, bool on_path)
{
    const double hw = p.half_width * scale, hh = p.half_height * scale;
    const Uint32 line = on_path ? c.path : c.outline;
    const int width = on_path ? 1 : 0;
    switch (kind) {
    case SearchStep::enter:
    case SearchStep::back_up:
        outline(kind, x, y, hw, hh, line, width);
        return;
    case SearchStep::found:
        disc(x, y, hh, on_path ? c.path : c.solution);
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end: {
        const bool dead = kind == SearchStep::dead_end;
        segment(x - hw, y - hh, x + hw, y + hh, c.turned_down);
        segment(x - hw, y + hh, x + hw, y - hh, c.turned_down);
        outline(kind, x, y, hw, hh,
                on_path ? c.path
                : dead  ? c.dead_end
                        : c.turned_down,
                dead || on_path ? 1 : 0);
        return;
    }
    }
}

// Text in the colour, its left end at x (its middle, centred), its middle at y.
void text(const char* words, SDL_Color colour, double x, double y, bool centred = false)
{
    int w = 0, h = 0;
    if (label_font == nullptr || *words == '\0' || TTF_SizeText(label_font, words, &w, &h) != 0) {
        return;
    }
    SDL_Rect place = {static_cast<Sint16>(centred ? x - w / 2.0 : x),
                      static_cast<Sint16>(y - h / 2.0), 0, 0};
    blit_text(label_font, words, colour, place);
}

// The width of the text in the labels' font; 0 without it.
double text_width(const char* words)
{
    int w = 0, h = 0;
    if (label_font == nullptr || TTF_SizeText(label_font, words, &w, &h) != 0) return 0;
    return w;
}

// The node's label and its count of candidates left out, where the picture puts them
// around the shape's centre at (x, y).
void texts(const char* words, int left_out, const NodePlace& p, double x, double y, SearchStep kind)
{
    const SDL_Color colour = kind == SearchStep::found         ? SDL_Color{0x0b, 0x3d, 0x19, 0}
                             : kind == SearchStep::turned_down ? grey_ink
                             : kind == SearchStep::dead_end    ? SDL_Color{0xc0, 0x00, 0x00, 0}
                                                               : ink;
    text(words, colour, x + (p.label_x - p.x) * scale, y, p.label_centred);
    if (left_out > 0) {
        char count[16];
        std::snprintf(count, sizeof count, "%d", left_out);
        text(count, grey_ink, x + (p.count_x - p.x) * scale, y - count_rise * scale);
    }
}

// How far to move a picture of the size along a room of the size: the whole picture centred
// where it fits, otherwise the point at in the middle, but never further than needed past
// the picture's edges.
double offset(double size, double room, double at)
{
    if (size <= room) return (room - size) / 2;
    return std::clamp(room / 2 - at, room - size, 0.0);
}

// Where the picture's units fall on the page: x at x * scale + dx; the levels from the
// first one shown below the ones left out (none: every level) a band lower than they would
// stand, the band of the level after the roots taking the place of those left out.
struct ViewPlace {
    double dx = 0, dy = 0;
    int first_below = 0;  // the first level shown below those left out; 0 when none are
    double lower_by = 0;  // how much higher, in the picture's units, the levels below stand

    bool shown(int level) const { return first_below == 0 || level < 1 || level >= first_below; }
    double x(double picture_x) const { return picture_x * scale + dx; }
    double y(double picture_y, int level) const
    {
        return (picture_y - (first_below > 0 && level >= first_below ? lower_by : 0)) * scale + dy;
    }
};

// The view of the layout around the current node (or the top of the tree without one): the
// whole tree where it fits; otherwise centred on the current node, with the levels that
// stand between the roots and the levels around it left out when there is no room for
// them.
ViewPlace place_view(const TreeLayout& layout, const SearchTree& tree, int current)
{
    ViewPlace view;
    const NodePlace* centre = current >= 0 ? &layout.places[static_cast<size_t>(current)] : nullptr;
    view.dx = area.x + offset(layout.width * scale, area.w, centre ? centre->x * scale : 0);
    view.dy = area.y;
    if (layout.height * scale <= area.h || centre == nullptr) return view;
    // The current node's level and the one below, where its children come.
    const int level = tree.node(current).level;
    int deepest = 0;
    for (size_t k = 0; k < layout.places.size(); ++k) {
        deepest = std::max(deepest, tree.node(static_cast<int>(k)).level);
    }
    const int lowest = std::min(deepest, level + 1);
    const double bottom =
        centre->y + (lowest - level) * tree_level_gap + call_half_height + tree_margin;
    const double room = area.h / scale;
    if (bottom <= room) return view;
    // Levels 1 to first_below - 1 give way to one band.
    const int left_out = static_cast<int>(std::ceil((bottom - room) / tree_level_gap)) + 1;
    view.first_below = std::min(1 + left_out, level);
    view.lower_by = (view.first_below - 2) * tree_level_gap;
    if (view.first_below < 3) view.first_below = 0;
    return view;
}

}  // namespace

void draw_tree_view(const SearchTree& tree, int count, int current, TTF_Font* font)
{
    label_font = font;
    const Colours c = map_colours();
    const SDL_Rect view_rect = area;
    fill_rect(view_rect, c.white);
    clip_to(&view_rect);

    const TreeLayout layout = lay_out_tree(tree, count);
    count = static_cast<int>(layout.places.size());
    if (current >= count) current = -1;
    const ViewPlace view = place_view(layout, tree, current);
    std::vector<bool> on_path(static_cast<size_t>(count), false);
    for (int k = current; k >= 0; k = tree.node(k).parent) on_path[static_cast<size_t>(k)] = true;
    const auto place = [&layout](int k) -> const NodePlace& {
        return layout.places[static_cast<size_t>(k)];
    };
    const auto in_view = [&view](const NodePlace& p) {
        const double x = view.x(p.x);
        return x > area.x - tree_level_gap * scale && x < area.x + area.w + tree_level_gap * scale;
    };
    // Where a node is drawn: its place, except for a node of the path beyond the view's
    // sides, which stands at the side, whole.
    std::vector<double> drawn_x(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        const NodePlace& p = place(k);
        double x = view.x(p.x);
        if (on_path[static_cast<size_t>(k)]) {
            const double left = p.half_width * scale + edge_room;
            const double right = p.reach_right * scale + edge_room;
            x = std::clamp(x, area.x + left, std::max(area.x + left, area.x + area.w - right));
        }
        drawn_x[static_cast<size_t>(k)] = x;
    }
    const auto node_y = [&](int k) { return view.y(place(k).y, tree.node(k).level); };
    const auto shown = [&](int k) { return view.shown(tree.node(k).level); };

    if (layout.start_mark) {
        disc(view.x(layout.start_x), view.y(layout.start_y, -1), start_mark_radius * scale,
             c.outline);
    }
    for (int k = 0; k < count; ++k) {
        const NodePlace& to = place(k);
        const int parent = tree.node(k).parent;
        const bool path = on_path[static_cast<size_t>(k)];
        const double x1 = path ? drawn_x[static_cast<size_t>(k)] : view.x(to.x);
        const double y1 = node_y(k) - to.half_height * scale;
        if (parent < 0) {
            if (layout.start_mark && (path || in_view(to))) {
                segment(view.x(layout.start_x),
                        view.y(layout.start_y, -1) + start_mark_radius * scale, x1, y1,
                        path ? c.path : c.edge, path ? 1 : 0);
            }
            continue;
        }
        const NodePlace& from = place(parent);
        if (!path && !in_view(to) && !in_view(from)) continue;
        if (!shown(k)) continue;
        const double x0 = path ? drawn_x[static_cast<size_t>(parent)] : view.x(from.x);
        if (!shown(parent)) {
            // The path through the levels left out: a dashed line from the root it came from,
            // and beside it how many levels it passes.
            if (!path) continue;
            int root = parent;
            while (tree.node(root).parent >= 0) root = tree.node(root).parent;
            const double top = node_y(root) + place(root).half_height * scale;
            const double rx = drawn_x[static_cast<size_t>(root)];
            dashed_segment(rx, top, x1, y1, c.path);
            char words[48];
            std::snprintf(words, sizeof words, "%d levels left out", view.first_below - 1);
            // Beside the line, right of it where there is room, otherwise left of it.
            const double room = 2 * tree_char_width * scale, width = text_width(words);
            double x = std::max(rx, x1) + room;
            if (x + width > area.x + area.w)
                x = std::max<double>(area.x, std::min(rx, x1) - room - width);
            text(words, grey_ink, x, (top + y1) / 2);
            continue;
        }
        segment(x0, node_y(parent) + from.half_height * scale, x1, y1, path ? c.path : c.edge,
                path ? 1 : 0);
    }
    // The nodes, those of the path last, over a clearing of their own where they were moved
    // to the view's side.
    for (const bool path_nodes : {false, true}) {
        for (int k = 0; k < count; ++k) {
            const NodePlace& p = place(k);
            if (on_path[static_cast<size_t>(k)] != path_nodes || !shown(k)) continue;
            if (!path_nodes && !in_view(p)) continue;
            const double x = drawn_x[static_cast<size_t>(k)], y = node_y(k);
            if (path_nodes && x != view.x(p.x)) {
                const SDL_Rect clearing = {
                    static_cast<Sint16>(x - p.half_width * scale - edge_room),
                    static_cast<Sint16>(y - p.half_height * scale - edge_room),
                    static_cast<Uint16>(2 * (p.half_width * scale + edge_room)),
                    static_cast<Uint16>(2 * (p.half_height * scale + edge_room))};
                fill_rect(clearing, c.white);
            }
            const SearchStep kind = tree.node(k).kind;
            shape(kind, p, x, y, c, path_nodes);
            texts(tree.label(k), tree.node(k).turned_down_left_out, p, x, y, kind);
            if (k == current) {
                const double m = current_frame_margin;
                outline(SearchStep::dead_end, x, y, p.half_width * scale + m,
                        p.half_height * scale + m, c.path, 1);
            }
        }
    }

    // The legend stays at the top of the view, whatever part of the tree is shown.
    const SDL_Rect band = {area.x, area.y, area.w, static_cast<Uint16>(legend_band)};
    fill_rect(band, c.white);
    for (const LegendItem& item : layout.legend) {
        const NodePlace& p = item.place;
        if (item.count) {
            text(item.label.c_str(), grey_ink, area.x + p.count_x * scale,
                 area.y + legend_y * scale - count_rise * scale);
        } else {
            const double x = area.x + p.x * scale, y = area.y + p.y * scale;
            shape(item.kind, p, x, y, c, false);
            texts(item.label.c_str(), 0, p, x, y, item.kind);
        }
        text(item.meaning.c_str(), ink, area.x + item.meaning_x * scale, area.y + legend_y * scale);
    }
    clip_to(nullptr);
}
