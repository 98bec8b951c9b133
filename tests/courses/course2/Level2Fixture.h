#pragma once

#include <gtest/gtest.h>

#include "courses/course2/Level2.h"
#include "support/Course2Pictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

// Course 2 loaded from the tests' own pictures and reset with the rand
// sequence at srand(1).
class Level2Test : public ::testing::Test, protected Course2Pictures {
  protected:
    void SetUp() override;

    // Seconds past 31 stop every obstacle spawner, so a test owns the slots.
    void stopSpawning() { level.perSecondTick(33, 0, false); }
    // Several frames of player 1's update with no craft that can collide.
    void idleFrames(int frames);
    bool colourAt(int x, int y, TestRgb c) const;

    HeadlessScreen screen;
    TempFolder folder;
    Level2 level;
};
