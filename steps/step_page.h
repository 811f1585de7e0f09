// A step's page in the window: the header with the configurations found, the legend, the
// program's picture of the step (or the search tree), the status line that tells the step, and
// the marker of a step seen again; and the page after the last step.
#ifndef STEPS_STEP_PAGE_H
#define STEPS_STEP_PAGE_H

#include <SDL_ttf.h>

#include <cstddef>
#include <cstdint>

#include "steps/step_stack.h"

// What the status line of a step says besides its number, as the view finds it in the state
// the page stands on (steps/step_replay.h).
struct StepFacts {
    std::size_t depth = 0;  // the length of the path, the dominoes placed
    char words[96] = "";    // what the step did and why, in UTF-8
};

// The legend beside the header: each mark the pictures use, drawn small, and what it means.
struct StepLegendItem {
    int left;                           // where the mark starts; its words follow it
    void (*sample)(int left, int top);  // draws the mark, its top-left corner at (left, top)
    const char* words;
};
struct StepLegend {
    int text_top;      // the words' top, in the label font
    int sample_top;    // the marks' top, so that they stand as tall as the words' letters
    int sample_width;  // the words start this far right of a mark's left edge, and a gap more
    int text_gap;
    StepLegendItem items[2];
};

// A program's step view, as step mode has it show a step or the end of the run.
struct StepView {
    // The instance as the window's title names it after the program ("board 4x3").
    void (*instance)(char* text, std::size_t size);
    // The header line of a page, with the configurations found by then, and where it stands.
    void (*header)(char* text, std::size_t size, long long found);
    SDL_Rect header_place;
    StepLegend legend;
    // Whether the pages start with step 0, the instance as it stands before the search's
    // first step (the empty board); the search's first step is step 1 either way.
    bool step_zero;
    // Sets the view up for the instance, before the first step; nullptr when nothing is to set.
    void (*start)();
    // Draws the picture of a step below the header and the legend, the path
    // (steps/step_replay.h) standing just after it, and tells what the status line says.
    void (*draw)(std::size_t step, StepFacts& facts);
    // Draws what the page that follows the last step shows below its header, above the
    // summary of the search.
    void (*draw_end)();
    // How the call stack names a call and the candidate it stands at.
    CallWords call_words;
    // The candidates of the call at depth on the path the page stands on, in the order the
    // search tries them, into out (at most most of them); returns how many there are. Depth 0
    // is the top, where the search starts its first calls.
    int (*candidates)(std::size_t depth, std::uint32_t* out, int most);
    // What the search finds, one and more of them, as the summary names them ("tiling",
    // "tilings").
    const char* found_one;
    const char* found_many;
};

// The fonts of step mode: the header's and the status line's; the labels' (the legend, a
// picture's amounts), large enough to read from the back of a room; the small one of the
// marker of a step seen again and the small cell numbers; and the tree view's, at
// tree_label_font_size (steps/tree_view.h). Any may be nullptr: no texts.
struct StepFonts {
    TTF_Font* text;
    TTF_Font* label;
    TTF_Font* small;
    TTF_Font* tree;
};
extern TTF_Font* step_font;
extern TTF_Font* step_label_font;
extern TTF_Font* step_small_font;
extern TTF_Font* step_tree_font;

// Called each time a page of a step has been shown (the step's, or the question of predict
// mode before the next one), with the step's number and the status line; none by default.
// Whatever follows the pages (a test) learns of each with it.
extern void (*step_shown_action)(std::size_t step, const char* status_line);

// Sets the pages up for the view, in the fonts.
void start_step_pages(const StepFonts& fonts, const StepView& view);

// Draws and shows the page of a step kept, or the end page (with told_over, the marker says
// that no step comes after it); then tells what stands beside the page.
void show_step_page(std::size_t step);
void show_end_page(bool told_over);

// Draws and shows the question of predict mode that stands before the step after this one:
// the call the search stands in at the step, its candidates in order, those it took up
// already marked, and "What happens next?"; the next step's picture, status line and the
// panels' lines stay held back.
void show_question_page(std::size_t step);

// Where the status line stands: below the lowest row of diagrams or pictures on any page.
constexpr SDL_Rect step_status_place = {20, 560, 0, 0};
// Where the marker of a step seen again stands: under the status line, in the small font.
constexpr SDL_Rect step_marker_place = {20, 584, 0, 0};
// Where the tree view says that the tree stopped growing: at the foot of the tree.
constexpr SDL_Rect tree_note_place = {20, 530, 0, 0};
// Where the page after the last step sums the search up: the configurations found, in the
// status font, below a line the view may write under the header; and under it what the
// steps add up to (steps/step_record.h), in the label font.
constexpr SDL_Rect summary_place = {20, 80, 0, 0};
constexpr SDL_Rect summary_counts_place = {20, 110, 0, 0};

// Writes the status line of a step in the status font (nothing without one): its number, the
// depth the search stands at, and what the step did and why, in words (UTF-8). The header
// holds the configurations found. The words of every step keep the line inside the page.
void show_step_status(long long step, std::size_t depth, const char* words);

// The number the status line gives the last step of the record (the end page repeats it).
long long last_step_number();

#endif
