#include "highscore/HighscoreScreen.h"

#include <cstring>

#include "highscore/HighscoreFile.h"
#include "highscore/HighscoreTable.h"

namespace {

constexpr int kKeyBackspace = 8;
constexpr int kKeyReturn = 13;
constexpr int kKeyA = 97;
constexpr int kTitleX = 486;
constexpr int kTitleY = 350;
constexpr int kNameX = 486;
constexpr int kNameY = 450;
constexpr int kLetterStep = 15;

}  // namespace

void HighscoreScreen::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    startingLives_ = 3;
    loadObxImage(background_, "data/MU/mu002.obx", screen);
    loadObxImage(title_, "data/H/h000.obx", screen);
    loadNumberedObxImages(letters_, kLetters, "data/H/h%03d.obx", 1, screen);
    loadNumberedObxImages(digits_, kDigits, "data/H/h%03d.obx", 1 + kLetters, screen);
}

void HighscoreScreen::enter(int finalScore, int startingLives) {
    score_ = finalScore;
    startingLives_ = startingLives;
    nameLength_ = 0;
    name_[0] = '\0';
    returnLatch_ = 0;
    backspaceLatch_ = 0;
    std::memset(letterLatches_, 0, sizeof letterLatches_);
}

void HighscoreScreen::typeLetters(KeyState keys) {
    for (int i = 0; i < kLetters; ++i) {
        if (!keys[kKeyA + i]) {
            letterLatches_[i] = 0;
        } else if (!letterLatches_[i] && nameLength_ < kMaxNameLength) {
            letterLatches_[i] = 1;
            name_[nameLength_++] = static_cast<char>('A' + i);
            name_[nameLength_] = '\0';
        }
    }
}

void HighscoreScreen::eraseLetter(KeyState keys) {
    if (!keys[kKeyBackspace]) {
        backspaceLatch_ = 0;
    } else if (!backspaceLatch_) {
        backspaceLatch_ = 1;
        if (nameLength_ > 0) {
            name_[--nameLength_] = '\0';
        }
    }
}

int HighscoreScreen::handleInput(KeyState keys) {
    typeLetters(keys);
    eraseLetter(keys);
    if (!keys[kKeyReturn]) {
        returnLatch_ = 0;
        return -1;
    }
    if (returnLatch_) {
        return -1;
    }
    returnLatch_ = 1;
    saveEntry();
    return 1;
}

void HighscoreScreen::saveEntry() const {
    char name[kMaxNameLength + 1] = {};
    std::memcpy(name, name_, static_cast<size_t>(nameLength_));
    HighscoreTable table;
    readStoredHighscores(table);
    table.insertHighscore(name, startingLives_, score_);
    table.updateChecksum();
    saveHighscoreTable(table);
}

void HighscoreScreen::draw() {
    background_.draw(screen_, 0, 0);
    title_.draw(screen_, kTitleX, kTitleY);
    for (int i = 0; i < nameLength_; ++i) {
        letters_[name_[i] - 'A'].draw(screen_, kNameX + kLetterStep * i, kNameY);
    }
}
