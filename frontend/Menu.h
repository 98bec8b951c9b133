#pragma once

#include <SDL.h>

#include "game/Types.h"

// The main menu: start, options (volume, starting lives, players),
// highscores, information and quit.
class Menu {
public:
    void loadImages(SDL_Surface* screen);
    void enter(int playerCount);
    // 1000 when a game is to start; -1 otherwise.
    int handleInput(KeyState keys);
    int takeSoundEvent();
    void draw();

    int playerCount() const { return playerCount_; }
    int startingLives() const { return startingLives_; }
    int musicVolume() const { return static_cast<int>(volume_); }

private:
    int playerCount_ = 1;
    int startingLives_ = 3;
    float volume_ = 128.0f;
};
