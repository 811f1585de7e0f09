// Runs of a window program with --save, without a display, and the page files read back.
#include "saved_pages.h"

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "process.h"

namespace {

constexpr int page_width = 800;
constexpr int page_height = 600;

// The file as a page of 0xRRGGBB words; false, with the reason, for anything but an 800x600
// 8-bit RGB PNG (the file's own format, before any conversion), or one cut short.
bool read_png_page(const std::string& path, Page& page, std::string& problem)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        problem = image.message;
        return false;
    }
    if (image.format != PNG_FORMAT_RGB || image.width != page_width ||
        image.height != page_height) {
        problem = "not an 800x600 8-bit RGB picture";
        png_image_free(&image);
        return false;
    }
    std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
        problem = image.message;
        return false;
    }
    page.resize(rgb.size() / 3);
    for (size_t i = 0; i < page.size(); ++i) {
        page[i] = static_cast<Uint32>(rgb[3 * i]) << 16 | static_cast<Uint32>(rgb[3 * i + 1]) << 8 |
                  rgb[3 * i + 2];
    }
    return true;
}

// Where two pages first differ, for the failure message.
std::string first_difference(const Page& got, const Page& want)
{
    const long index = std::mismatch(got.begin(), got.end(), want.begin()).first - got.begin();
    char text[96];
    std::snprintf(text, sizeof text, "(%ld, %ld): 0x%06X, the window 0x%06X", index % page_width,
                  index / page_width, got[index], want[index]);
    return text;
}

}  // namespace

std::vector<std::string> names_in(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

void expect_saved_pages(const std::string& program, const std::string& folder,
                        const std::vector<std::string>& arguments,
                        const std::vector<Page>& window_pages)
{
    std::string command = "cd " BIN_DIR " && exec env -u DISPLAY -u SDL_VIDEODRIVER ./" + program +
                          " --save '" + folder + "'";
    for (const std::string& a : arguments) command += " '" + a + "'";
    const ProcessResult run = run_process(command);
    EXPECT_EQ(run.exit_status, 0) << command << "\n" << run.err;
    EXPECT_EQ(run.out + run.err, "") << command;
    std::vector<std::string> names;
    for (size_t n = 1; n <= window_pages.size(); ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "page-%03zu.png", n);
        names.push_back(name);
    }
    EXPECT_EQ(names_in(folder), names) << command;
    for (size_t n = 0; n < window_pages.size(); ++n) {
        Page page;
        std::string problem;
        if (!read_png_page(folder + "/" + names[n], page, problem)) {
            ADD_FAILURE() << command << ": " << names[n] << ": " << problem;
        } else {
            EXPECT_TRUE(page == window_pages[n]) << command << ": " << names[n] << " differs at "
                                                 << first_difference(page, window_pages[n]);
        }
    }
}
