#pragma once

#include <SDL.h>

// The keyboard state of one logic frame, indexed by SDL key symbol
// (SDL_GetKeyState); non-zero while the key is held.
using KeyState = const Uint8*;

// A craft position in screen pixels.
struct Position {
    float x;
    float y;
};

// The current screen. 8, 9 and 11 are not used.
enum GameMode : int {
    ModeCutscene0 = 1,
    ModeMenu = 2,
    ModeCourse1 = 3,
    ModeCourse2 = 4,
    ModeCourse3 = 5,
    ModeCourse4 = 6,
    ModeCutscene2 = 7,
    ModeNameEntry = 10,
    ModeCutscene1 = 12,
};

// SoundEvent codes returned by a logic frame.
constexpr int kNoSound = -1;
constexpr int kQuitEvent = 5000;
