#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "game/Types.h"

// The name entry shown when a game's better score beats the table's lowest:
// the player types up to nine letters and Return stores the result.
class HighscoreScreen {
  public:
    static constexpr int kMaxNameLength = 9;
    static constexpr int kLetters = 26;
    static constexpr int kDigits = 10;

    void loadImages(SDL_Surface* screen);
    void enter(int finalScore, int startingLives);
    // 1 in the frame the entry is saved; -1 otherwise.
    int handleInput(KeyState keys);
    void draw();

    int nameLength() const { return nameLength_; }
    // The typed letters, without a terminating zero beyond nameLength.
    const char* name() const { return name_; }

  private:
    void typeLetters(KeyState keys);
    void eraseLetter(KeyState keys);
    void saveEntry() const;

    SDL_Surface* screen_ = nullptr;
    ObxImage background_;
    ObxImage title_;
    ObxImage letters_[kLetters];
    ObxImage digits_[kDigits];
    int score_ = 0;
    int startingLives_ = 3;
    char name_[kMaxNameLength + 1] = {};
    int nameLength_ = 0;
    Uint8 returnLatch_ = 0;
    Uint8 backspaceLatch_ = 0;
    Uint8 letterLatches_[kLetters] = {};
};
