#pragma once

#include <SDL.h>

#include <random>

#include "game/Game.h"

// A player who presses keys at random, with its own seeded generator (the
// game's rand sequence stays the game's): it wanders the menu's pages and
// options and starts games, sits through or skips cutscenes, flies courses,
// pauses, types names, and presses Escape now and then. Random flying seldom
// gets far, so now and then it asks from the menu for a game entered at a
// later course or at the closing cutscene.
class KeyMonkey {
  public:
    explicit KeyMonkey(unsigned seed) : random_(seed) {}

    // The keys to hold in the next frame (SDLK_LAST entries), whether to
    // press Escape before it, and the mode to enter a new game at instead
    // (0 for none).
    void next(const Game& game, Uint8* keys, bool& escape, int& enterAt);

  private:
    int below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    void menu(Uint8* keys);
    void course(const Game& game, Uint8* keys, bool& escape);
    void nameEntry(Uint8* keys);
    void randomCraftKeys(Uint8* keys);

    std::mt19937 random_;
    int heldKey_ = 0;
    int holdFrames_ = 0;
    int pauseFrames_ = 0;
    bool spaceHeld_ = false;
};
