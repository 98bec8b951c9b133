#pragma once

#include <SDL.h>

#include "game/Types.h"

// Course 4: the approach through the living tunnel and the brain boss.
class Level4 {
public:
    void loadImages(SDL_Surface* screen);
    void reset();
    void perSecondTick(int seconds, int minutes, bool someoneFlying);
    int updatePlayer1(float x, float y, bool canCollide);
    int updatePlayer2(float x, float y, bool canCollide);
    int takeSoundEvent();
    bool inBossFight() const;
    int takeBounce();
    bool isFinished() const;
    void draw();
    void drawFade();
};
