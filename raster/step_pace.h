// What the two step views share: the record of the steps shown, the keys that move about
// it, the pace of step mode (a key a step, or a step every so many milliseconds), and the
// status line that tells each step.
#ifndef RASTER_STEP_PACE_H
#define RASTER_STEP_PACE_H

#include <SDL_ttf.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "history/step_record.h"
#include "tree/trace_node.h"

// What the status line of a step says besides its number, as the view finds it in the state
// it rebuilt.
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

// A program's step view, as the shared part has it show a step or the end of the run.
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
    // Draws the picture of a step below the header and the legend, the path (below) standing
    // just after it, and tells what the status line says.
    void (*draw)(std::size_t step, StepFacts& facts);
    // Draws what the page that follows the last step shows below its header.
    void (*draw_end)();
};

// The fonts of step mode: the header's and the status line's; the labels' (the legend, a
// picture's amounts), large enough to read from the back of a room; the small one of the
// marker of a step seen again and the small cell numbers; and the tree view's, at
// tree_label_font_size (raster/tree_view.h). Any may be nullptr: no texts.
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

// The path the step shown stands on: the item (a jug state, a domino code) of each call the
// search has entered and not yet backed up from, the first call's first. Every view's
// picture is drawn from it. A step that enters a call or finds a configuration adds its
// item; a step that backs up takes it away again.
const std::vector<std::uint32_t>& step_path();

// The configurations found up to the step shown.
long long steps_found();

// Every step of the run, as its events.
extern StepRecord step_record;

// Called each time a step has been shown, with its number and its event; none by default.
// A panel beside the picture can follow the view with it.
extern void (*step_shown_action)(std::size_t step, StepEvent event);

// Starts step mode with an empty record: its texts are written in the fonts, and the steps
// follow one another at the pace delay_ms gives (below). With tree_first the pages show the
// tree view from the start.
void start_steps(const StepFonts& fonts, int delay_ms, const StepView& view, bool tree_first);

// Before the search's first step: where the view has a step 0, records it (the start event,
// history/step_record.h, which reaches no node of the tree) and shows it as take_step shows
// a step. Ends the run as take_step does.
void take_step_zero();

// Records the step the search has just taken, with the node of the search tree it reached
// (nullptr for a step that backs up; tree/step_tree.h), and shows it; then lets the user move about
// the steps kept until they move on from the newest, and returns so that the search takes
// its next step. Ends the run (RunEnd, status 0) when the user asks to.
//
// The keys: the right arrow and the space bar go a step forward, the left arrow and
// Backspace a step back, Home to the oldest step kept, End to the newest, n forward to the
// next step that finds a configuration (running the search as far as it takes), p back to
// the one before; t switches between the view's picture and the search tree explored so
// far (raster/tree_view.h); 1 to 9 play the steps at a pace of their own, 0 goes back to a
// step per key (raster/step_paces.h); Escape, q and the window's close request end the run.
// With delay_ms >= 0 the steps come by themselves every delay_ms milliseconds from the one
// shown; the space bar pauses and resumes, and every move back pauses. When pages go to files, each
// step's page is written instead and the search goes on at once.
void take_step(StepEvent event, const TraceNode* node);

// The search is over: shows the view's end page. There the moves back still go to the steps
// kept, the digit keys and t keep their meaning, and the moves forward (the right arrow,
// End, n), with nowhere further to go, leave the page as it is and say that the search is
// over; the space bar and any other key end the wait, as the last page of a run always has.
void finish_steps();

// Where the status line stands: below the lowest row of diagrams or pictures on any page.
constexpr SDL_Rect step_status_place = {20, 560, 0, 0};
// Where the marker of a step seen again stands: under the status line, in the small font.
constexpr SDL_Rect step_marker_place = {20, 584, 0, 0};
// Where the tree view says that the tree stopped growing: at the foot of the tree.
constexpr SDL_Rect tree_note_place = {20, 530, 0, 0};

// Writes the status line of a step in the status font (nothing without one): its number, the
// depth the search stands at, and what the step did and why, in words (UTF-8). The header
// holds the configurations found. The words of every step keep the line inside the page:
// status_line_fits checks a line.
void show_step_status(long long step, std::size_t depth, const char* words);

// The number the status line gives the last step of the record (the end page repeats it).
long long last_step_number();

// The status line last written, as the page shows it and the web page names the picture.
const char* step_status_line();

// Whether a status line of the step, depth and words fits the page's width in font.
bool status_line_fits(TTF_Font* font, long long step, std::size_t depth, const char* words);

#endif
