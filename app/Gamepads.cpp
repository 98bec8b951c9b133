#include "app/Gamepads.h"

#include <cstdlib>
#include <cstring>

namespace {

// Right, left, up, down for each pad.
constexpr SDLKey kDirectionKeys[Gamepads::kPads][4] = {{SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN},
                                                       {SDLK_d, SDLK_a, SDLK_w, SDLK_s}};

}  // namespace

void Gamepads::addPad(const PadState& pad, int index, bool steer, Uint8* keys) {
    const Uint8* b = pad.buttons;
    const bool held[4] = {pad.stickX >= kDeadZone || (pad.hat & SDL_HAT_RIGHT) || b[DpadRight],
                          pad.stickX <= -kDeadZone || (pad.hat & SDL_HAT_LEFT) || b[DpadLeft],
                          pad.stickY <= -kDeadZone || (pad.hat & SDL_HAT_UP) || b[DpadUp],
                          pad.stickY >= kDeadZone || (pad.hat & SDL_HAT_DOWN) || b[DpadDown]};
    for (int d = 0; d < 4; ++d) {
        if (steer && held[d]) {
            keys[kDirectionKeys[index][d]] = 1;
        }
    }
    if (b[ButtonA]) {
        keys[SDLK_RETURN] = 1;
    }
    if (b[ButtonStart]) {
        keys[SDLK_SPACE] = 1;
    }
}

SDL_Event Gamepads::escapeKeyDown() {
    SDL_Event event = {};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = SDLK_ESCAPE;
    return event;
}

void Gamepads::open() {
    // sdl12-compat reads this as the subsystem starts; a player's own choice
    // stays.
    setenv("SDL12COMPAT_USE_GAME_CONTROLLERS", "1", 0);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return;
    }
    open_ = true;
    // Read once per logic frame; their events would only crowd the queue.
    SDL_JoystickEventState(SDL_IGNORE);
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < kPads && i < count; ++i) {
        sticks_[i] = SDL_JoystickOpen(i);
    }
}

void Gamepads::close() {
    for (int i = 0; i < kPads; ++i) {
        if (sticks_[i]) {
            SDL_JoystickClose(sticks_[i]);
            sticks_[i] = nullptr;
        }
        pads_[i] = PadState();
    }
    if (open_) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        open_ = false;
    }
}

KeyState Gamepads::keysWith(KeyState keyboard, bool steer, Uint32 now) {
    readOpenPads(now);
    std::memcpy(keys_, keyboard, sizeof keys_);
    bool back = false;
    for (int i = 0; i < kPads; ++i) {
        addPad(pads_[i], i, steer, keys_);
        back = back || pads_[i].buttons[ButtonBack];
    }
    backPressed_ = back && !backHeld_;
    backHeld_ = back;
    return keys_;
}

void Gamepads::readOpenPads(Uint32 now) {
    if (open_ && watch_.settledChange(now)) {
        close();
        open();
    }
    if (!open_) {
        return;
    }
    SDL_JoystickUpdate();
    for (int i = 0; i < kPads; ++i) {
        pads_[i] = sticks_[i] ? read(sticks_[i]) : PadState();
    }
}

PadState Gamepads::read(SDL_Joystick* stick) {
    PadState pad;
    pad.stickX = SDL_JoystickGetAxis(stick, 0);
    pad.stickY = SDL_JoystickGetAxis(stick, 1);
    if (SDL_JoystickNumHats(stick) > 0) {
        pad.hat = SDL_JoystickGetHat(stick, 0);
    }
    const int buttons = SDL_JoystickNumButtons(stick);
    for (int b = 0; b < PadState::kButtons && b < buttons; ++b) {
        pad.buttons[b] = SDL_JoystickGetButton(stick, b);
    }
    return pad;
}
