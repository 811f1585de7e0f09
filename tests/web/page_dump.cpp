// Runs a window program in-process on the dummy video driver, every wait answered with a
// key, and writes the page shown at each wait as a PPM picture: the desktop's pages, which
// the web tests hold the browser's against.
// Usage: PROGRAM_pages FONT_FOLDER OUTPUT_PREFIX [PROGRAM ARGUMENTS...]
//        writes OUTPUT_PREFIX-1.ppm, OUTPUT_PREFIX-2.ppm, ... and exits with the program's status.
//        With PAGES=N in the environment, the Nth wait is answered with Escape, which ends a
//        run in step mode there: its first N pages. With KEYS=LETTERS the waits are answered
//        with the keys of step mode, one letter each (r the right arrow, l the left arrow, b
//        Backspace, h Home, e End, n, p, s the space bar), and the wait after them with
//        Escape: the pages of a walk about the steps.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "raster/raster.h"
#include "scripted_events.h"

int PROGRAM_MAIN(int argc, char** argv);

static bool write_ppm(const std::string& path, const std::vector<Uint32>& page)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", screen->w, screen->h);
    std::vector<Uint8> row(static_cast<size_t>(screen->w) * 3);
    for (int y = 0; y < screen->h; ++y) {
        for (int x = 0; x < screen->w; ++x) {
            Uint8* rgb = &row[static_cast<size_t>(x) * 3];
            SDL_GetRGB(page[static_cast<size_t>(y) * screen->w + x], screen->format, rgb, rgb + 1,
                       rgb + 2);
        }
        std::fwrite(row.data(), 1, row.size(), f);
    }
    return std::fclose(f) == 0;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FONT_FOLDER OUTPUT_PREFIX [PROGRAM ARGUMENTS...]\n",
                     argv[0]);
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    const std::vector<std::string> args(argv + 3, argv + argc);
    if (const char* pages = std::getenv("PAGES")) {
        const size_t n = std::strtoul(pages, nullptr, 10);
        script.answers.assign(n, WaitAnswer::key);
        if (n > 0) script.answers[n - 1] = WaitAnswer::escape;
    }
    if (const char* keys = std::getenv("KEYS")) {
        const std::string letters = "rlbhenps";
        const WaitAnswer answers[] = {WaitAnswer::right, WaitAnswer::left, WaitAnswer::backspace,
                                      WaitAnswer::home,  WaitAnswer::end,  WaitAnswer::n,
                                      WaitAnswer::p,     WaitAnswer::key};
        for (const char* k = keys; *k != '\0'; ++k) {
            const size_t which = letters.find(*k);
            if (which == std::string::npos) {
                std::fprintf(stderr, "%s: no key '%c' in KEYS (%s)\n", argv[0], *k,
                             letters.c_str());
                return 2;
            }
            script.answers.push_back(answers[which]);
        }
        script.answers.push_back(WaitAnswer::escape);
    }
    const int status = run_entry_in(argv[1], PROGRAM_MAIN, args);
    for (size_t n = 0; n < script.pages.size(); ++n) {
        const std::string path = std::string(argv[2]) + "-" + std::to_string(n + 1) + ".ppm";
        if (!write_ppm(path, script.pages[n])) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path.c_str());
            return 1;
        }
    }
    return status;
}
