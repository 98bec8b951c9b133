#pragma once

#include <SDL.h>

#include <initializer_list>

#include "game/Types.h"

// A keyboard state array as SDL_GetKeyState gives it, with chosen keys held.
class HeldKeys {
  public:
    HeldKeys() = default;
    HeldKeys(std::initializer_list<int> held) {
        for (int key : held) {
            hold(key);
        }
    }
    void hold(int key) { state_[key] = 1; }
    // Holds the keys that steer towards dx and dy (-1, 0 or 1 each, right and
    // down positive) in a keyboard state array of SDLK_LAST entries: the
    // arrows, or W, A, S and D.
    static void holdDirection(Uint8* keys, bool arrows, int dx, int dy) {
        if (dx != 0) {
            keys[dx > 0 ? (arrows ? SDLK_RIGHT : SDLK_d) : (arrows ? SDLK_LEFT : SDLK_a)] = 1;
        }
        if (dy != 0) {
            keys[dy > 0 ? (arrows ? SDLK_DOWN : SDLK_s) : (arrows ? SDLK_UP : SDLK_w)] = 1;
        }
    }
    KeyState keys() const { return state_; }

  private:
    Uint8 state_[SDLK_LAST] = {};
};
