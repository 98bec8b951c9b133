#pragma once

// How a course's LevelResult for one craft changes that player's score and
// whether it destroys the craft. Scores saturate at kMaxScore, so repeated
// doubling can neither overflow nor outgrow the highscore file's slots.
class ScoreRules {
  public:
    static constexpr int kMaxScore = 99999999;
    static constexpr int kCrashPenalty = 30;
    static constexpr int kDouble = 2000;
    static constexpr int kHalve = 3000;
    static constexpr int kNoHit = -1;

    // The score after result. Both columns (courses 1 to 3, course 4) agree
    // on the score; they differ only in what a result of 0 does to the craft.
    static int scoreAfter(int score, int result);
    // The drift of the hit the result causes, or kNoHit.
    static int hitDrift(int result, bool bossCourse);

    // Applies result to score and craft as the Game does in a course frame:
    // the penalty first, then the hit.
    template <class Craft>
    static void apply(int result, bool bossCourse, int& score, Craft& craft) {
        score = scoreAfter(score, result);
        const int drift = hitDrift(result, bossCourse);
        if (drift != kNoHit) {
            craft.hit(drift);
        }
    }
};
