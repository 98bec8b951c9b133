#pragma once

#include <SDL.h>

#include "game/Game.h"
#include "record/Autopilot.h"
#include "record/BossPilot.h"

// Flies every craft still in a running game through whichever course the
// game is in: the planning autopilot through courses 1 to 3 (set up for each
// course: near passes in course 1, above the water in course 2, between the
// bands in course 3) and the boss pilot through course 4. Player 1 flies by
// the arrows, player 2 by W, A, S, D. A fresh course gets fresh pilots.
class CoursePilot {
  public:
    // A careful pilot keeps well clear of the obstacles in course 1 instead
    // of seeking near passes.
    void setCareful(bool careful) { careful_ = careful; }
    // A ramming pilot flies player 1 at the nearest hazard of courses 1 to 3,
    // for tests that want a crash.
    void setRamming(bool ramming) { ramming_ = ramming; }

    // Holds this frame's keys in keys (SDLK_LAST entries), on top of what is
    // held there already. Outside the courses it holds nothing.
    void press(const Game& game, Uint8* keys);

    // The pilots' settings for one craft in course 1, 2 or 3.
    static AutopilotOptions optionsFor(const Game& game, int course, int player,
                                       bool careful = false);

  private:
    void startCourse(const Game& game, int mode);
    void pressRace(const Game& game, Uint8* keys);
    void pressBoss(const Game& game, Uint8* keys);
    static void pressDirection(int player, int dx, int dy, Uint8* keys);
    static void ram(const Player& craft, const Box* boxes, int count, int& dx, int& dy);
    static bool inGame(const Game& game, int player);

    int mode_ = 0;
    bool careful_ = false;
    bool ramming_ = false;
    Autopilot pilots_[2];
    BossPilot bossPilots_[2];
};
