#pragma once

#include <gtest/gtest.h>

#include <string>

#include "courses/course3/Level3.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"

// A course 3 loaded from small pictures of known sizes:
//   background 100x10, top band 800x50, bottom band 800x30 (so a test can
//   tell which height the band rule uses), obstacle pictures 0..7 solid and
//   (30 + 10n) x (20 + 5n), picture 8 a solid 200x100 and picture 9 a wholly
//   transparent 200x100, scenery 20x10, digits 20x30 ("1" and "5" grey 200, "0"
//   grey 100), bonuses 30x20 (doubling) and 40x24 (halving).
class Level3Test : public ::testing::Test {
  protected:
    static constexpr int kTopBandHeight = 50;
    static constexpr int kBottomBandHeight = 30;
    static constexpr int kBackgroundWidth = 100;

    void SetUp() override;

    // An obstacle of picture image with its picture's size.
    Obstacle obstacleAt(int image, int x, int y, int speed) const;
    // Puts an armed obstacle into a slot.
    void place(int slot, int image, int x, int y, int speed);
    // Seconds past 31 stop the obstacle stream, so a test owns every slot.
    void stopSpawning() { level.perSecondTick(33, 0, true); }
    void clearScenery();

    HeadlessScreen screen;
    TempFolder folder;
    Level3 level;
};
