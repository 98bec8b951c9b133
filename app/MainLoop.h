#pragma once

#include <SDL.h>

#include "app/FramePacer.h"
#include "app/FrameStep.h"
#include "app/SoundBank.h"
#include "game/Game.h"

// The program's loop: each pass takes at most one window event, runs a logic
// frame when one is due, renders and presents the whole screen. It never
// sleeps. The pieces of a pass are open so that tests can drive them with a
// clock of their own.
class MainLoop {
  public:
    MainLoop(Game& game, SoundBank& sound, SDL_Surface* screen);

    // Passes until the window is closed, Escape is pressed in the menu or
    // the menu's quit item is chosen.
    void run();
    void pass();

    // Takes one pending window event, if any, and acts on it.
    bool takeOneEvent();
    void handleEvent(const SDL_Event& event);
    // Runs one logic frame when more than 33 ms have passed since the last;
    // true when it ran.
    bool logicFrameIfDue(Uint32 now);
    void present();

    bool quitRequested() const { return quitRequested_ != 0; }
    int logicFrames() const { return logicFrames_; }
    int presents() const { return presents_; }

  private:
    Game& game_;
    SoundBank& sound_;
    SDL_Surface* screen_;
    FramePacer pacer_;
    FrameStep step_;
    int quitRequested_ = 0;
    int logicFrames_ = 0;
    int presents_ = 0;
};
