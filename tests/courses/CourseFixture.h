#pragma once

#include <gtest/gtest.h>

#include "support/CourseTestPictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

// Course number Course of type Level, loaded from the tests' own pictures
// and reset with the rand sequence at srand(1).
template <class Level, int Course, class Pictures>
class CourseFixture : public ::testing::Test, protected Pictures {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CourseTestPictures::write(folder.path(), Course));
        CourseTestPictures::loadAndReset(level, folder.path(), screen.surface());
    }
    // Seconds past 31 stop every obstacle stream, so a test owns the slots.
    void stopSpawning() { level.perSecondTick(33, 0, true); }
    bool pixelIs(int x, int y, TestRgb c) const {
        Uint8 r = 0, g = 0, b = 0;
        screen.rgbAt(x, y, r, g, b);
        return r == c.r && g == c.g && b == c.b;
    }

    HeadlessScreen screen;
    TempFolder folder;
    Level level;
};
