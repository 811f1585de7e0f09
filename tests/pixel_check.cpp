// Exact pixel comparisons on an offscreen 800x600 screen, with pictures written on failure.
#include "pixel_check.h"

#include "raster/raster.h"

#include <cstddef>
#include <cstdlib>
#include <sstream>

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr Uint32 background = 0xFFFFFF;
constexpr Uint32 set_colour = 0x000000;
constexpr Uint32 missing_colour = 0x00C000;
constexpr Uint32 stray_colour = 0xFF0000;

Uint32 pixel_of(SDL_Surface* s, int x, int y)
{
    return reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) +
                                     static_cast<std::ptrdiff_t>(y) * s->pitch)[x];
}

void set_pixel_of(SDL_Surface* s, int x, int y, Uint32 c)
{
    if (x >= 0 && y >= 0 && x < s->w && y < s->h) {
        reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) +
                                  static_cast<std::ptrdiff_t>(y) * s->pitch)[x] = c;
    }
}

void save_set(const PixelSet& pixels, const std::string& path)
{
    SDL_Surface* s = make_offscreen_screen();
    SDL_FillRect(s, nullptr, background);
    for (const auto& p : pixels) set_pixel_of(s, p.first, p.second, set_colour);
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

}  // namespace

SDL_Surface* make_offscreen_screen()
{
    SDL_Surface* s =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_FillRect(s, nullptr, 0);
    return s;
}

void DummyScreenTest::SetUp()
{
    screen = open_dummy_screen();
    ASSERT_NE(screen, nullptr);
}

void DummyScreenTest::TearDown()
{
    SDL_Quit();
    screen = nullptr;
}

SDL_Surface* open_dummy_screen()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return nullptr;
    SDL_Surface* s = SDL_SetVideoMode(width, height, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    return s;
}

void push_event(Uint8 type, SDLKey key, Uint16 typed)
{
    SDL_Event e;
    SDL_memset(&e, 0, sizeof e);
    e.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) {
        e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = key;
        e.key.keysym.unicode = typed;
    }
    SDL_PushEvent(&e);
}

PixelSet rectangle(int x0, int y0, int x1, int y1)
{
    PixelSet r;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) r.insert({x, y});
    return r;
}

PixelSet& operator+=(PixelSet& a, const PixelSet& b)
{
    a.insert(b.begin(), b.end());
    return a;
}

PixelSet band(int x0, int y0, int x1, int y1, std::initializer_list<std::pair<int, int>> extra)
{
    PixelSet r = rectangle(x0, y0, x1, y1);
    r.insert(extra.begin(), extra.end());
    return r;
}

PixelSet pixels_with(SDL_Surface* surface, Uint32 colour)
{
    PixelSet r;
    for (int y = 0; y < surface->h; ++y)
        for (int x = 0; x < surface->w; ++x)
            if (pixel_of(surface, x, y) == colour) r.insert({x, y});
    return r;
}

::testing::AssertionResult same_pixels(const std::string& name, const PixelSet& actual,
                                       const PixelSet& expected)
{
    if (actual == expected) {
        return ::testing::AssertionSuccess();
    }
    save_set(actual, name + "-actual.bmp");
    save_set(expected, name + "-expected.bmp");
    SDL_Surface* diff = make_offscreen_screen();
    SDL_FillRect(diff, nullptr, background);
    std::ostringstream msg;
    msg << name << ": " << actual.size() << " pixels set, " << expected.size() << " expected;";
    int shown = 0;
    for (const auto& p : expected) {
        if (!actual.count(p)) {
            set_pixel_of(diff, p.first, p.second, missing_colour);
            if (shown++ < 8) msg << " missing (" << p.first << ", " << p.second << ")";
        }
    }
    for (const auto& p : actual) {
        if (!expected.count(p)) {
            set_pixel_of(diff, p.first, p.second, stray_colour);
            if (shown++ < 16) msg << " stray (" << p.first << ", " << p.second << ")";
        }
    }
    SDL_SaveBMP(diff, (name + "-diff.bmp").c_str());
    SDL_FreeSurface(diff);
    msg << "; pictures in " << name << "-{actual,expected,diff}.bmp";
    return ::testing::AssertionFailure() << msg.str();
}
