#include "app/Gamepads.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "support/HeldKeys.h"
#include "support/TempFolder.h"

namespace {

PadState pad(Sint16 x, Sint16 y, Uint8 hat, std::initializer_list<int> buttons) {
    PadState state;
    state.stickX = x;
    state.stickY = y;
    state.hat = hat;
    for (int b : buttons) {
        state.buttons[b] = 1;
    }
    return state;
}

std::set<int> heldKeys(const PadState& state, int index, bool steer) {
    Uint8 keys[SDLK_LAST] = {};
    Gamepads::addPad(state, index, steer, keys);
    std::set<int> held;
    for (int k = 0; k < SDLK_LAST; ++k) {
        if (keys[k]) {
            held.insert(k);
        }
    }
    return held;
}

TEST(GamepadsTest, StickHatAndButtonsBecomeTheKeysOfTheirPad) {
    struct Case {
        PadState state;
        std::set<int> first;   // as pad 1, steering
        std::set<int> second;  // as pad 2, steering
    };
    const Uint8 c = SDL_HAT_CENTERED;
    for (const Case& t : {
             // A quarter of the stick's travel is rest; half of it steers.
             Case{pad(8000, -8000, c, {}), {}, {}},
             Case{pad(16000, -16000, c, {}), {SDLK_RIGHT, SDLK_UP}, {SDLK_d, SDLK_w}},
             Case{pad(-32768, 32767, c, {}), {SDLK_LEFT, SDLK_DOWN}, {SDLK_a, SDLK_s}},
             Case{pad(0, 0, SDL_HAT_RIGHTUP, {}), {SDLK_RIGHT, SDLK_UP}, {SDLK_d, SDLK_w}},
             Case{pad(0, 0, SDL_HAT_LEFTDOWN, {}), {SDLK_LEFT, SDLK_DOWN}, {SDLK_a, SDLK_s}},
             Case{pad(0, 0, c, {11, 14}), {SDLK_UP, SDLK_RIGHT}, {SDLK_w, SDLK_d}},
             Case{pad(0, 0, c, {12, 13}), {SDLK_DOWN, SDLK_LEFT}, {SDLK_s, SDLK_a}},
             // A, Start; B and Back are no keys.
             Case{pad(0, 0, c, {0, 6}), {SDLK_RETURN, SDLK_SPACE}, {SDLK_RETURN, SDLK_SPACE}},
             Case{pad(0, 0, c, {1, 4}), {}, {}},
         }) {
        EXPECT_EQ(t.first, heldKeys(t.state, 0, true));
        EXPECT_EQ(t.second, heldKeys(t.state, 1, true));
    }
    // The name entry: no directions, so a pad types no letters.
    const PadState all = pad(32767, 32767, SDL_HAT_LEFTUP, {0, 11, 12, 13, 14});
    EXPECT_EQ(std::set<int>{SDLK_RETURN}, heldKeys(all, 1, false));
}

TEST(GamepadsTest, PadsJoinTheKeyboardAndBackActsOncePerPress) {
    Gamepads pads;
    const HeldKeys keyboard{SDLK_q};
    pads.setPad(1, pad(0, 0, SDL_HAT_UP, {Gamepads::ButtonBack}));
    KeyState keys = pads.keysWith(keyboard.keys(), true, 0);
    EXPECT_TRUE(keys[SDLK_q] && keys[SDLK_w]);
    EXPECT_FALSE(keyboard.keys()[SDLK_w]) << "the keyboard's own state was written";
    EXPECT_TRUE(pads.backPressed());
    pads.keysWith(keyboard.keys(), true, 34);
    EXPECT_FALSE(pads.backPressed()) << "a held Back acted again";
    pads.setPad(1, PadState());
    pads.keysWith(keyboard.keys(), true, 68);
    pads.setPad(0, pad(0, 0, SDL_HAT_CENTERED, {Gamepads::ButtonBack}));
    pads.keysWith(keyboard.keys(), true, 102);
    EXPECT_TRUE(pads.backPressed());
}

// SDL 1.2 sees only the pads there when its joystick subsystem starts; a
// change among the input devices starts it again once it has settled.
TEST(GamepadsTest, AChangeAmongTheDevicesStartsTheJoysticksAgain) {
    TempFolder devices;
    Gamepads pads(devices.path().c_str());
    pads.open();
    const HeldKeys keyboard;
    // Opening turns the joystick events off; seeing them off again tells
    // that the pads were opened anew.
    const auto reopenedAt = [&](Uint32 now) {
        SDL_JoystickEventState(SDL_ENABLE);
        pads.keysWith(keyboard.keys(), true, now);
        return SDL_JoystickEventState(SDL_QUERY) == SDL_IGNORE;
    };
    EXPECT_FALSE(reopenedAt(1000));
    std::ofstream(devices.file("js0")) << "";
    EXPECT_FALSE(reopenedAt(1999)) << "looked again within the second";
    EXPECT_FALSE(reopenedAt(2000)) << "a change taken before it settled";
    EXPECT_TRUE(reopenedAt(3000));
    EXPECT_FALSE(reopenedAt(4000));
    pads.close();
    EXPECT_EQ(0u, SDL_WasInit(SDL_INIT_JOYSTICK));

    DeviceFolderWatch nowhere(devices.file("none").c_str());
    EXPECT_FALSE(nowhere.settledChange(0) || nowhere.settledChange(1000));
}

}  // namespace
