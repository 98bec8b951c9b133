#pragma once

#include <SDL.h>

#include "game/Types.h"

// Course 2.
class Level2 {
public:
    void loadImages(SDL_Surface* screen);
    void reset();
    void perSecondTick(int seconds, int minutes, bool someoneFlying);
    int updatePlayer1(float x, float y, bool canCollide);
    int updatePlayer2(float x, float y, bool canCollide);
    int takeSoundEvent();
    bool isPlaying() const;
    Position steerOutro(float x, float y);
    int progress() const;
    void draw();
    void drawFloor();
    void drawPopups();
};
