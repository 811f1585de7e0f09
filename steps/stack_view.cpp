// The call stack of a step drawn on the page.
#include "steps/stack_view.h"

#include "raster/raster.h"
#include "raster/window.h"

void draw_stack_view(const std::vector<StackFrame>& frames, const CallWords& words, TTF_Font* font,
                     TTF_Font* narrow_font)
{
    constexpr SDL_Color black = {0, 0, 0, 0};
    constexpr SDL_Color grey = {96, 96, 96, 0};
    SDL_Rect area = {0, stack_view_top, screen_width, stack_view_bottom - stack_view_top};
    SDL_FillRect(screen, &area, SDL_MapRGB(screen->format, 255, 255, 255));
    const std::vector<std::string> lines = stack_lines(frames, words, stack_view_rows);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const SDL_Rect place = {static_cast<Sint16>(stack_view_left),
                                static_cast<Sint16>(stack_view_top + 4 + k * stack_line_height), 0,
                                0};
        // The line that says how many calls are left out is grey.
        const bool gap = lines[k].rfind("...", 0) == 0;
        int width = 0, height = 0;
        const bool fits =
            font == nullptr || (TTF_SizeUTF8(font, lines[k].c_str(), &width, &height) == 0 &&
                                stack_view_left + width <= screen_width - stack_view_left);
        blit_text(fits ? font : narrow_font, lines[k].c_str(), gap ? grey : black, place);
    }
}
