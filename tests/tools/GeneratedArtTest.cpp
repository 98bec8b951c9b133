// Generated pictures as the game uses them, read straight from the run
// folder (reading leaves the files as they are). Course 4: the back wall,
// drawn over the shots, leaves every shot of the fight in sight; the bands
// and the tunnel join their own copies without a seam; the brain shows where
// it is rammed and where its beam leaves. Pictures a player must read at a
// glance: the sewer bands leave a returning craft room, the score digits are
// wide enough to read as one number, and no picture has a pinhole punched
// into a solid shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "player/Player.h"
#include "support/GeneratedRunFolder.h"
#include "support/RgbImage.h"

namespace {

RgbImage picture(const std::string& relativePath) {
    RgbImage image;
    EXPECT_TRUE(image.readPicture(GeneratedRunFolder::path() + "/data/" + relativePath))
        << relativePath;
    return image;
}

RgbImage readCoursePicture(int number) {
    return picture("L4/" + std::to_string(number) + ".obx");
}

bool solidAt(const RgbImage& picture, int x, int y) {
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height()) {
        return false;
    }
    const RgbImage::Rgb c = picture.at(x, y);
    return !(c.r == 255 && c.g == 0 && c.b == 0);
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

// ---- The shots and the back wall ----------------------------------------------

// Screen pixels where the back wall hides what lies under it: its own solid
// pixels that the front wall, drawn later, does not cover anyway. Both walls
// end at the screen's right edge once the chamber has stopped; shift moves
// the back wall as the walls' quiver does.
std::vector<bool> hidingMask(const RgbImage& front, const RgbImage& back, int shift) {
    std::vector<bool> hides(800 * 600);
    const int frontX = 800 - front.width();
    const int backX = 800 - back.width() + shift;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            hides[y * 800 + x] = solidAt(back, x - backX, y) && !solidAt(front, x - frontX, y);
        }
    }
    return hides;
}

struct Mouth {
    const char* name;
    int offsetFromWall;  // from the front wall's left edge
    int y;
    int lowestSpeedY;
    int highestSpeedY;
};

// The two mouths and the rises of their shots (a negative rise falls).
constexpr Mouth kMouths[2] = {{"upper", 16, 83, -5, -1}, {"lower", -20, 509, -1, 3}};

// Follows one shot from its mouth until it has left the screen and describes
// the first place where the back wall hides part of it; empty when none.
std::string firstHiddenPlace(const std::vector<bool>& mask, const RgbImage& shot, int x, int y,
                             int speedX, int speedY) {
    for (int frame = 0; x >= -shot.width() && y < 600 && y > -shot.height(); ++frame) {
        int hidden = 0;
        for (int py = 0; py < shot.height(); ++py) {
            for (int px = 0; px < shot.width(); ++px) {
                const int sx = x + px, sy = y + py;
                hidden += sx >= 0 && sy >= 0 && sx < 800 && sy < 600 && mask[sy * 800 + sx] &&
                          solidAt(shot, px, py);
            }
        }
        if (hidden > 0) {
            std::ostringstream place;
            place << hidden << " pixels hidden at (" << x << ", " << y << "), frame " << frame;
            return place.str();
        }
        x -= speedX;
        y -= speedY;
    }
    return "";
}

TEST(Course4ArtTest, TheBackWallLeavesEveryShotOfTheFightInSight) {
    const RgbImage front = readCoursePicture(4021);
    const RgbImage back = readCoursePicture(4022);
    const int frontX = 800 - front.width();
    // A shot fired while the walls quiver 5 pixels left starts 5 pixels
    // further left, and the walls may be drawn either way round later.
    for (int shift = -5; shift <= 5; shift += 5) {
        const std::vector<bool> mask = hidingMask(front, back, shift);
        for (int image = 0; image < 3; ++image) {
            const RgbImage shot = readCoursePicture(4025 + image);
            for (const Mouth& mouth : kMouths) {
                for (int speedX = 2; speedX <= 5; ++speedX) {
                    for (int speedY = mouth.lowestSpeedY; speedY <= mouth.highestSpeedY; ++speedY) {
                        const std::string place = firstHiddenPlace(
                            mask, shot, frontX + mouth.offsetFromWall, mouth.y, speedX, speedY);
                        ASSERT_EQ("", place)
                            << "shot " << image << " from the " << mouth.name << " mouth, speed ("
                            << speedX << ", " << speedY << "), walls shifted " << shift;
                    }
                }
            }
        }
    }
    // It still shows something: the recess the stalk is rooted in.
    EXPECT_GT(inkWidth(back), 0);
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
    // The approach lasts until the second bottom tile has crossed the screen.
    ASSERT_EQ(800, topBand.width());
    ASSERT_EQ(800, bottomBand.width());
    ASSERT_EQ(600, tunnel.height());
    expectSeamless(tunnel, "tunnel");
    expectSeamless(topBand, "top band");
    expectSeamless(bottomBand, "bottom band");
}

// ---- The brain --------------------------------------------------------------------

// The brain is rammed with the stalk knot's shape at its corner: all of that
// must be brain on the screen, flashing or not, and little of the brain may
// lie outside it, where touching it is no ram; and the beam, whose right end
// lies 22 pixels right of the brain's corner and 12 to 36 below it, must
// come out of the brain.
TEST(Course4ArtTest, TheBrainShowsWhereItIsRammedAndWhereItsBeamLeaves) {
    const RgbImage brain = readCoursePicture(4023);
    const RgbImage knot = readCoursePicture(4024);
    const RgbImage flashing = readCoursePicture(4036);
    ASSERT_EQ(brain.width(), flashing.width());
    ASSERT_EQ(brain.height(), flashing.height());
    int knotPixels = 0, unseen = 0, flashMismatch = 0, brainPixels = 0, beyondKnot = 0;
    for (int y = 0; y < knot.height(); ++y) {
        for (int x = 0; x < knot.width(); ++x) {
            if (solidAt(knot, x, y)) {
                ++knotPixels;
                unseen += solidAt(brain, x, y) && solidAt(flashing, x, y) ? 0 : 1;
            }
        }
    }
    for (int y = 0; y < brain.height(); ++y) {
        for (int x = 0; x < brain.width(); ++x) {
            flashMismatch += solidAt(brain, x, y) != solidAt(flashing, x, y) ? 1 : 0;
            brainPixels += solidAt(brain, x, y) ? 1 : 0;
            beyondKnot += solidAt(brain, x, y) && !solidAt(knot, x, y) ? 1 : 0;
        }
    }
    EXPECT_GT(knotPixels, 0);
    EXPECT_EQ(0, unseen) << "of " << knotPixels << " pixels the brain is rammed with";
    EXPECT_EQ(0, flashMismatch) << "the flashing brain changes its shape";
    EXPECT_LE(beyondKnot * 10, brainPixels) << "brain pixels that cannot be rammed";
    for (int y = 14; y <= 34; y += 4) {
        EXPECT_TRUE(solidAt(brain, 21, y)) << "beam row " << y;
    }
}

// ---- Pictures read at a glance ------------------------------------------------

// A craft held at either end of its course 3 respawn range must be clear of
// both bands (the band rule uses the top band's height for both edges).
TEST(ReadableArtTest, SewerBandsLeaveTheRespawnRangeClear) {
    for (const char* band : {"L3/1002.obx", "L3/1003.obx"}) {
        const RgbImage image = picture(band);
        EXPECT_LE(image.height(), Player::kRespawnTop) << band;
        EXPECT_GE(600 - image.height(), Player::kRespawnBottom) << band;
    }
}

TEST(ReadableArtTest, ScoreDigitsAreWideEnoughToReadAsOneNumber) {
    for (int digit = 0; digit < 10; ++digit) {
        const RgbImage image = picture("M/m0" + std::to_string(39 + digit) + ".obx");
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
