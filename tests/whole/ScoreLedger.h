#pragma once

#include <gtest/gtest.h>

#include "player/Player.h"

// One player's score, kept frame by frame as the sum of the results the game
// applied: each frame's change must be the work of exactly one result (a
// near pass, a ram, a crash, a doubling or a halving, or nothing), a crash
// exactly when the craft was hit in that frame, and the ledger's own total,
// made by applying those results in turn, must be the game's score.
class ScoreLedger {
  public:
    // What the craft and score were before a frame.
    void before(const Player& craft, int score);
    // Checks the frame that followed.
    ::testing::AssertionResult after(int frame, const Player& craft, int score, bool bossCourse);

    // The score the applied results add up to.
    int total() const { return total_; }
    int nearPasses() const { return nearPasses_; }
    int rams() const { return rams_; }

  private:
    // The one result that turns from into to; -1 when none does.
    static int explain(int from, int to, bool hit, bool bossCourse);

    int scoreBefore_ = 0;
    bool mayBeHit_ = false;
    int total_ = 0;
    int nearPasses_ = 0;
    int rams_ = 0;
};
