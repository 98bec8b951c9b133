#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "assets/ObxImage.h"

// The score multiplier crossing the field: kind 1 halves, kind 0 doubles.
struct BonusObject {
    static constexpr int kSpeed = 20;
    // What touching it reports: the score doubles or halves.
    static constexpr int kDoubles = 2000;
    static constexpr int kHalves = 3000;

    bool active = false;
    int width = 0;
    int height = 0;
    int x = 0;
    int y = 0;
    int speed = 0;
    int kind = 0;

    Box box() const { return Box{x, y, width, height}; }
    void move() {
        x -= speed;
        if (x < -width) {
            active = false;
        }
    }
    // Enters at the right edge at a random height, sized by its picture.
    void launch(int bonusKind, const ObxImage& picture);
    // The halving bonus comes at second halvingSecond and the doubling one
    // at doublingSecond, each only while no bonus is crossing.
    void launchOnTime(int seconds, int halvingSecond, int doublingSecond, const ObxImage& doubling,
                      const ObxImage& halving);
    // A craft touching the bonus's box takes it: result becomes kDoubles or
    // kHalves and the bonus is gone.
    bool takenBy(float craftX, float craftY, int& result);
    // Player 1's frame of an active bonus: it moves on, then a craft that
    // can collide may take it.
    void advance(float craftX, float craftY, bool canCollide, int& result);
    void draw(const ObxImage& doubling, const ObxImage& halving, SDL_Surface* screen) const;
};
