#include "KeyMonkey.h"

namespace {

const int kMenuKeys[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN,
                         SDLK_w,  SDLK_s,    SDLK_a,    SDLK_d,     SDLK_SPACE};
const int kCraftKeys[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT,
                          SDLK_w,  SDLK_s,    SDLK_a,    SDLK_d};

constexpr int kCarefulPilotFrames = 8000;

bool isCourse(int mode) {
    return mode >= ModeCourse1 && mode <= ModeCourse4;
}

}  // namespace

void KeyMonkey::next(const Game& game, Uint8* keys, bool& escape) {
    escape = false;
    const int mode = game.mode();
    if (mode == ModeCourse1 && lastMode_ != ModeCourse1) {
        // The pilot's planning is the costly part of a frame: careful games
        // stop once it has flown enough of them to reach the boss twice.
        careful_ = pilotFrames_ < kCarefulPilotFrames && chance(3);
    }
    lastMode_ = mode;
    if (mode == ModeMenu) {
        menu(keys);
        // Escape would end the program here; the monkey tries it anyway.
        escape = chance(500);
    } else if (isCourse(mode)) {
        course(game, keys, escape);
    } else if (mode == ModeNameEntry) {
        nameEntry(keys);
        escape = chance(300);
    } else {
        cutscene(escape);
        if (chance(20)) {
            randomCraftKeys(keys);
        }
    }
    spaceHeld_ = keys[SDLK_SPACE] != 0;
}

// Holds one key for a few frames, then lets go for a few.
void KeyMonkey::menu(Uint8* keys) {
    if (holdFrames_ <= 0) {
        heldKey_ = heldKey_ == 0 ? kMenuKeys[below(10)] : 0;
        holdFrames_ = 1 + below(heldKey_ == 0 ? 3 : 4);
    }
    --holdFrames_;
    if (heldKey_ != 0) {
        keys[heldKey_] = 1;
    }
}

void KeyMonkey::cutscene(bool& escape) {
    escape = chance(careful_ ? 2000 : 250);
}

void KeyMonkey::course(const Game& game, Uint8* keys, bool& escape) {
    // Space pauses; after a while it goes down once more and resumes. The
    // game's own pause flag decides, so a press the latch swallowed is made
    // good on the next frame.
    if (game.isPaused()) {
        if (pauseFrames_ > 0) {
            --pauseFrames_;
        } else {
            keys[SDLK_SPACE] = spaceHeld_ ? 0 : 1;
        }
        return;
    }
    if (chance(600)) {
        keys[SDLK_SPACE] = spaceHeld_ ? 0 : 1;
        pauseFrames_ = 2 + below(60);
        return;
    }
    if (--segmentFrames_ <= 0) {
        piloting_ = careful_ || chance(10);
        segmentFrames_ = piloting_ ? 50 + below(150) : 20 + below(60);
    }
    if (piloting_) {
        ++pilotFrames_;
        pilot_.press(game, keys);
    } else {
        randomCraftKeys(keys);
    }
    escape = chance(careful_ ? 40000 : 4000);
}

void KeyMonkey::nameEntry(Uint8* keys) {
    if (chance(3)) {
        keys[SDLK_a + below(26)] = 1;
    }
    if (chance(15)) {
        keys[SDLK_BACKSPACE] = 1;
    }
    if (chance(25)) {
        keys[SDLK_RETURN] = 1;
    }
}

void KeyMonkey::randomCraftKeys(Uint8* keys) {
    for (int i = below(3); i > 0; --i) {
        keys[kCraftKeys[below(8)]] = 1;
    }
}
