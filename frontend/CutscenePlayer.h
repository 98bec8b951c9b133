#pragma once

#include <SDL.h>

#include "game/Types.h"

// The three still-picture scenes with captions: before course 1 (0), before
// course 4 (1) and after course 4 (2).
class CutscenePlayer {
public:
    void loadImages(SDL_Surface* screen);
    void start(int scene);
    void setClock(int seconds, int minutes);
    void setFrame(int frame);
    // 1000 once the scene is over; -1 otherwise.
    int handleInput(KeyState keys, int scene);
    int takeSoundEvent();
    void draw(int scene);
};
