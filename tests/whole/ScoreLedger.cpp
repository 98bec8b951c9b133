#include "ScoreLedger.h"

#include "game/ScoreRules.h"

namespace {

constexpr int kCrash = 1;  // any result from 1 to 1000

bool hitThisFrame(const Player& craft) {
    return craft.state() == Exploding && craft.stateTimer() == 1 && craft.explosionFrame() == 0;
}

}  // namespace

int ScoreLedger::explain(int from, int to, bool hit, bool bossCourse) {
    if (hit) {
        if (to == ScoreRules::scoreAfter(from, kCrash)) {
            return kCrash;
        }
        // Course 4 destroys a craft for a result of 0 without a penalty.
        return bossCourse && to == from ? 0 : -1;
    }
    // Rams (100 and 200 points) are course 4's alone.
    for (int result : {0, 1005, 1010, 1015, 1100, 1200, ScoreRules::kDouble, ScoreRules::kHalve}) {
        const bool ram = result == 1100 || result == 1200;
        if ((bossCourse || !ram) && to == ScoreRules::scoreAfter(from, result)) {
            return result;
        }
    }
    return -1;
}

void ScoreLedger::before(const Player& craft, int score) {
    scoreBefore_ = score;
    // A craft's respawn may end in the frame's own movement, before the
    // course tests it.
    mayBeHit_ = craft.state() == Flying || craft.state() == Respawning;
}

::testing::AssertionResult ScoreLedger::after(int frame, const Player& craft, int score,
                                              bool bossCourse) {
    const bool hit = hitThisFrame(craft);
    if (hit && !mayBeHit_) {
        return ::testing::AssertionFailure()
               << "frame " << frame << ": a craft that was neither flying nor respawning was hit";
    }
    const int result = explain(scoreBefore_, score, hit, bossCourse);
    if (result < 0) {
        return ::testing::AssertionFailure()
               << "frame " << frame << ": the score went from " << scoreBefore_ << " to " << score
               << (hit ? " with" : " without") << " a hit, which no single result does";
    }
    rams_ += result >= 1100 && result < 2000 ? 1 : 0;
    nearPasses_ += result > 1000 && result < 1100 ? 1 : 0;
    total_ = ScoreRules::scoreAfter(total_, result);
    if (total_ != score) {
        return ::testing::AssertionFailure() << "frame " << frame << ": the results add up to "
                                             << total_ << ", the game shows " << score;
    }
    return ::testing::AssertionSuccess();
}
