// The pictures drawn at a scale: the pages that --save writes with --scale 2 hold the shapes of
// the 800x600 pages at twice the size, and texts drawn anew at twice their size where the
// 800x600 page has them; --scale 1 writes the 800x600 pages, byte for byte.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "process.h"
#include "saved_pages.h"
#include "temp_folder.h"

namespace {

struct Image {
    unsigned width = 0, height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const
    {
        return &rgb[3 * (static_cast<std::size_t>(y) * width + x)];
    }
};

// The page file as an image; false for anything but a width x height RGB PNG.
bool read_png(const std::string& path, unsigned width, unsigned height, Image& image)
{
    image.width = width;
    image.height = height;
    return read_png_rgb(path, width, height, image.rgb);
}

// The page files that "PROGRAM --save SCRATCH/FOLDER ARGUMENTS" writes, run in the folder from:
// beside the font, or where there is none, and the program draws no texts.
std::vector<std::string> save_pages(const std::string& program, const std::string& from,
                                    const std::string& scratch, const std::string& folder,
                                    const std::string& arguments)
{
    const SaveRun run =
        run_save(scratch, "true", program, folder, "--no-progress " + arguments, false, from);
    EXPECT_EQ(run.status, 0) << program << " " << arguments << ": " << run.err;
    std::vector<std::string> pages;
    char name[32];
    while (std::snprintf(name, sizeof name, "/page-%03zu.png", pages.size() + 1) > 0 &&
           std::filesystem::exists(scratch + "/" + folder + name)) {
        pages.push_back(scratch + "/" + folder + name);
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
    for (int y = 0; y < static_cast<int>(page.height); ++y)
        for (int x = 0; x < static_cast<int>(page.width); ++x)
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
    const std::string bin = BIN_DIR, &bare = scratch.path(), &to = scratch.path();
    const auto plain = save_pages(program, bin, to, "plain", arguments);
    const auto one = save_pages(program, bin, to, "one", arguments + " --scale 1");
    const auto two = save_pages(program, bin, to, "two", arguments + " --scale 2");
    const auto bare_one = save_pages(program, bare, to, "bare-one", arguments);
    const auto bare_two = save_pages(program, bare, to, "bare-two", arguments + " --scale=2");
    ASSERT_GT(plain.size(), 1u);
    for (const auto* pages : {&one, &two, &bare_one, &bare_two})
        ASSERT_EQ(pages->size(), plain.size());
    for (std::size_t n = 0; n < plain.size(); ++n) {
        SCOPED_TRACE(two[n]);
        EXPECT_EQ(read_file(one[n]), read_file(plain[n]));
        Image small, large, small_bare, large_bare;
        ASSERT_TRUE(read_png(plain[n], 800, 600, small) && read_png(two[n], 1600, 1200, large));
        // The shapes: the pages of the runs without the font, which draw no texts.
        ASSERT_TRUE(read_png(bare_one[n], 800, 600, small_bare) &&
                    read_png(bare_two[n], 1600, 1200, large_bare));
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
