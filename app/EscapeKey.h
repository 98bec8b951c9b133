#pragma once

#include "game/Game.h"

// What Escape does on each screen: it quits from the menu, skips the two
// cutscenes before a course into that course, and leaves everything else for
// the menu (a running game is abandoned with no highscore entry).
class EscapeKey {
  public:
    static constexpr int kQuit = 0;

    // The mode Escape leads to from mode, or kQuit.
    static int nextMode(int mode);
    // Acts on the game; returns 1 when the program is to end.
    static int act(Game& game);
};
