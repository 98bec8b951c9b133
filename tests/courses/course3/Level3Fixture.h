#pragma once

#include "courses/CourseFixture.h"
#include "courses/course3/Level3.h"

class Level3Test : public CourseFixture<Level3, 3, Course3Pictures> {
  protected:
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
};
