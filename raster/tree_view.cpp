// The search tree explored so far, drawn on the page as the SVG picture draws it.
#include "raster/tree_view.h"

#include <algorithm>
#include <cmath>

#include "raster/raster.h"
#include "raster/window.h"
#include "tree/tree_layout.h"

namespace {

constexpr SDL_Rect area = {0, tree_view_top, screen_width, tree_view_bottom - tree_view_top};
constexpr int ellipse_segments = 32;
constexpr double current_frame_margin = 4;
constexpr double legend_band = tree_margin + legend_height + tree_margin / 2;

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

void shape(SearchStep kind, const NodePlace& p, double x, double y, const Colours& c, bool on_path)
{
    const Uint32 line = on_path ? c.path : c.outline;
    const int width = on_path ? 1 : 0;
    switch (kind) {
    case SearchStep::enter:
    case SearchStep::back_up:
        outline(kind, x, y, p.half_width, p.half_height, line, width);
        return;
    case SearchStep::found:
        // A filled disc, row by row.
        for (int dy = static_cast<int>(-p.half_height); dy <= p.half_height; ++dy) {
            const int half = static_cast<int>(std::sqrt(p.half_height * p.half_height - dy * dy));
            SDL_Rect row = {static_cast<Sint16>(x - half), static_cast<Sint16>(y + dy),
                            static_cast<Uint16>(2 * half + 1), 1};
            SDL_FillRect(screen, &row, on_path ? c.path : c.solution);
        }
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end: {
        const bool dead = kind == SearchStep::dead_end;
        const double h = p.half_width;
        segment(x - h, y - h, x + h, y + h, c.turned_down);
        segment(x - h, y + h, x + h, y - h, c.turned_down);
        outline(kind, x, y, h, h,
                on_path ? c.path
                : dead  ? c.dead_end
                        : c.turned_down,
                dead || on_path ? 1 : 0);
        return;
    }
    }
}

void label(TTF_Font* font, const char* text, const NodePlace& p, double x, double y,
           SearchStep kind)
{
    if (font == nullptr || *text == '\0') return;
    int w = 0, h = 0;
    if (TTF_SizeText(font, text, &w, &h) != 0) return;
    const SDL_Color colour = kind == SearchStep::found         ? SDL_Color{0x0b, 0x3d, 0x19, 0}
                             : kind == SearchStep::turned_down ? SDL_Color{0x77, 0x77, 0x77, 0}
                             : kind == SearchStep::dead_end    ? SDL_Color{0xc0, 0x00, 0x00, 0}
                                                               : SDL_Color{0x22, 0x22, 0x22, 0};
    const double left = p.label_centred ? x - w / 2.0 : x + p.half_width + label_gap;
    SDL_Rect place = {static_cast<Sint16>(left), static_cast<Sint16>(y - h / 2.0), 0, 0};
    blit_text(font, text, colour, place);
}

// How far to move a picture of the size along a room of the size: the whole picture centred
// where it fits, otherwise the point at in the middle, but never further than needed past
// the picture's edges.
double offset(double size, double room, double at)
{
    if (size <= room) return (room - size) / 2;
    return std::clamp(room / 2 - at, room - size, 0.0);
}

// Text in the legend's ink, its left end at x, its middle at y.
void words(TTF_Font* font, const char* text, double x, double y)
{
    NodePlace at{};
    at.half_width = -label_gap;  // the text starts at x itself
    label(font, text, at, x, y, SearchStep::enter);
}

}  // namespace

void draw_tree_view(const SearchTree& tree, int count, int current, TTF_Font* font)
{
    const Colours c = map_colours();
    SDL_Rect view = area;
    SDL_FillRect(screen, &view, c.white);
    SDL_SetClipRect(screen, &view);

    const TreeLayout layout = lay_out_tree(tree, count);
    count = static_cast<int>(layout.places.size());
    const NodePlace* centre =
        current >= 0 && current < count ? &layout.places[static_cast<size_t>(current)] : nullptr;
    const double dx = area.x + offset(layout.width, area.w, centre ? centre->x : 0);
    const double dy =
        area.y +
        (layout.height <= area.h ? 0 : offset(layout.height, area.h, centre ? centre->y : 0));
    std::vector<bool> on_path(static_cast<size_t>(count), false);
    for (int k = current < count ? current : -1; k >= 0; k = tree.node(k).parent) {
        on_path[static_cast<size_t>(k)] = true;
    }
    const auto in_view = [&](const NodePlace& p) {
        return p.x + dx > area.x - tree_level_gap && p.x + dx < area.x + area.w + tree_level_gap;
    };

    for (int k = 0; k < count; ++k) {
        const int parent = tree.node(k).parent;
        if (parent < 0) continue;
        const NodePlace &to = layout.places[static_cast<size_t>(k)],
                        &from = layout.places[static_cast<size_t>(parent)];
        if (!in_view(to) && !in_view(from)) continue;
        const bool path = on_path[static_cast<size_t>(k)];
        segment(from.x + dx, from.y + from.half_height + dy, to.x + dx, to.y - to.half_height + dy,
                path ? c.path : c.edge, path ? 1 : 0);
    }
    for (int k = 0; k < count; ++k) {
        const NodePlace& p = layout.places[static_cast<size_t>(k)];
        if (!in_view(p)) continue;
        const SearchStep kind = tree.node(k).kind;
        shape(kind, p, p.x + dx, p.y + dy, c, on_path[static_cast<size_t>(k)]);
        label(font, tree.label(k), p, p.x + dx, p.y + dy, kind);
        if (k == current) {
            const double m = current_frame_margin;
            outline(SearchStep::dead_end, p.x + dx, p.y + dy, p.half_width + m, p.half_height + m,
                    c.path, 1);
        }
    }

    // The legend stays at the top of the view, whatever part of the tree is shown.
    SDL_Rect band = {area.x, area.y, area.w, static_cast<Uint16>(legend_band)};
    SDL_FillRect(screen, &band, c.white);
    double x = area.x + tree_margin;
    const double y = area.y + tree_margin + legend_height / 2;
    for (const LegendSample& s : tree_legend) {
        const NodePlace p = legend_place(s.kind, x, y);
        shape(s.kind, p, p.x, p.y, c, false);
        label(font, s.label, p, p.x, p.y, s.kind);
        const double labelled = *s.label != '\0' && !p.label_centred ? 2 * tree_char_width : 0;
        words(font, s.meaning, p.x + p.half_width + label_gap + labelled, y);
        x += legend_item_width;
    }
    SDL_SetClipRect(screen, nullptr);
}
