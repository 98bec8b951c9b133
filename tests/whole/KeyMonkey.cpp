#include "KeyMonkey.h"

namespace {

const int kMenuKeys[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_RETURN,
                         SDLK_w,  SDLK_s,    SDLK_a,    SDLK_d,     SDLK_SPACE};
const int kCraftKeys[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT,
                          SDLK_w,  SDLK_s,    SDLK_a,    SDLK_d};

// Where a game asked for from the menu begins.
const int kLaterStarts[] = {ModeCourse2, ModeCourse3, ModeCutscene1, ModeCourse4, ModeCutscene2};

bool isCourse(int mode) {
    return mode >= ModeCourse1 && mode <= ModeCourse4;
}

}  // namespace

void KeyMonkey::next(const Game& game, Uint8* keys, bool& escape, int& enterAt) {
    escape = false;
    enterAt = 0;
    const int mode = game.mode();
    if (mode == ModeMenu) {
        menu(keys);
        // Escape would end the program here; the monkey tries it anyway.
        escape = chance(500);
        enterAt = chance(400) ? kLaterStarts[below(5)] : 0;
    } else if (isCourse(mode)) {
        course(game, keys, escape);
    } else if (mode == ModeNameEntry) {
        nameEntry(keys);
        escape = chance(300);
    } else {
        escape = chance(250);
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
    randomCraftKeys(keys);
    escape = chance(4000);
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
