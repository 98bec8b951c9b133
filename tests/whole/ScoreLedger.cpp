#include "ScoreLedger.h"

namespace {

constexpr int kCrash = 1;  // any result from 1 to 1000
constexpr int kDouble = 2000;
constexpr int kHalve = 3000;

bool hitThisFrame(const Player& craft) {
    return craft.state() == Exploding && craft.stateTimer() == 1 && craft.explosionFrame() == 0;
}

}  // namespace

int ScoreLedger::apply(int score, int result) {
    if (result == kDouble) {
        return 2 * score;
    }
    if (result == kHalve) {
        return score / 2;
    }
    if (result > 1000) {
        return score + result - 1000;
    }
    if (result > 0) {
        return score > 29 ? score - 30 : 0;
    }
    return score;
}

int ScoreLedger::explain(int from, int to, bool hit, bool bossCourse) {
    if (hit) {
        if (to == apply(from, kCrash)) {
            return kCrash;
        }
        // Course 4 destroys a craft for a result of 0 without a penalty.
        return bossCourse && to == from ? 0 : -1;
    }
    if (to == from) {
        return 0;
    }
    for (int points : {5, 10, 15, 100, 200}) {
        if (to - from == points && (points < 100 || bossCourse)) {
            return 1000 + points;
        }
    }
    if (to == apply(from, kDouble)) {
        return kDouble;
    }
    return to == apply(from, kHalve) ? kHalve : -1;
}

void ScoreLedger::before(const Player& craft, int score) {
    scoreBefore_ = score;
    // A craft's respawn may end in the frame's own movement, before the
    // course tests it.
    mayBeHit_ = craft.state() == Flying || craft.state() == Respawning;
}

void ScoreLedger::count(int result) {
    if (result == kDouble || result == kHalve) {
        ++bonuses_;
    } else if (result >= 1100) {
        ++rams_;
    } else if (result > 1000) {
        ++nearPasses_;
    } else if (result > 0) {
        ++crashes_;
    }
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
    lastResult_ = result;
    count(result);
    total_ = apply(total_, result);
    if (total_ != score) {
        return ::testing::AssertionFailure() << "frame " << frame << ": the results add up to "
                                             << total_ << ", the game shows " << score;
    }
    return ::testing::AssertionSuccess();
}
