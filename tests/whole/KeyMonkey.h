#pragma once

#include <SDL.h>

#include <random>

#include "game/Game.h"
#include "support/CoursePilot.h"

// A player who presses keys at random, with its own seeded generator (the
// game's rand sequence stays the game's): it wanders the menu's pages and
// options and starts games, sits through or skips cutscenes, flies courses
// by turns with the pilot and at random, pauses, types names, and presses
// Escape now and then. Some of its games are flown with care, so that the
// later courses and the boss are reached as well.
class KeyMonkey {
  public:
    explicit KeyMonkey(unsigned seed) : random_(seed) {}

    // The keys to hold in the next frame (SDLK_LAST entries), and whether to
    // press Escape before it.
    void next(const Game& game, Uint8* keys, bool& escape);

    int pilotFrames() const { return pilotFrames_; }

  private:
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    void menu(Uint8* keys);
    void cutscene(bool& escape);
    void course(const Game& game, Uint8* keys, bool& escape);
    void nameEntry(Uint8* keys);
    void randomCraftKeys(Uint8* keys);

    std::mt19937 random_;
    CoursePilot pilot_;
    int lastMode_ = 0;
    bool careful_ = false;
    int heldKey_ = 0;
    int holdFrames_ = 0;
    int segmentFrames_ = 0;
    bool piloting_ = true;
    int pauseFrames_ = 0;
    bool spaceHeld_ = false;
    int pilotFrames_ = 0;
};
