// tileview: every domino tiling of the 6x4 board, 49 diagrams a page, and the closed-form count.
#include <SDL.h>
#include <SDL_ttf.h>
#include <cstdio>

#include "raster/raster.h"
#include "raster/window.h"
#include "tileview/tiling.h"
#include "tileview/tiling_picture.h"

SDL_Surface* screen;

static TTF_Font* font;
static char text_buffer[200];
static const SDL_Color text_colour = {0, 0, 0, 0};  // black
static const SDL_Rect header_place = {10, 10, 0, 0};
static const SDL_Rect summary_place = {30, 550, 0, 0};

int main(int, char**)
{
    screen = open_window("tileview");
    if (screen == nullptr) {
        return 1;
    }
    white_pixel = SDL_MapRGB(screen->format, 255, 255, 255);
    blue_pixel = SDL_MapRGB(screen->format, 0, 0, 250);
    red_pixel = SDL_MapRGB(screen->format, 255, 0, 0);
    SDL_FillRect(screen, nullptr, white_pixel);
    font = open_text_font("tileview");

    std::snprintf(text_buffer, sizeof text_buffer, "M*N =  %d*%d", board_columns, board_rows);
    blit_text(font, text_buffer, text_colour, header_place);

    // Cell 0 is covered either by a horizontal or by a vertical domino.
    tiling_count = 0;
    tile_search(domino_code(0, 1), 1);
    tile_search(domino_code(0, board_columns), 1);

    std::snprintf(text_buffer, sizeof text_buffer,
                  "Number of tilings (theoretic and experimental)=  %3.0lf   %d",
                  closed_form_tiling_count(), tiling_count);
    blit_text(font, text_buffer, text_colour, summary_place);

    SDL_Flip(screen);
    wait_key_or_quit();

    close_text_font(font);
    return 0;
}
