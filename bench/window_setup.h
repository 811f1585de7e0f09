// The screen the drawing benchmarks draw on: SDL's dummy video driver, 800x600x32.
#ifndef BENCH_WINDOW_SETUP_H
#define BENCH_WINDOW_SETUP_H

#include <SDL.h>
#include <cstdlib>

#include "raster/raster.h"

SDL_Surface* screen;

// Opens the screen before the benchmarks run; returns false when it cannot.
inline bool open_bench_screen()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    screen = SDL_SetVideoMode(800, 600, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    return screen != nullptr;
}

// A main that opens the screen first and maps the program's colours with map_colours.
#define BENCH_MAIN_WITH_SCREEN(map_colours)                                                        \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (!open_bench_screen()) return 1;                                                        \
        map_colours(screen->format);                                                               \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        SDL_Quit();                                                                                \
        return 0;                                                                                  \
    }

#endif
