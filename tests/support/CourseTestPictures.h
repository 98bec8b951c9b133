#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

// Small pictures of known sizes and colours for the course tests, written
// under "data/" of a folder of the test's own; everything is solid unless
// said otherwise. Colours are told apart so that drawing can be read back.
class CourseTestPictures {
  public:
    // Writes course's pictures (1 to 4) under root.
    static bool write(const std::string& root, int course);

    // Loads a course from the pictures in folder (the working directory goes
    // back afterwards) and resets it with the rand sequence at srand(1).
    template <class Course>
    static void loadAndReset(Course& course, const std::string& folder, SDL_Surface* screen) {
        {
            WorkingDirectory inside(folder);
            ASSERT_TRUE(inside.entered());
            course.loadImages(screen);
        }
        std::srand(1);
        course.reset();
    }
};

// Obstacle pictures 0..6 (picture 6 is the same file as picture 5), picture
// 3's left half transparent; near picture n is (10 + 2n) by (6 + n).
struct Course1Pictures {
    static constexpr TestRgb kBackground{10, 20, 90};
    static constexpr TestRgb kGate{20, 220, 20};
    static constexpr TestRgb kObstacle{200, 120, 30};
    static constexpr TestRgb kZero{250, 250, 250};
    static constexpr TestRgb kOne{250, 250, 0};
    static constexpr TestRgb kFive{0, 250, 250};
    static constexpr TestRgb kDoubling{250, 0, 250};
    static constexpr TestRgb kHalving{120, 0, 250};
    static constexpr int kObstacleWidth[7] = {60, 40, 140, 100, 80, 120, 120};
    static constexpr int kObstacleHeight[7] = {40, 100, 60, 100, 50, 80, 80};
    static constexpr int kNearWidth = 10;
    static constexpr int kFarSize = 4;
    static constexpr int kDoublingWidth = 50;
    static constexpr int kDoublingHeight = 30;
    static constexpr int kHalvingWidth = 40;
    static constexpr int kHalvingHeight = 44;
};

// Kind 1: picture 0 a solid 60x40, picture 1 60x40 with only its left half
// solid; kind 2: (40 + 10n) x (30 + 10n); kind 3 120x100; gate 50x300;
// floor tile 400x60; sweeper 100x40; digits 20x30; bonuses 30x20 (doubling)
// and 40x24 (halving).
struct Course2Pictures {
    static constexpr TestRgb kKind1Colour{200, 100, 0};
    static constexpr TestRgb kKind1SecondColour{220, 0, 160};
    static constexpr TestRgb kKind2Colour{100, 100, 240};
    static constexpr TestRgb kKind3Colour{240, 240, 0};
    static constexpr TestRgb kGateColour{120, 120, 120};
    static constexpr TestRgb kFloorColour{90, 70, 40};
    static constexpr TestRgb kSweeperColour{0, 250, 250};
    static constexpr TestRgb kDoublingColour{0, 200, 0};
    static constexpr TestRgb kHalvingColour{0, 0, 200};
    static constexpr TestRgb kDigitZeroColour{100, 100, 100};
    static constexpr TestRgb kDigitOneColour{150, 150, 150};
    static constexpr int kFloorWidth = 400;
    // The path of course 2's picture file number in folder.
    static std::string course2File(const TempFolder& folder, int number) {
        return folder.file("data/L2/" + std::to_string(number) + ".obx");
    }
};

// Top band 800x50, bottom band 800x30 (so a test can tell which height the
// band rule uses), obstacle pictures 0..7 (30 + 10n) x (20 + 5n), picture 8
// a solid 200x100 and picture 9 a wholly transparent one, scenery 20x10,
// digits 20x30 ("1" and "5" grey 200, "0" grey 100), bonuses 30x20 and 40x24.
struct Course3Pictures {
    static constexpr int kTopBandHeight = 50;
};

// Bands 800x50, background 800x10, obstacles 60x60, craft 84x40; ceiling
// 1000x60; floor 1000x135 solid in its lowest 40 rows; right side 74x366
// solid in its lowest 66 rows; front wall 160x600 solid in its right 60
// columns; brain and segment 40x40; shots 10x10; beam openings 10x10; beams
// 513x24; bonus 40x40.
struct Course4Pictures {
    static constexpr TestRgb kBackground{10, 10, 10};
    static constexpr TestRgb kTopBand{200, 100, 50};
    static constexpr TestRgb kBottomBand{200, 110, 60};
    static constexpr TestRgb kCue{250, 250, 0};
    static constexpr TestRgb kArrow{0, 250, 250};
    static constexpr TestRgb kObstacle{40, 200, 90};
    static constexpr TestRgb kChamber{120, 40, 120};
    static constexpr TestRgb kWall{140, 60, 100};
    static constexpr TestRgb kBrain{230, 150, 170};
    static constexpr TestRgb kBrainFlash{250, 250, 250};
    static constexpr TestRgb kSegment{150, 90, 110};
    static constexpr TestRgb kSegmentFlash{240, 240, 200};
    static constexpr TestRgb kShot{100, 250, 100};
    static constexpr TestRgb kBeam0{0, 0, 250};
    static constexpr TestRgb kBeam1{0, 120, 250};
    static TestRgb openingColour(int frame) {
        return TestRgb{static_cast<std::uint8_t>(50 + 40 * frame), 30, 220};
    }
};
