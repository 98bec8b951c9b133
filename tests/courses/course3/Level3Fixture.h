#pragma once

#include <gtest/gtest.h>

#include <string>

#include "courses/course3/Level3.h"
#include "support/Course3Pictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"

// A course 3 loaded from the tests' own pictures and reset with the rand
// sequence at srand(1).
class Level3Test : public ::testing::Test, protected Course3Pictures {
  protected:
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
