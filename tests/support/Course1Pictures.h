#pragma once

#include <string>

#include "support/TestPictures.h"

// Small pictures for course 1 tests, written under root/data with the sizes
// below; everything is solid unless said otherwise.
class Course1Pictures {
  public:
    static constexpr TestRgb kBackground{10, 20, 90};
    static constexpr TestRgb kFar{60, 60, 60};
    static constexpr TestRgb kNear{90, 90, 110};
    static constexpr TestRgb kGate{20, 220, 20};
    static constexpr TestRgb kObstacle{200, 120, 30};
    static constexpr TestRgb kZero{250, 250, 250};
    static constexpr TestRgb kOne{250, 250, 0};
    static constexpr TestRgb kFive{0, 250, 250};
    static constexpr TestRgb kDoubling{250, 0, 250};
    static constexpr TestRgb kHalving{120, 0, 250};

    // Obstacle pictures 0..6 (picture 6 is the same file as picture 5).
    // Picture 3's left half is transparent.
    static constexpr int kObstacleWidth[7] = {60, 40, 140, 100, 80, 120, 120};
    static constexpr int kObstacleHeight[7] = {40, 100, 60, 100, 50, 80, 80};
    static constexpr int kNearWidth = 10;  // near picture n is (10 + 2n) by (6 + n)
    static constexpr int kFarSize = 4;
    static constexpr int kGateWidth = 60;
    static constexpr int kGateHeight = 120;
    static constexpr int kDigitWidth = 20;
    static constexpr int kDigitHeight = 24;
    static constexpr int kDoublingWidth = 50;
    static constexpr int kDoublingHeight = 30;
    static constexpr int kHalvingWidth = 40;
    static constexpr int kHalvingHeight = 44;
    static constexpr int kBackgroundSize = 100;

    static bool write(const std::string& root);
};
