// Course 4's generated pictures as the course uses them: the bands and the
// tunnel join their own copies without a seam, and the tunnel's two tiles
// never part while the field scrolls.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "courses/course4/Level4.h"
#include "support/GeneratedRunFolder.h"
#include "support/HeadlessScreen.h"
#include "support/RgbImage.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

// The pictures are read straight from the run folder; reading leaves the
// files as they are.
RgbImage readCoursePicture(int number) {
    RgbImage picture;
    picture.readPicture(GeneratedRunFolder::path() + "/data/L4/" + std::to_string(number) + ".obx");
    return picture;
}

bool solidAt(const RgbImage& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) {
        return false;
    }
    const RgbImage::Rgb c = picture.at(x, y);
    return !(c.r == 255 && c.g == 0 && c.b == 0);
}

// ---- Tiles ------------------------------------------------------------------------

int colourDistance(const RgbImage::Rgb& a, const RgbImage::Rgb& b) {
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// Rows in which column x and the next one (the first, after the last)
// differ plainly: one clear and one solid, or far apart in colour.
int rowsChanging(const RgbImage& tile, int x) {
    const int next = (x + 1) % tile.width();
    int rows = 0;
    for (int y = 0; y < tile.height(); ++y) {
        const bool a = solidAt(tile, x, y), b = solidAt(tile, next, y);
        if (a != b || (a && colourDistance(tile.at(x, y), tile.at(next, y)) > 60)) {
            ++rows;
        }
    }
    return rows;
}

// Where a tile meets its next copy, and the columns on both sides of that,
// it changes no more from one column to the next than anywhere in its
// middle half: no outline at its ends, no step in its edge or its colours.
void expectSeamless(const RgbImage& tile, const char* name) {
    const int w = tile.width();
    int roughestMiddle = 0;
    for (int x = w / 4; x < 3 * w / 4; ++x) {
        const int rows = rowsChanging(tile, x);
        roughestMiddle = rows > roughestMiddle ? rows : roughestMiddle;
    }
    for (int x = w - 3; x < w + 2; ++x) {
        EXPECT_LE(rowsChanging(tile, x % w), roughestMiddle)
            << name << ": columns " << x % w << " and " << (x + 1) % w;
    }
}

TEST(Course4ArtTest, BandsAndTunnelJoinTheirCopiesWithoutASeam) {
    const RgbImage tunnel = readCoursePicture(4038);
    const RgbImage topBand = readCoursePicture(4039);
    const RgbImage bottomBand = readCoursePicture(4040);
    ASSERT_FALSE(tunnel.empty());
    ASSERT_FALSE(topBand.empty());
    ASSERT_FALSE(bottomBand.empty());
    // The approach lasts until the second bottom tile has crossed the screen.
    EXPECT_EQ(800, topBand.width());
    EXPECT_EQ(800, bottomBand.width());
    EXPECT_EQ(600, tunnel.height());
    expectSeamless(tunnel, "tunnel");
    expectSeamless(topBand, "top band");
    expectSeamless(bottomBand, "bottom band");
}

// The tunnel's tiles jump back behind their partner when they leave the
// screen; the jump may leave a gap between them, where nothing is drawn and
// the last frames show through. Flies the course with its real pictures
// from the start until the chamber has stopped and the field stands still.
TEST(Course4ArtTest, TheTunnelTilesNeverPartWhileTheFieldScrolls) {
    TempFolder folder;
    ASSERT_TRUE(GeneratedRunFolder::copyInto(folder.path(), {"data"}));
    WorkingDirectory here(folder.path());
    ASSERT_TRUE(here.entered());
    HeadlessScreen screen;
    auto level = std::make_unique<Level4>();
    testing::internal::CaptureStdout();
    level->loadImages(screen.surface());
    testing::internal::GetCapturedStdout();
    srand(1);
    level->reset();
    const int width = level->farBackground(0).width;
    ASSERT_GT(width, 0);
    int frame = 0;
    for (; frame < 2000 && level->state() != BossFight; ++frame) {
        level->updatePlayer1(100.0f, 300.0f, false);
        const int a = level->farBackground(0).x, b = level->farBackground(1).x;
        ASSERT_TRUE(a + width == b || b + width == a)
            << "frame " << frame << ": tiles at " << a << " and " << b;
    }
    EXPECT_EQ(BossFight, level->state());
}

}  // namespace
