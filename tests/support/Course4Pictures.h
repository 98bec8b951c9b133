#pragma once

#include <cstdint>
#include <string>

#include "support/TestPictures.h"

// Course 4's pictures as plain blocks of one colour, with the sizes and
// solid parts the rules need:
//   bands 800x50, background 800x10, obstacles 60x60, craft 84x40;
//   ceiling 1000x60 solid; floor 1000x135 solid in its lowest 40 rows;
//   right side 74x366 solid in its lowest 66 rows; front wall 160x600 solid
//   in its right 60 columns; brain and segment 40x40; shots 10x10;
//   beam openings 10x10; beams 513x24; bonus 40x40.
class Course4Pictures {
  public:
    static constexpr TestRgb kCraft{20, 20, 200};
    static constexpr TestRgb kBackground{10, 10, 10};
    static constexpr TestRgb kTopBand{200, 100, 50};
    static constexpr TestRgb kBottomBand{200, 110, 60};
    static constexpr TestRgb kCue{250, 250, 0};
    static constexpr TestRgb kArrow{0, 250, 250};
    static constexpr TestRgb kObstacle{40, 200, 90};
    static constexpr TestRgb kScenery{60, 60, 120};
    static constexpr TestRgb kChamber{120, 40, 120};
    static constexpr TestRgb kWall{140, 60, 100};
    static constexpr TestRgb kBackWall{30, 60, 30};
    static constexpr TestRgb kBrain{230, 150, 170};
    static constexpr TestRgb kBrainFlash{250, 250, 250};
    static constexpr TestRgb kSegment{150, 90, 110};
    static constexpr TestRgb kSegmentFlash{240, 240, 200};
    static constexpr TestRgb kShot{100, 250, 100};
    static constexpr TestRgb kFade{0, 0, 0};
    static constexpr TestRgb kBeam0{0, 0, 250};
    static constexpr TestRgb kBeam1{0, 120, 250};
    static constexpr TestRgb kDigit{250, 200, 200};
    static constexpr TestRgb kBonus{200, 200, 40};
    static TestRgb openingColour(int frame) {
        return TestRgb{static_cast<std::uint8_t>(50 + 40 * frame), 30, 220};
    }

    static bool write(const std::string& root);
};
