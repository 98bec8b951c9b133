#pragma once

#include "courses/CourseFixture.h"
#include "courses/course2/Level2.h"

class Level2Test : public CourseFixture<Level2, 2, Course2Pictures> {
  protected:
    // Several frames of player 1's update with no craft that can collide.
    void idleFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            level.updatePlayer1(300.0f, 250.0f, false);
        }
    }
};
