#pragma once

#include "assets/Collision.h"
#include "assets/ObxImage.h"

// One positioned picture of a scrolling field (a background or band tile).
// Tiles come in pairs laid side by side; a tile that has scrolled wholly off
// the left edge is put back at the right.
struct FieldPiece {
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int speed = 0;

    Box box() const { return Box{x, y, width, height}; }
    void place(const ObxImage& picture, int left, int top, int pixelsPerFrame) {
        width = picture.width();
        height = picture.height();
        x = left;
        y = top;
        speed = pixelsPerFrame;
    }
    // One frame of scrolling; once wholly off the left edge the tile jumps to
    // wrapX. Returns true in the frame it wraps.
    bool scroll(int wrapX) {
        x -= speed;
        if (x < -width) {
            x = wrapX;
            return true;
        }
        return false;
    }
};
