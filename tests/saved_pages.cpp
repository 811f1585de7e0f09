// Runs of a window program with --save, without a display, and the page files read back.
#include "saved_pages.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <cstring>
#include <sstream>

#include "process.h"

bool read_png_rgb(const std::string& path, unsigned width, unsigned height,
                  std::vector<unsigned char>& rgb)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return false;
    if (image.format != PNG_FORMAT_RGB || image.width != width || image.height != height) {
        png_image_free(&image);
        return false;
    }
    rgb.resize(PNG_IMAGE_SIZE(image));
    return png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
}

namespace {

// The file as a page of 0xRRGGBB words; false for anything but an 800x600 8-bit RGB PNG, or
// one cut short.
bool read_png_page(const std::string& path, Page& page)
{
    std::vector<unsigned char> rgb;
    if (!read_png_rgb(path, 800, 600, rgb)) return false;
    page.resize(rgb.size() / 3);
    for (size_t i = 0; i < page.size(); ++i) {
        page[i] = static_cast<Uint32>(rgb[3 * i]) << 16 | static_cast<Uint32>(rgb[3 * i + 1]) << 8 |
                  rgb[3 * i + 2];
    }
    return true;
}

}  // namespace

SaveRun run_save(const std::string& scratch, const std::string& prepare, const std::string& program,
                 const std::string& folder, const std::string& arguments, bool private_mounts,
                 const std::string& from)
{
    const std::string f = scratch + "/" + folder, out = scratch + "/out", err = scratch + "/err";
    const std::string script =
        "cd " + scratch + " && " + prepare + " && (cd " + (from.empty() ? BIN_DIR : from) +
        " && exec env -u DISPLAY -u SDL_VIDEODRIVER ./" + program + " --save " + f + " " +
        arguments + " >" + out + " 2>" + err + "); echo $?; ls -A " + f + "/ 2>/dev/null; true";
    // The script as one word in single quotes; a quote of its own ends the quoting, stands
    // escaped and starts it again.
    std::string quoted = "'";
    for (const char c : script) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    std::istringstream report(
        run_process((private_mounts ? "unshare -m sh -c " : "sh -c ") + quoted + "'").out);
    SaveRun run;
    report >> run.status;
    for (std::string name; report >> name;) run.names.push_back(name);
    run.out = read_file(out);
    run.err = read_file(err);
    return run;
}

void expect_saved_pages(const std::string& scratch, const std::string& program,
                        const std::vector<std::string>& arguments,
                        const std::vector<Page>& window_pages)
{
    std::string quoted;
    for (const std::string& a : arguments) quoted += " \"" + a + "\"";
    const std::string what = program + quoted;
    const SaveRun run = run_save(scratch, "true", program, "pages", quoted);
    EXPECT_EQ(run.status, 0) << what << "\n" << run.err;
    EXPECT_EQ(run.out + run.err, "") << what;
    std::vector<std::string> names;
    for (size_t n = 1; n <= window_pages.size(); ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "page-%03zu.png", n);
        names.push_back(name);
    }
    EXPECT_EQ(run.names, names) << what;
    for (size_t n = 0; n < window_pages.size(); ++n) {
        Page page;
        EXPECT_TRUE(read_png_page(scratch + "/pages/" + names[n], page)) << what << " " << names[n];
        EXPECT_TRUE(page == window_pages[n]) << what << ": " << names[n] << " differs";
    }
}
