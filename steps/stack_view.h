// The call stack of a step drawn on the page, in place of the view's picture: the stack view
// of step mode (--view stack, the key s), a line a call, the newest at the top.
#ifndef STEPS_STACK_VIEW_H
#define STEPS_STACK_VIEW_H

#include <SDL_ttf.h>

#include <cstddef>
#include <string>
#include <vector>

#include "steps/step_stack.h"

// Where the stack stands: below a header line, above the status line, as the tree view.
constexpr int stack_view_top = 40;
constexpr int stack_view_bottom = 550;
constexpr int stack_view_left = 20;
// The rows a line takes, in the label font; as many lines as fit the view's height.
constexpr int stack_line_height = 24;
constexpr std::size_t stack_view_rows =
    static_cast<std::size_t>((stack_view_bottom - stack_view_top) / stack_line_height);

// Clears the view's part of the page and writes the lines there, a line every
// stack_line_height rows from first_top below its top: the first in first_font, the others in
// font, a line too wide for the page in narrow_font, and a line that starts with "..." grey.
void draw_view_lines(const std::vector<std::string>& lines, int first_top, TTF_Font* first_font,
                     TTF_Font* font, TTF_Font* narrow_font);

// Clears the view's part of the page and writes the frames there in font (a line too wide
// for it in narrow_font), the newest call first; where they do not fit, the first call and
// the newest stay and a line says how many are left out between them.
void draw_stack_view(const std::vector<StackFrame>& frames, const CallWords& words, TTF_Font* font,
                     TTF_Font* narrow_font);

#endif
