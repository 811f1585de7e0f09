// The pictures drawn at a scale: the pages that --save writes with --scale 2 hold the shapes of
// the 800x600 pages at twice the size, and texts drawn anew at twice their size where the
// 800x600 page has them; --scale 1 writes the 800x600 pages, byte for byte.
#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "process.h"
#include "temp_folder.h"

namespace {

struct Image {
    png_image png{};
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const
    {
        return &rgb[3 * (static_cast<std::size_t>(y) * png.width + x)];
    }
};

Image read_png(const std::string& path)
{
    Image image;
    image.png.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_file(&image.png, path.c_str());
    image.png.format = PNG_FORMAT_RGB;
    image.rgb.resize(PNG_IMAGE_SIZE(image.png));
    png_image_finish_read(&image.png, nullptr, image.rgb.data(), 0, nullptr);
    return image;
}

// The page files that "PROGRAM --save FOLDER ARGUMENTS" writes, run in the folder from: beside
// the font, or where there is none, and the program draws no texts.
std::vector<std::string> save_pages(const std::string& program, const std::string& from,
                                    const std::string& folder, const std::string& arguments)
{
    const ProcessResult run = run_process("cd " + from + " && env -u DISPLAY ./" + program +
                                          " --no-progress --save " + folder + " " + arguments);
    EXPECT_EQ(run.exit_status, 0) << program << " " << arguments << ": " << run.err;
    std::vector<std::string> pages;
    char name[32];
    while (std::snprintf(name, sizeof name, "/page-%03zu.png", pages.size() + 1) > 0 &&
           !read_file(folder + name).empty()) {
        pages.push_back(folder + name);
    }
    return pages;
}

// The mean difference, a channel, between the 800x600 page and the 1600x1200 page halved,
// each 2x2 square taken as its mean.
double halving_difference(const Image& small, const Image& large)
{
    double sum = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            for (int c = 0; c < 3; ++c)
                sum +=
                    std::abs((large.at(2 * x, 2 * y)[c] + large.at(2 * x + 1, 2 * y)[c] +
                              large.at(2 * x, 2 * y + 1)[c] + large.at(2 * x + 1, 2 * y + 1)[c]) /
                                 4.0 -
                             small.at(x, y)[c]);
    return sum / (3 * 800 * 600);
}

// The box (x0, y0, x1, y1) of the pixels where a page differs from the same page without
// texts: that of its texts.
std::array<int, 4> text_box(const Image& page, const Image& bare)
{
    std::array<int, 4> box = {INT_MAX, INT_MAX, -1, -1};
    for (int y = 0; y < static_cast<int>(page.png.height); ++y)
        for (int x = 0; x < static_cast<int>(page.png.width); ++x)
            if (std::memcmp(page.at(x, y), bare.at(x, y), 3) != 0)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                       std::max(box[3], y)};
    return box;
}

using ProgramRun = std::pair<std::string, std::string>;  // a program and its arguments
class ScaledPages : public ::testing::TestWithParam<ProgramRun> {};

TEST_P(ScaledPages, AreThe800x600PagesDrawnAnewAtTwiceTheSize)
{
    const auto& [program, arguments] = GetParam();
    const TempFolder scratch;
    ASSERT_TRUE(copy_into(BIN_DIR "/" + program, scratch.path(), program));
    const std::string bin = BIN_DIR, &bare = scratch.path(), to = scratch.path() + "/";
    const auto plain = save_pages(program, bin, to + "plain", arguments);
    const auto one = save_pages(program, bin, to + "one", arguments + " --scale 1");
    const auto two = save_pages(program, bin, to + "two", arguments + " --scale 2");
    const auto bare_one = save_pages(program, bare, to + "bare-one", arguments);
    const auto bare_two = save_pages(program, bare, to + "bare-two", arguments + " --scale=2");
    ASSERT_GT(plain.size(), 1u);
    for (const auto* pages : {&one, &two, &bare_one, &bare_two})
        ASSERT_EQ(pages->size(), plain.size());
    for (std::size_t n = 0; n < plain.size(); ++n) {
        SCOPED_TRACE(two[n]);
        EXPECT_EQ(read_file(one[n]), read_file(plain[n]));
        const Image small = read_png(plain[n]), large = read_png(two[n]);
        ASSERT_TRUE(large.png.width == 1600 && large.png.height == 1200);
        // The shapes: the pages of the runs without the font, which draw no texts.
        const Image small_bare = read_png(bare_one[n]), large_bare = read_png(bare_two[n]);
        EXPECT_LE(halving_difference(small_bare, large_bare), 4.0);
        // The texts stand twice as far from the corner; a line of text at twice the size is
        // up to a fiftieth shorter than twice the line.
        const auto box = text_box(small, small_bare), large_box = text_box(large, large_bare);
        if (box[2] < 0) continue;  // a page without texts
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(large_box[k], 2 * box[k], 4 + box[k] / 25.0);
        // Not the small page enlarged: the texts are drawn anew at twice their size.
        int anew = 0;
        for (int y = 0; y < 1200; ++y)
            for (int x = 0; x < 1600; ++x)
                anew += std::memcmp(large.at(x, y), small.at(x / 2, y / 2), 3) != 0;
        EXPECT_GT(anew, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(WindowPrograms, ScaledPages,
                         ::testing::Values(ProgramRun{"jugview", ""}, ProgramRun{"tileview", ""},
                                           ProgramRun{"jugview",
                                                      "--steps --jugs 3,2,1 --goal '1,*,*'"},
                                           ProgramRun{"tileview", "--steps --board 2x2"}));

}  // namespace
