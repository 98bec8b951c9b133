#pragma once

#include <gtest/gtest.h>

#include "courses/course3/Level3.h"
#include "support/CourseTestPictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"

// A course 3 loaded from the tests' own pictures and reset with the rand
// sequence at srand(1).
class Level3Test : public ::testing::Test, protected Course3Pictures {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CourseTestPictures::write(folder.path(), 3));
        CourseTestPictures::loadAndReset(level, folder.path(), screen.surface());
        ASSERT_EQ(kTopBandHeight, level.bandHeight());
    }

    // An obstacle of picture image with its picture's size.
    Obstacle obstacleAt(int image, int x, int y, int speed) const {
        Obstacle o;
        o.active = true;
        o.image = image;
        o.takeSize(level.obstaclePicture(image));
        o.x = x;
        o.y = y;
        o.speed = speed;
        return o;
    }
    // Puts an armed obstacle into a slot.
    void place(int slot, int image, int x, int y, int speed) {
        level.setObstacle(slot, obstacleAt(image, x, y, speed));
        RingFlags armed;
        armed.arm();
        level.setRings(slot, armed);
    }
    // Seconds past 31 stop the obstacle stream, so a test owns every slot.
    void stopSpawning() { level.perSecondTick(33, 0, true); }

    HeadlessScreen screen;
    TempFolder folder;
    Level3 level;
};
