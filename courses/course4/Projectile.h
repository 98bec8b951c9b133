#pragma once

#include "assets/Collision.h"
#include "assets/ObxImage.h"

// A shot from one of the chamber wall's mouths. It flies left by speedX and
// rises by speedY (a negative speedY falls).
struct Projectile {
    bool active = false;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int speedX = 0;
    int speedY = 0;
    int image = 0;

    Box box() const { return Box{x, y, width, height}; }
    // The point that counts when a shot meets a craft.
    int centreX() const { return x + width / 2; }
    int centreY() const { return y + height / 2; }
    // One frame of flight; extraLeft is the drift of a still-scrolling field.
    // The shot is gone once wholly off the left edge.
    void move(int extraLeft) {
        x -= speedX + extraLeft;
        y -= speedY;
        if (x < -width) {
            active = false;
        }
    }
};
