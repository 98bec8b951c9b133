#pragma once

#include <gtest/gtest.h>

#include "courses/course2/Level2.h"
#include "support/CourseTestPictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

// Course 2 loaded from the tests' own pictures and reset with the rand
// sequence at srand(1).
class Level2Test : public ::testing::Test, protected Course2Pictures {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CourseTestPictures::write(folder.path(), 2));
        CourseTestPictures::loadAndReset(level, folder.path(), screen.surface());
        ASSERT_EQ(kFloorWidth, level.image(Level2::kFloorTile).width());
    }

    // Seconds past 31 stop every obstacle spawner, so a test owns the slots.
    void stopSpawning() { level.perSecondTick(33, 0, false); }
    // Several frames of player 1's update with no craft that can collide.
    void idleFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            level.updatePlayer1(300.0f, 250.0f, false);
        }
    }
    bool colourAt(int x, int y, TestRgb c) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        return r == c.r && g == c.g && b == c.b;
    }

    HeadlessScreen screen;
    TempFolder folder;
    Level2 level;
};
