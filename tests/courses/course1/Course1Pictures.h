#pragma once

#include <string>

#include "support/TestPictures.h"

// Small pictures for course 1 tests, written under root/data with the sizes
// below; everything is solid unless said otherwise.
namespace course1pictures {

constexpr TestRgb kBackground{10, 20, 90};
constexpr TestRgb kFar{60, 60, 60};
constexpr TestRgb kNear{90, 90, 110};
constexpr TestRgb kGate{20, 220, 20};
constexpr TestRgb kObstacle{200, 120, 30};
constexpr TestRgb kZero{250, 250, 250};
constexpr TestRgb kOne{250, 250, 0};
constexpr TestRgb kFive{0, 250, 250};
constexpr TestRgb kDoubling{250, 0, 250};
constexpr TestRgb kHalving{120, 0, 250};

// Obstacle pictures 0..6 (picture 6 is the same file as picture 5).
// Picture 3's left half is transparent.
constexpr int kObstacleWidth[7] = {60, 40, 140, 100, 80, 120, 120};
constexpr int kObstacleHeight[7] = {40, 100, 60, 100, 50, 80, 80};
constexpr int kNearWidth = 10;  // near picture n is (10 + 2n) by (6 + n)
constexpr int kFarSize = 4;
constexpr int kGateWidth = 60;
constexpr int kGateHeight = 120;
constexpr int kDigitWidth = 20;
constexpr int kDigitHeight = 24;
constexpr int kDoublingWidth = 50;
constexpr int kDoublingHeight = 30;
constexpr int kHalvingWidth = 40;
constexpr int kHalvingHeight = 44;
constexpr int kBackgroundSize = 100;

bool write(const std::string& root);

}  // namespace course1pictures
