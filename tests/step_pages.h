// What the step-mode tests of both window programs share: texts as the fonts draw them, and
// the user's moves about the steps checked against a run that only went forward.
#ifndef TESTS_STEP_PAGES_H
#define TESTS_STEP_PAGES_H

#include <SDL_ttf.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "page_reading.h"
#include "pixel_check.h"
#include "scripted_events.h"

// The font the programs read, from BIN_DIR, at the size; SDL_ttf is started for it.
TTF_Font* open_test_font(const char* bin_dir, int size);

// A font the programs read, opened as open_test_font does, closed and SDL_ttf's start undone
// at the end of its scope, also when a failed assertion ends the test early.
class TestFont {
  public:
    TestFont(const char* bin_dir, int size) : font_(open_test_font(bin_dir, size)) {}
    TestFont(const TestFont&) = delete;
    TestFont& operator=(const TestFont&) = delete;
    ~TestFont();
    TTF_Font* get() const { return font_; }

  private:
    TTF_Font* font_;
};

// The pixels that text in font covers with its top-left corner at (x, y), or its middle at x
// when centred, as blit_text draws it.
PixelSet text_pixels(TTF_Font* font, const char* text, int x, int y, bool centred = false);

// The pixels of the page that hold colour, in the inclusive rectangle from (x0, y0) to (x1, y1).
PixelSet page_pixels_with(const Page& page, Uint32 colour, int x0 = 0, int y0 = 0, int x1 = 799,
                          int y1 = 599);

// Adds to pixels the summary of the page after the last step: "the search is over: outcome"
// at (20, 80) in the font of the size, and the counts at (20, 110) in the label font. A fatal
// failure when a font does not open.
void add_end_summary(const char* bin_dir, int font_size, const std::string& outcome,
                     const char* counts, PixelSet& pixels);

// A key in step mode and the step (numbered from 0) that the page after it shows.
struct KeyAndStep {
    WaitAnswer key;
    std::size_t step;
};

// A tour of the steps of a run whose first two configurations come at steps found1 and
// found2: forward, back, forward again past the newest, Home, End, n and p, in the record
// and past it.
std::vector<KeyAndStep> tour_of_steps(std::size_t found1, std::size_t found2);

// Runs the program in step mode forward only, then with the moves and Escape after them,
// and checks each page the moves show: above the marker the same pixels as the page of the
// same step going forward, and the marker there only when the step is older than the newest.
void expect_moves_show_steps(const std::function<int()>& run_steps,
                             const std::vector<KeyAndStep>& moves);

// The steps (numbered from 0) of the first configurations, up to count, from the step-shown
// hook of a run forward that ends after the given steps.
std::vector<std::size_t> found_steps(const std::function<int()>& run_steps, std::size_t steps,
                                     std::size_t count);

// The status line of every step that a run in step mode shows, in order.
std::vector<std::string> step_status_lines(const std::function<int()>& run_steps);

// The call stack of every step that a run in step mode shows, in order, each as its lines,
// the newest call first.
std::vector<std::vector<std::string>> step_stacks(const std::function<int()>& run_steps);

// Checks each step's stack against the search tree its steps grew: a line for each call on
// the path to the step's node, named as its node is, with the candidates it turned down and
// the calls it went into before the one it stands at, and the configurations below it.
void expect_stacks_as_the_tree_has_them(const std::vector<std::vector<std::string>>& stacks);

#endif
