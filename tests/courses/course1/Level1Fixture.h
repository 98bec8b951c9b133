#pragma once

#include <gtest/gtest.h>

#include "courses/course1/Level1.h"
#include "support/CourseTestPictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"

// Course 1 loaded from the tests' own small pictures and freshly reset, with
// the course music already taken.
class Level1Test : public ::testing::Test, protected Course1Pictures {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CourseTestPictures::write(folder.path(), 1));
        CourseTestPictures::loadAndReset(level, folder.path(), screen.surface());
        level.takeSoundEvent();
    }
    // From second 32 on no obstacle comes, so a test's own obstacles are alone.
    void stopSpawning() { level.perSecondTick(32, 0, false); }
    int activeObstacles() const {
        int n = 0;
        for (int i = 0; i < Level1::kSlots; ++i) {
            n += level.obstacle(i).active ? 1 : 0;
        }
        return n;
    }

    HeadlessScreen screen;
    TempFolder folder;
    Level1 level;
};
