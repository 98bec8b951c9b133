#pragma once

#include "assets/Collision.h"
#include "assets/ObxImage.h"
#include "courses/BonusObject.h"

// A course object that drifts left: obstacles and scenery share this record.
// Width and height are copied from the object's picture when it is placed.
struct Obstacle {
    bool active = false;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int speed = 0;
    int image = 0;
    int frameCounter = 0;  // animation clock; only animated obstacles use it

    Box box() const { return Box{x, y, width, height}; }
    void takeSize(const ObxImage& picture) {
        width = picture.width();
        height = picture.height();
    }
    // One frame of drift; the object leaves once it is wholly off the left edge.
    void move() {
        x -= speed;
        if (x < -width) {
            active = false;
        }
    }
};

using SceneryObject = Obstacle;

enum CourseState : int {
    Playing = 0,
    Approach = 1,
    FlyOff = 2,
    // The boss course's own stages.
    ChamberArrival = 3,
    BossFight = 4,
    BossDeath = 5,
};

// Objects live in fixed slots; a spawner takes the first free one from slot 0.
template <typename T, int N>
int firstFreeSlot(const T (&slots)[N]) {
    for (int i = 0; i < N; ++i) {
        if (!slots[i].active) {
            return i;
        }
    }
    return -1;
}
