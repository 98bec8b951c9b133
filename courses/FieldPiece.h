#pragma once

#include <SDL.h>

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

// A pair laid side by side from x 0, with its top at top.
inline void placePair(FieldPiece (&pair)[2], const ObxImage& picture, int top, int speed) {
    pair[0].place(picture, 0, top, speed);
    pair[1].place(picture, picture.width(), top, speed);
}

// One frame of a pair: a tile goes directly behind its partner, however wide
// the picture is; a fixed wrap to x 800 would leave a strip the width of one
// step unpainted. Returns true in the frame the second tile wraps.
inline bool scrollPair(FieldPiece (&pair)[2]) {
    pair[0].scroll(pair[0].width - pair[0].speed);
    return pair[1].scroll(pair[1].width - pair[1].speed);
}

inline void drawPair(const FieldPiece (&pair)[2], const ObxImage& picture, SDL_Surface* screen) {
    for (const FieldPiece& piece : pair) {
        picture.draw(screen, piece.x, piece.y);
    }
}
