#pragma once

#include <SDL.h>

#include "game/Types.h"

enum PlayerState : int { Flying = 0, Exploding = 1, Respawning = 2, Departing = 3, Docking = 4 };

// One craft: position and speed with inertia, its keys, trail, explosion,
// lives and drawing. number 1 is player 1, 2 is player 2.
class Player {
public:
    explicit Player(int number = 1) : number_(number) {}

    void loadImages(SDL_Surface* screen);
    // playerCount is kept by player 1 only; it chooses player 1's key set.
    void start(int course, int playerCount = 1);
    void setLives(int n) { lives_ = n; }
    int lives() const { return lives_; }
    bool isFlying() const { return state_ == Flying; }
    Position position() const { return Position{x_, y_}; }
    int updateInput(KeyState keys);
    void steerTo(float x, float y);
    void setFinishFrame(int frame);
    void setCourse(int course) { course_ = course; }
    void bounce();
    void hit(int drift);
    void draw();

private:
    int number_;
    int lives_ = 0;
    float x_ = 0.0f;
    float y_ = 0.0f;
    int state_ = Flying;
    int course_ = 1;
};
