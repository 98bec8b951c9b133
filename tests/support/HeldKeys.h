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
    void release(int key) { state_[key] = 0; }
    KeyState keys() const { return state_; }

  private:
    Uint8 state_[SDLK_LAST] = {};
};
