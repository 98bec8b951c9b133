#include "game/ScoreRules.h"

namespace {

int clampScore(int score) {
    if (score < 0) {
        return 0;
    }
    return score > ScoreRules::kMaxScore ? ScoreRules::kMaxScore : score;
}

int addSaturated(int score, int points) {
    if (points >= ScoreRules::kMaxScore - score) {
        return ScoreRules::kMaxScore;
    }
    return score + points;
}

}  // namespace

int ScoreRules::scoreAfter(int score, int result) {
    score = clampScore(score);
    if (result > 1000) {
        if (result == kDouble) {
            return addSaturated(score, score);
        }
        if (result == kHalve) {
            return score / 2;
        }
        return addSaturated(score, result - 1000);
    }
    if (result > 0) {
        return score > kCrashPenalty - 1 ? score - kCrashPenalty : 0;
    }
    return score;
}

int ScoreRules::hitDrift(int result, bool bossCourse) {
    if (result > 0 && result <= 1000) {
        return result;
    }
    if (result == 0 && bossCourse) {
        return 0;
    }
    return kNoHit;
}
