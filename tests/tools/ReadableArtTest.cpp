// Generated pictures that a player must read at a glance: the sewer bands
// leave a returning craft room, the score digits are wide enough to read as
// one number, and no picture has a pinhole punched into a solid shape.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "player/Player.h"
#include "support/GeneratedRunFolder.h"
#include "support/RgbImage.h"

namespace {

RgbImage picture(const std::string& relativePath) {
    RgbImage image;
    image.readPicture(GeneratedRunFolder::path() + "/data/" + relativePath);
    return image;
}

bool solidAt(const RgbImage& image, int x, int y) {
    const RgbImage::Rgb c = image.at(x, y);
    return !(c.r == 255 && c.g == 0 && c.b == 0);
}

// A craft held at either end of its course 3 respawn range must be clear of
// both bands (the band rule uses the top band's height for both edges).
TEST(ReadableArtTest, SewerBandsLeaveTheRespawnRangeClear) {
    for (const char* band : {"L3/1002.obx", "L3/1003.obx"}) {
        const RgbImage image = picture(band);
        ASSERT_FALSE(image.empty()) << band;
        EXPECT_LE(image.height(), Player::kRespawnTop) << band;
        EXPECT_GE(600 - image.height(), Player::kRespawnBottom) << band;
    }
}

// From the leftmost to the rightmost column with ink.
int inkWidth(const RgbImage& image) {
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (solidAt(image, x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return last - first + 1;
}

TEST(ReadableArtTest, ScoreDigitsAreWideEnoughToReadAsOneNumber) {
    for (int digit = 0; digit < 10; ++digit) {
        const RgbImage image = picture("M/m0" + std::to_string(39 + digit) + ".obx");
        ASSERT_FALSE(image.empty()) << digit;
        EXPECT_GE(inkWidth(image), digit == 1 ? 10 : 15) << "digit " << digit;
    }
}

// A clear pixel with solid pixels on all four sides.
TEST(ReadableArtTest, NoPictureHasAPinholeInsideASolidShape) {
    namespace fs = std::filesystem;
    int pictures = 0;
    std::string holes;
    for (const auto& entry :
         fs::recursive_directory_iterator(GeneratedRunFolder::path() + "/data")) {
        if (entry.path().extension() != ".obx") {
            continue;
        }
        RgbImage image;
        if (!image.readPicture(entry.path().string())) {
            continue;  // the highscore table
        }
        ++pictures;
        for (int y = 1; y + 1 < image.height(); ++y) {
            for (int x = 1; x + 1 < image.width(); ++x) {
                if (!solidAt(image, x, y) && solidAt(image, x - 1, y) && solidAt(image, x + 1, y) &&
                    solidAt(image, x, y - 1) && solidAt(image, x, y + 1)) {
                    holes += " " + entry.path().filename().string() + " (" + std::to_string(x) +
                             ", " + std::to_string(y) + ")";
                }
            }
        }
    }
    EXPECT_GT(pictures, 200);
    EXPECT_EQ("", holes);
}

}  // namespace
