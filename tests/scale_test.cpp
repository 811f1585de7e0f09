// The pictures drawn at a scale: the pages that --save writes with --scale 2 hold the shapes of
// the 800x600 pages at twice the size, and texts drawn anew at twice their size where the
// 800x600 page has them; --scale 1 writes the 800x600 pages, byte for byte.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "process.h"
#include "temp_folder.h"

namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char* at(int x, int y) const { return &rgb[3 * (std::size_t(y) * width + x)]; }
};

Image read_png(const std::string& path)
{
    Image image;
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return image;
    png.format = PNG_FORMAT_RGB;
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) == 0) return image;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    return image;
}

// The files of the pages that "PROGRAM --save FOLDER ARGUMENTS" writes, run in the folder
// from: beside the font, or where there is none, and the program draws no texts.
std::vector<std::string> save_pages(const std::string& program, const std::string& from,
                                    const std::string& folder, const std::string& arguments)
{
    const ProcessResult run = run_process("cd " + from + " && env -u DISPLAY ./" + program +
                                          " --no-progress --save " + folder + " " + arguments);
    EXPECT_EQ(run.exit_status, 0) << program << " " << arguments << ": " << run.err;
    std::vector<std::string> pages;
    for (int n = 1;; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, "/page-%03d.png", n);
        if (read_file(folder + name).empty()) return pages;
        pages.push_back(folder + name);
    }
}

// The mean difference, a channel, between the page at scale 1 and the page at scale 2 halved,
// each 2x2 square of it taken as its mean.
double halving_difference(const Image& one, const Image& two)
{
    double sum = 0;
    for (int y = 0; y < one.height; ++y)
        for (int x = 0; x < one.width; ++x)
            for (int c = 0; c < 3; ++c) {
                const int square = two.at(2 * x, 2 * y)[c] + two.at(2 * x + 1, 2 * y)[c] +
                                   two.at(2 * x, 2 * y + 1)[c] + two.at(2 * x + 1, 2 * y + 1)[c];
                sum += std::abs(square / 4.0 - one.at(x, y)[c]);
            }
    return sum / (3.0 * one.width * one.height);
}

// The box (x0, y0, x1, y1) of the pixels where the pages differ: the texts, between a page
// with them and the same page without.
std::vector<int> box_of_difference(const Image& a, const Image& b)
{
    std::vector<int> box = {a.width, a.height, -1, -1};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (std::memcmp(a.at(x, y), b.at(x, y), 3) != 0)
                box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x),
                       std::max(box[3], y)};
    return box;
}

class ScaledPages : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(ScaledPages, AreThePagesDrawnAnewAtTwiceTheSize)
{
    const auto& [program, arguments] = GetParam();
    const TempFolder scratch;
    ASSERT_TRUE(copy_into(BIN_DIR "/" + std::string(program), scratch.path(), program));
    const std::string bin = BIN_DIR, bare = scratch.path(), to = scratch.path() + "/";
    const auto plain = save_pages(program, bin, to + "plain", arguments);
    const auto one = save_pages(program, bin, to + "one", arguments + std::string(" --scale 1"));
    const auto two = save_pages(program, bin, to + "two", arguments + std::string(" --scale 2"));
    const auto bare_one = save_pages(program, bare, to + "bare-one", arguments);
    const auto bare_two =
        save_pages(program, bare, to + "bare-two", arguments + std::string(" --scale=2"));
    ASSERT_GT(plain.size(), 1u);
    ASSERT_EQ(one.size(), plain.size());
    ASSERT_EQ(two.size(), plain.size());
    ASSERT_EQ(bare_one.size(), plain.size());
    ASSERT_EQ(bare_two.size(), plain.size());
    for (std::size_t n = 0; n < plain.size(); ++n) {
        SCOPED_TRACE(two[n]);
        EXPECT_EQ(read_file(one[n]), read_file(plain[n]));
        const Image text_one = read_png(plain[n]), text_two = read_png(two[n]);
        ASSERT_EQ(text_two.width, 1600);
        ASSERT_EQ(text_two.height, 1200);
        // The shapes, without the texts: the pages of a run where there is no font.
        EXPECT_LE(halving_difference(read_png(bare_one[n]), read_png(bare_two[n])), 4.0);
        // The texts stand where they stand on the 800x600 page, twice as far from its corner;
        // a line of text at twice the size is up to a fiftieth shorter than twice the line.
        const auto box_one = box_of_difference(text_one, read_png(bare_one[n]));
        const auto box_two = box_of_difference(text_two, read_png(bare_two[n]));
        if (box_one[2] < 0) continue;
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(box_two[k], 2 * box_one[k], 4 + box_one[k] / 25);
        // Not the 800x600 page enlarged: the texts are drawn anew at twice their size.
        int anew = 0;
        for (int y = 0; y < 1200; ++y)
            for (int x = 0; x < 1600; ++x)
                anew += std::memcmp(text_two.at(x, y), text_one.at(x / 2, y / 2), 3) != 0;
        EXPECT_GT(anew, 100);
    }
}

INSTANTIATE_TEST_SUITE_P(WindowPrograms, ScaledPages,
                         ::testing::Values(std::pair{"jugview", ""}, std::pair{"tileview", ""},
                                           std::pair{"jugview",
                                                     "--steps --jugs 3,2,1 --goal '1,*,*'"},
                                           std::pair{"tileview", "--steps --board 2x2"}));

}  // namespace
