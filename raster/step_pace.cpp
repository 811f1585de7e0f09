// What the two step views share: the record of the steps shown, the moves about it, the pace
// of step mode and the status line.
#include "raster/step_pace.h"

#include <SDL.h>

#include <cstdio>

#include "raster/page_files.h"
#include "raster/raster.h"
#include "raster/step_beside.h"
#include "raster/step_paces.h"
#include "raster/tree_view.h"
#include "raster/window.h"
#include "run/run_end.h"
#include "tree/step_tree.h"
#include "tree/tree_file.h"

StepRecord step_record;
void (*step_shown_action)(std::size_t step, StepEvent event);
TTF_Font* step_font;
TTF_Font* step_label_font;
TTF_Font* step_small_font;
TTF_Font* step_tree_font;

namespace {

char status_line[160];  // the status line last written, for what stands beside the page
int step_delay_ms = -1;
StepView view;

// The state the pages stand on: the path and the configurations found just after step
// applied - 1.
std::vector<std::uint32_t> path;
long long found;
std::size_t applied;

// The state after a step is the state before it with the step's event applied, and undoing
// the event gives that back.
void apply(StepEvent event)
{
    if (is_start_event(event)) return;
    switch (step_kind(event)) {
    case SearchStep::found:
        ++found;
        path.push_back(step_item(event));
        return;
    case SearchStep::enter:
        path.push_back(step_item(event));
        return;
    case SearchStep::back_up:
        path.pop_back();
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end:
        return;
    }
}

void undo(StepEvent event)
{
    if (is_start_event(event)) return;
    switch (step_kind(event)) {
    case SearchStep::found:
        --found;
        path.pop_back();
        return;
    case SearchStep::enter:
        path.pop_back();
        return;
    case SearchStep::back_up:
        // A step backs up from the call whose item it names.
        path.push_back(step_item(event));
        return;
    case SearchStep::turned_down:
    case SearchStep::dead_end:
        return;
    }
}

// Brings the state to what it is just after the step, applying the events that follow or
// undoing those down to it.
void rebuild(std::size_t step)
{
    while (applied < step + 1) apply(step_record.at(applied++));
    while (applied > step + 1) undo(step_record.at(--applied));
}

// A page's top on a white page: its header, with the configurations found by then, and on a
// step's page the legend beside it.
void draw_top(long long found_by_then, bool with_legend)
{
    constexpr SDL_Color black = {0, 0, 0, 0};
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 255, 255, 255));
    char header[96];
    view.header(header, sizeof header, found_by_then);
    blit_text(step_font, header, black, view.header_place);
    if (!with_legend) return;
    const StepLegend& legend = view.legend;
    for (const StepLegendItem& item : legend.items) {
        if (item.words == nullptr) continue;
        item.sample(item.left, legend.sample_top);
        const SDL_Rect place = {
            static_cast<Sint16>(item.left + legend.sample_width + legend.text_gap),
            static_cast<Sint16>(legend.text_top), 0, 0};
        blit_text(step_label_font, item.words, black, place);
    }
}

// The page shown: a step of the record, or, once the search is over, record.end() for the
// end page.
std::size_t shown;
bool search_over;
// Whether the steps that come by themselves are paused.
bool paused;
// The digit key last pressed, which chose a pace (raster/step_paces.h).
int pace_chosen = 0;
// Whether the page shows the search tree explored so far in place of the view's picture.
bool tree_shown;
// Set by n when no step kept finds a configuration: the search runs on without showing its
// steps until one does, or until it is over.
bool seeking;

enum class Move {
    none,
    forward,
    play,
    back,
    first,
    newest,
    next_found,
    previous_found,
    switch_view,
    pace,
    quit,
    other
};

Move move_of(const SDL_Event& event)
{
    if (event.type == SDL_QUIT) return Move::quit;
    if (event.type != SDL_KEYDOWN) return Move::none;
    switch (event.key.keysym.sym) {
    case SDLK_ESCAPE:
    case SDLK_q:
        return Move::quit;
    case SDLK_RIGHT:
        return Move::forward;
    case SDLK_SPACE:
        return Move::play;
    case SDLK_LEFT:
    case SDLK_BACKSPACE:
        return Move::back;
    case SDLK_HOME:
        return Move::first;
    case SDLK_END:
        return Move::newest;
    case SDLK_n:
        return Move::next_found;
    case SDLK_p:
        return Move::previous_found;
    case SDLK_t:
        return Move::switch_view;
    default:
        if (event.key.keysym.sym >= SDLK_0 && event.key.keysym.sym <= SDLK_9) {
            pace_chosen = event.key.keysym.sym - SDLK_0;
            return Move::pace;
        }
        return Move::other;
    }
}

bool moves_back(Move move)
{
    return move == Move::back || move == Move::first || move == Move::previous_found;
}

constexpr Uint32 poll_interval_ms = 10;  // how soon a key is noticed between timed steps

// Waits for the user's next move. While the steps play, a forward move comes by itself when
// the delay is over. When pages go to files, writes the page instead and moves forward.
Move wait_for_move(bool playing)
{
    if (pages_go_to_files()) {
        save_page();
        return Move::forward;
    }
    const Uint32 due = SDL_GetTicks() + static_cast<Uint32>(playing ? step_delay_ms : 0);
    SDL_Event event;
    for (;;) {
        if (!playing) {
            // A failing wait would fail again at once: end the run rather than spin.
            if (SDL_WaitEvent(&event) == 0) return Move::quit;
        } else if (!SDL_PollEvent(&event)) {
            const Uint32 now = SDL_GetTicks();
            if (static_cast<Sint32>(due - now) <= 0) return Move::forward;
            SDL_Delay(static_cast<Sint32>(due - now) < static_cast<Sint32>(poll_interval_ms)
                          ? due - now
                          : poll_interval_ms);
            continue;
        }
        const Move move = move_of(event);
        if (move != Move::none) return move;
    }
}

// The number the status line and the marker give a step of the record: the first step of
// the search is step 1, after the view's step 0 where it has one.
long long step_number(std::size_t step)
{
    return static_cast<long long>(step) + (view.step_zero ? 0 : 1);
}

constexpr SDL_Color marker_grey = {96, 96, 96, 0};

// The marker of a step seen again: where it stands among the steps, and whether older ones
// were dropped before it.
void show_marker(std::size_t step)
{
    const bool newest = step + 1 == step_record.end();
    if (newest && !search_over) return;
    char line[120];
    const bool oldest_of_some = step == step_record.first_kept() && step > 0;
    std::snprintf(line, sizeof line, "step %lld of %lld%s", step_number(step), last_step_number(),
                  oldest_of_some ? ": the oldest step kept, older ones were dropped" : "");
    blit_text(step_small_font, line, marker_grey, step_marker_place);
}

// The tree view of a step, over the middle of the page that the view drew: the tree as the
// steps up to it had explored it. Past the most nodes a picture takes the tree stopped
// growing; a step after that shows it as it stood then.
void draw_tree_of(std::size_t step)
{
    if (step < steps_in_step_tree()) {
        draw_tree_view(step_tree, step_tree_count(step), step_tree_current(step), step_tree_font);
        return;
    }
    draw_tree_view(step_tree, step_tree.size(), -1, step_tree_font);
    char line[120];
    std::snprintf(line, sizeof line, "the tree as it stood at step %zu, where it passed %d nodes",
                  steps_in_step_tree(), max_tree_nodes);
    blit_text(step_small_font, line, marker_grey, tree_note_place);
}

void show_step(std::size_t step)
{
    shown = step;
    rebuild(step);
    StepFacts facts;
    draw_top(found, true);
    view.draw(step, facts);
    if (tree_shown) draw_tree_of(step);
    show_step_status(step_number(step), facts.depth, facts.words);
    show_marker(step);
    SDL_Flip(screen);
    show_step_beside(step, status_line);
    if (step_shown_action != nullptr) step_shown_action(step, step_record.at(step));
}

// The end page; with told_over, a move forward asked for a step past it, and the marker says
// that there is none.
void show_end(bool told_over = false)
{
    shown = step_record.end();
    if (!step_record.empty()) rebuild(step_record.end() - 1);
    // What stands beside the page names it even where the view writes no status line.
    std::snprintf(status_line, sizeof status_line, "the search is over");
    draw_top(found, false);
    view.draw_end();
    if (tree_shown) draw_tree_view(step_tree, step_tree.size(), -1, step_tree_font);
    if (told_over) {
        blit_text(step_small_font, "the search is over: no step comes after this page", marker_grey,
                  step_marker_place);
    }
    SDL_Flip(screen);
    show_step_beside(step_record.end(), status_line);
}

// Shows a step kept, or the end page after the last one.
void show_page(std::size_t page)
{
    if (page == step_record.end()) {
        show_end();
    } else {
        show_step(page);
    }
}

// The nearest step after (or before) the one shown that finds a configuration, or none.
bool find_found(bool forward, std::size_t& found)
{
    std::size_t k = shown;
    while (forward ? k + 1 < step_record.end() : k > step_record.first_kept()) {
        k = forward ? k + 1 : k - 1;
        if (step_kind(step_record.at(k)) == SearchStep::found) {
            found = k;
            return true;
        }
    }
    return false;
}

// Goes a page forward. Returns true when the page wanted is the search's next step, or the
// end of the run after the end page.
bool go_forward()
{
    if (shown == step_record.end()) return true;
    if (shown + 1 == step_record.end() && !search_over) return true;
    show_page(shown + 1);
    return false;
}

// Lets the user move about the pages kept. Returns when they move on from the newest step
// (the search takes its next one), or from the end page (the run ends).
void browse()
{
    for (;;) {
        const bool at_end = search_over && shown == step_record.end();
        const Move move = wait_for_move(step_delay_ms >= 0 && !paused && !at_end);
        if (move == Move::quit) throw RunEnd{0};
        if (at_end) {
            // The last page: the space bar and any other key end the run, the moves forward
            // have nowhere to go, and the rest keep their meaning. Written to a file, it
            // ends the run.
            if (move == Move::play || move == Move::other || pages_go_to_files()) return;
            if (move == Move::forward || move == Move::newest || move == Move::next_found) {
                show_end(true);
                continue;
            }
        }
        if (moves_back(move)) paused = true;
        std::size_t found = 0;
        switch (move) {
        case Move::play:
            // Without a delay the space bar takes a step; with one it pauses and resumes, and
            // resuming takes the step at once.
            if (step_delay_ms >= 0) {
                paused = !paused;
                if (paused) break;
            }
            if (go_forward()) return;
            break;
        case Move::forward:
            if (go_forward()) return;
            break;
        case Move::back:
            if (shown > step_record.first_kept() && !step_record.empty()) show_page(shown - 1);
            break;
        case Move::first:
            if (!step_record.empty()) show_page(step_record.first_kept());
            break;
        case Move::newest:
            if (search_over) {
                show_end();
            } else {
                show_page(step_record.end() - 1);
            }
            break;
        case Move::next_found:
            if (find_found(true, found)) {
                show_page(found);
            } else if (search_over) {
                show_end();
            } else {
                // The state leaves the step shown for the newest, before a new step can push
                // the one shown out of the record.
                rebuild(step_record.end() - 1);
                seeking = true;
                return;
            }
            break;
        case Move::previous_found:
            if (find_found(false, found)) show_page(found);
            break;
        case Move::switch_view:
            tree_shown = !tree_shown;
            show_page(shown);
            break;
        case Move::pace:
            // A pace of its own plays the steps from the one shown; 0 goes back to a step
            // per key press.
            step_delay_ms = digit_paces_ms[pace_chosen];
            paused = false;
            break;
        case Move::none:
        case Move::quit:
        case Move::other:
            break;
        }
    }
}

}  // namespace

const std::vector<std::uint32_t>& step_path() { return path; }
long long steps_found() { return found; }

namespace {

void write_status(char* line, std::size_t size, long long step, std::size_t depth,
                  const char* words)
{
    std::snprintf(line, size, "step %lld   depth %zu   %s", step, depth, words);
}

}  // namespace

void show_step_status(long long step, std::size_t depth, const char* words)
{
    constexpr SDL_Color black = {0, 0, 0, 0};
    write_status(status_line, sizeof status_line, step, depth, words);
    blit_text(step_font, status_line, black, step_status_place);
}

long long last_step_number() { return step_number(step_record.end()) - 1; }

const char* step_status_line() { return status_line; }

bool status_line_fits(TTF_Font* font, long long step, std::size_t depth, const char* words)
{
    char line[sizeof status_line];
    write_status(line, sizeof line, step, depth, words);
    int width = 0, height = 0;
    return TTF_SizeUTF8(font, line, &width, &height) == 0 &&
           step_status_place.x + width <= screen_width;
}

void start_steps(const StepFonts& fonts, int delay_ms, const StepView& step_view, bool tree_first)
{
    tree_shown = tree_first;
    start_step_tree();
    step_font = fonts.text;
    step_label_font = fonts.label;
    step_small_font = fonts.small;
    step_tree_font = fonts.tree;
    step_delay_ms = delay_ms;
    view = step_view;
    if (view.start != nullptr) view.start();
    step_record.clear();
    path.clear();
    found = 0;
    applied = 0;
    shown = 0;
    search_over = false;
    paused = false;
    seeking = false;
}

void take_step(StepEvent event, const TraceNode* node)
{
    step_record.add(event);
    add_step_to_tree(node);
    // The state follows the search also while n runs it unseen, so that it never stands on a
    // step that a new one pushes out of the record.
    rebuild(step_record.end() - 1);
    if (seeking) {
        if (step_kind(event) != SearchStep::found) return;
        seeking = false;
    }
    show_step(step_record.end() - 1);
    browse();
}

void take_step_zero()
{
    if (view.step_zero) take_step(start_event(), nullptr);
}

void finish_steps()
{
    search_over = true;
    seeking = false;
    show_end();
    browse();
}
