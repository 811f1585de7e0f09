// Exact pixel comparisons on an offscreen 800x600 screen, with pictures written on failure.
#ifndef TESTS_PIXEL_CHECK_H
#define TESTS_PIXEL_CHECK_H

#include <SDL.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using PixelSet = std::set<std::pair<int, int>>;

// An 800x600 32-bit XRGB surface in memory, cleared to 0.
SDL_Surface* make_offscreen_screen();

// Starts SDL's video on the dummy driver and opens the 800x600 32-bit screen as the
// programs do; nullptr if that fails. Pending start-up events are dropped.
SDL_Surface* open_dummy_screen();

// A test on the dummy driver's screen: SDL is started before each test and shut down
// after it.
class DummyScreenTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
};

// Puts an event of the type into SDL's queue, as the user's action would (key events
// carry the key given, the space bar unless another is named, and the character it typed).
void push_event(Uint8 type, SDLKey key = SDLK_SPACE, Uint16 typed = 0);

// The pixels of the inclusive rectangle from (x0, y0) to (x1, y1).
PixelSet rectangle(int x0, int y0, int x1, int y1);
PixelSet& operator+=(PixelSet& a, const PixelSet& b);

// The rectangle plus a few single pixels.
PixelSet band(int x0, int y0, int x1, int y1, std::initializer_list<std::pair<int, int>> extra);

// Every pixel of surface that holds colour.
PixelSet pixels_with(SDL_Surface* surface, Uint32 colour);

// Passes when the two sets are equal. Otherwise writes NAME-actual.bmp, NAME-expected.bmp
// and NAME-diff.bmp (missing pixels green, stray pixels red) to the working directory and
// names the first differences.
::testing::AssertionResult same_pixels(const std::string& name, const PixelSet& actual,
                                       const PixelSet& expected);

#endif
