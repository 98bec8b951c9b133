#pragma once

#include "courses/CourseFixture.h"
#include "courses/course1/Level1.h"

// Course 1 with the course music already taken.
class Level1Test : public CourseFixture<Level1, 1, Course1Pictures> {
  protected:
    void SetUp() override {
        CourseFixture::SetUp();
        level.takeSoundEvent();
    }
    int activeObstacles() const {
        int n = 0;
        for (int i = 0; i < Level1::kSlots; ++i) {
            n += level.obstacle(i).active ? 1 : 0;
        }
        return n;
    }
};
