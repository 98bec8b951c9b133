#pragma once

#include <SDL.h>

#include "app/FramePacer.h"
#include "app/FrameStep.h"
#include "app/Gamepads.h"
#include "app/OptionsKeeper.h"
#include "app/SoundBank.h"
#include "game/Game.h"

// The program's loop: each pass takes at most one window event and runs a
// logic frame when one is due. Only a logic frame draws and presents the
// screen; an expose or a switch to or from full screen shows the last
// picture again. A pass with nothing to do sleeps a few milliseconds, so the
// loop keeps no core busy and still starts each frame on its tick. The pieces
// of a pass are open so that tests can drive them with a clock of their own.
class MainLoop {
  public:
    // What an event leaves for the rest of the pass.
    enum EventOutcome : int { NoEvent = 0, Handled = 1, ShowAgain = 2 };

    MainLoop(Game& game, SoundBank& sound, SDL_Surface* screen);

    // Passes until the window is closed, Escape is pressed in the menu or
    // the menu's quit item is chosen.
    void run();
    void pass();

    // Takes one pending window event, if any, and acts on it; its outcome.
    int takeOneEvent();
    int handleEvent(const SDL_Event& event);
    // Runs one logic frame when more than 33 ms have passed since the last;
    // true when it ran.
    bool logicFrameIfDue(Uint32 now);
    // The clock the loop reads instead of SDL_GetTicks.
    void setClock(Uint32 (*ticks)()) { ticks_ = ticks; }
    bool quitRequested() const { return quitRequested_ != 0; }
    Gamepads& gamepads() { return pads_; }
    int logicFrames() const { return logicFrames_; }
    int presents() const { return presents_; }

  private:
    int handleKey(SDLKey key);
    // Switches between window and full screen and keeps the choice in the
    // start-up file; false, with one line on standard error, when the
    // switch failed and the mode is as it was.
    bool switchFullScreen();
    // Draws the game and presents it.
    void present();
    void showAgain();

    Game& game_;
    SoundBank& sound_;
    SDL_Surface* screen_;
    FramePacer pacer_;
    FrameStep step_;
    Gamepads pads_;
    OptionsKeeper options_;
    Uint32 (*ticks_)() = &SDL_GetTicks;
    int quitRequested_ = 0;
    int logicFrames_ = 0;
    int presents_ = 0;
};
