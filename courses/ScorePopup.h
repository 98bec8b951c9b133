#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"

// The number shown over an obstacle that paid a near pass; timer 1..19 shows.
struct ScorePopup {
    int value = -1;
    int timer = 0;
    float x = 0.0f;
    float y = 0.0f;

    void reset() {
        value = -1;
        timer = 0;
        x = y = 0.0f;
    }
    void age() {
        if (timer > 0 && ++timer == 20) {
            timer = 0;
        }
    }
};

// The three digit pictures a course holds for its popups; the course owns
// them because drawing changes their alpha.
struct PopupDigits {
    const ObxImage* zero;
    const ObxImage* one;
    const ObxImage* five;
};

// Readies a course's three popup digits for drawing opaque and faded in one
// frame (see ObxImage::prepareFading); called once they are loaded.
void prepareFadingDigits(ObxImage& zero, ObxImage& one, ObxImage& five, SDL_Surface* screen);

// Draws one popup slot: the digits' alpha goes back to 255 first, then fades
// from timer 11 on.
void drawScorePopup(const ScorePopup& popup, const PopupDigits& digits, SDL_Surface* screen);
