// Reads what a window program's page shows back from its pixels.
#include "page_reading.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int cell_pitch = 15;

}  // namespace

int count_colour(const Page& page, Uint32 colour, int x0, int y0, int x1, int y1)
{
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += page_pixel(page, x, y) == colour;
    return n;
}

bool all_of_colour(const Page& page, Uint32 colour)
{
    return std::all_of(page.begin(), page.end(), [colour](Uint32 p) { return p == colour; });
}

std::array<int, 4> drawn_extent(const Page& page, Uint32 background)
{
    std::array<int, 4> box = {800, 600, -1, -1};
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            if (page_pixel(page, x, y) == background) continue;
            box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                   std::max(box[3], y)};
        }
    }
    return box;
}

Amounts read_jug_picture(const Page& page, int x, int y, Uint32 red, const JugLayout& jugs)
{
    Amounts a = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i < jugs.capacity[k]; ++i) {
            if (page_pixel(page, x + 50 * k + 20, y - jugs.unit * i - 2) == red) a[k] = i + 1;
        }
    }
    return a;
}

std::vector<Amounts> read_solution_page(const Page& page, Uint32 red, Uint32 black,
                                        const JugLayout& jugs)
{
    const int tallest = jugs.unit * *std::max_element(jugs.capacity.begin(), jugs.capacity.end());
    std::vector<Amounts> states;
    for (int y = tallest + 40; y <= 585 - tallest; y += tallest + jugs.row_gap) {
        for (int x = 20; x <= 530; x += 170) {
            if (page_pixel(page, x + 20, y) != black) return states;  // no base stroke
            states.push_back(read_jug_picture(page, x, y, red, jugs));
        }
    }
    return states;
}

std::set<int> read_diagram(const Page& page, int x, int y, Uint32 blue, Board board)
{
    const int columns = board.columns, cells = board.columns * board.rows;
    auto domino_code = [cells](int a, int b) { return a * cells + b; };
    auto is_blue = [&](int px, int py) { return page_pixel(page, px, py) == blue; };
    auto centre_x = [&](int cell) { return x + cell_pitch * (cell % columns); };
    auto centre_y = [&](int cell) { return y + cell_pitch * (cell / columns); };
    if (!is_blue(x - 4, y - 4)) return {};
    std::set<int> dominoes;
    std::vector<int> cover(cells, 0);
    for (int a = 0; a < cells; ++a) {
        if (!is_blue(centre_x(a) - 4, centre_y(a) - 4)) return {-1};
        const bool right = a % columns != columns - 1 && is_blue(centre_x(a) + 7, centre_y(a) - 4);
        const bool down = a < cells - columns && is_blue(centre_x(a) - 4, centre_y(a) + 7);
        if (right) {
            dominoes.insert(domino_code(a, a + 1));
            ++cover[a];
            ++cover[a + 1];
        }
        if (down) {
            dominoes.insert(domino_code(a, a + columns));
            ++cover[a];
            ++cover[a + columns];
        }
    }
    for (int c : cover)
        if (c != 1) return {-1};
    return dominoes;
}

std::vector<std::set<int>> read_diagram_page(const Page& page, int top, Uint32 blue, Board board)
{
    std::vector<std::set<int>> diagrams;
    for (int y = top; y <= 600 - cell_pitch * board.rows; y += cell_pitch * board.rows + 20) {
        for (int x = 20; x <= 800 - cell_pitch * board.columns;
             x += cell_pitch * board.columns + 20) {
            std::set<int> d = read_diagram(page, x, y, blue, board);
            if (d.empty()) return diagrams;
            diagrams.push_back(d);
        }
    }
    return diagrams;
}

static double luminance(Uint32 rgb)
{
    double l = 0;
    for (const auto& [shift, weight] : {std::pair{16, 0.2126}, {8, 0.7152}, {0, 0.0722}}) {
        const double c = ((rgb >> shift) & 0xFF) / 255.0;
        l += weight * (c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    }
    return l;
}

double lowest_contrast(const Page& page, Uint32 colour, const std::set<Uint32>& mark, int x0,
                       int y0, int x1, int y1)
{
    double lowest = 21;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (page_pixel(page, x, y) != colour) continue;
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                if (x + dx < 0 || x + dx >= 800 || y + dy < 0 || y + dy >= 600) continue;
                const Uint32 beside = page_pixel(page, x + dx, y + dy);
                if (mark.count(beside) != 0) continue;
                const double a = luminance(colour) + 0.05, b = luminance(beside) + 0.05;
                lowest = std::min(lowest, std::max(a, b) / std::min(a, b));
            }
        }
    return lowest;
}

std::set<int> all_horizontal_tiling()
{
    std::set<int> t;
    for (int a = 0; a < 24; a += 2) t.insert(a * 24 + a + 1);
    return t;
}

std::set<int> all_vertical_tiling()
{
    std::set<int> t;
    for (int a = 0; a < 24; ++a)
        if (a % 12 < 6) t.insert(a * 24 + a + 6);
    return t;
}
