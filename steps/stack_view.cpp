// The call stack of a step drawn on the page.
#include "steps/stack_view.h"

#include "raster/raster.h"
#include "raster/window.h"

void draw_view_lines(const std::vector<std::string>& lines, int first_top, TTF_Font* first_font,
                     TTF_Font* font, TTF_Font* narrow_font)
{
    constexpr SDL_Color black = {0, 0, 0, 0};
    constexpr SDL_Color grey = {96, 96, 96, 0};
    fill_rect({0, stack_view_top, screen_width, stack_view_bottom - stack_view_top},
              SDL_MapRGB(screen->format, 255, 255, 255));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const SDL_Rect place = {static_cast<Sint16>(stack_view_left),
                                static_cast<Sint16>(stack_view_top + first_top +
                                                    static_cast<int>(k) * stack_line_height),
                                0, 0};
        // The line that says how many calls are left out is grey.
        const bool gap = lines[k].rfind("...", 0) == 0;
        TTF_Font* line_font = k == 0 ? first_font : font;
        int width = 0, height = 0;
        const bool fits = line_font == nullptr ||
                          (TTF_SizeUTF8(line_font, lines[k].c_str(), &width, &height) == 0 &&
                           stack_view_left + width <= screen_width - stack_view_left);
        blit_text(fits ? line_font : narrow_font, lines[k].c_str(), gap ? grey : black, place);
    }
}

void draw_stack_view(const std::vector<StackFrame>& frames, const CallWords& words, TTF_Font* font,
                     TTF_Font* narrow_font)
{
    constexpr int first_top = 4;
    draw_view_lines(stack_lines(frames, words, stack_view_rows), first_top, font, font,
                    narrow_font);
}
