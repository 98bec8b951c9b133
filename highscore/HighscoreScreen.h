#pragma once

#include <SDL.h>

#include "game/Types.h"

// The name entry shown when a game's better score beats the table's lowest.
class HighscoreScreen {
public:
    void loadImages(SDL_Surface* screen);
    void enter(int finalScore, int startingLives);
    // 1 once the name is saved; 0 otherwise.
    int handleInput(KeyState keys);
    void draw();
};
