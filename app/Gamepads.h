#pragma once

#include <SDL.h>

#include "app/DeviceFolderWatch.h"
#include "game/Types.h"

// What the game reads of one pad: the left stick, the first hat and the
// buttons, numbered as sdl12-compat numbers a pad in the standard
// game-controller layout.
struct PadState {
    static constexpr int kButtons = 15;

    Sint16 stickX = 0;
    Sint16 stickY = 0;
    Uint8 hat = SDL_HAT_CENTERED;
    Uint8 buttons[kButtons] = {};
};

// The first two pads as keys: the first steers as the arrows, the second as
// W A S D (so in a one-player game either pad steers), A is Return, Start is
// Space, and Back is the Escape key. The pads are folded into a copy of the
// keyboard's held keys once per logic frame, so the game reads held keys as
// ever. SDL 1.2 sees only the pads present when its joystick subsystem
// starts, so a change among the input devices starts it again.
class Gamepads {
  public:
    static constexpr int kPads = 2;
    // A third of the stick's travel each way does nothing.
    static constexpr int kDeadZone = 10923;
    enum Button : int {
        ButtonA = 0,
        ButtonBack = 4,
        ButtonStart = 6,
        DpadUp = 11,
        DpadDown = 12,
        DpadLeft = 13,
        DpadRight = 14
    };

    // Adds pad number index to the held keys; its directions only when steer
    // is set (the name entry takes letters from the keyboard alone).
    static void addPad(const PadState& pad, int index, bool steer, Uint8* keys);
    // The key-down event Back stands for.
    static SDL_Event escapeKeyDown();

    // deviceFolder holds the input device nodes.
    explicit Gamepads(const char* deviceFolder = "/dev/input") : watch_(deviceFolder) {}
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;
    ~Gamepads() { close(); }

    // Starts SDL's joystick subsystem and opens the first two pads.
    void open();
    void close();
    // The keyboard's held keys with the pads' folded in, once per logic frame.
    KeyState keysWith(KeyState keyboard, bool steer, Uint32 now);
    // Back went down since the last frame.
    bool backPressed() const { return backPressed_; }
    // Stands in for a pad; a pad that is open overwrites it at the next frame.
    void setPad(int index, const PadState& pad) { pads_[index] = pad; }

  private:
    static PadState read(SDL_Joystick* stick);
    void readOpenPads(Uint32 now);

    SDL_Joystick* sticks_[kPads] = {};
    PadState pads_[kPads];
    Uint8 keys_[SDLK_LAST] = {};
    bool open_ = false;
    bool backHeld_ = false;
    bool backPressed_ = false;
    DeviceFolderWatch watch_;
};
