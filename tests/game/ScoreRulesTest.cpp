#include "game/ScoreRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int kMax = ScoreRules::kMaxScore;

TEST(ScoreRulesTest, CrashCostsThirtyButNeverGoesBelowZero) {
    EXPECT_EQ(0, ScoreRules::scoreAfter(29, 1));
    EXPECT_EQ(0, ScoreRules::scoreAfter(30, 12));
    EXPECT_EQ(1, ScoreRules::scoreAfter(31, 1000));
    EXPECT_EQ(0, ScoreRules::scoreAfter(0, 500));
}

TEST(ScoreRulesTest, DoublingHalvingAndPoints) {
    EXPECT_EQ(3, ScoreRules::scoreAfter(7, ScoreRules::kHalve));
    EXPECT_EQ(0, ScoreRules::scoreAfter(0, ScoreRules::kHalve));
    EXPECT_EQ(0, ScoreRules::scoreAfter(0, ScoreRules::kDouble));
    EXPECT_EQ(250, ScoreRules::scoreAfter(125, ScoreRules::kDouble));
    EXPECT_EQ(25, ScoreRules::scoreAfter(10, 1015));
    EXPECT_EQ(110, ScoreRules::scoreAfter(10, 1100));
    EXPECT_EQ(15, ScoreRules::scoreAfter(10, 1005));
    EXPECT_EQ(210, ScoreRules::scoreAfter(10, 1200));
    EXPECT_EQ(10, ScoreRules::scoreAfter(10, 0));
    EXPECT_EQ(10, ScoreRules::scoreAfter(10, -1));
    EXPECT_EQ(10, ScoreRules::scoreAfter(10, INT_MIN));
}

// Repeated doubling used to overflow a signed 32-bit score; scores stop at
// 99,999,999, which fits the highscore file's nine-character slots.
TEST(ScoreRulesTest, ScoresSaturateInsteadOfOverflowing) {
    int score = 1;
    for (int i = 0; i < 40; ++i) {
        score = ScoreRules::scoreAfter(score, ScoreRules::kDouble);
        ASSERT_GT(score, 0);
        ASSERT_LE(score, kMax);
    }
    EXPECT_EQ(kMax, score);
    EXPECT_EQ(kMax, ScoreRules::scoreAfter(50000000, ScoreRules::kDouble));
    EXPECT_EQ(99999998, ScoreRules::scoreAfter(49999999, ScoreRules::kDouble));
    EXPECT_EQ(kMax, ScoreRules::scoreAfter(kMax - 10, 1015));
    EXPECT_EQ(kMax, ScoreRules::scoreAfter(kMax - 15, 1015));
    EXPECT_EQ(kMax - 1, ScoreRules::scoreAfter(kMax - 16, 1015));
    EXPECT_EQ(kMax, ScoreRules::scoreAfter(kMax, INT_MAX));
    EXPECT_EQ(kMax / 2, ScoreRules::scoreAfter(kMax, ScoreRules::kHalve));
    EXPECT_EQ(kMax - 30, ScoreRules::scoreAfter(kMax, 1));
}

TEST(ScoreRulesTest, WhichResultsHitTheCraft) {
    EXPECT_EQ(ScoreRules::kNoHit, ScoreRules::hitDrift(0, false));
    EXPECT_EQ(0, ScoreRules::hitDrift(0, true)) << "course 4 destroys the craft on 0";
    EXPECT_EQ(1, ScoreRules::hitDrift(1, false));
    EXPECT_EQ(1000, ScoreRules::hitDrift(1000, true));
    EXPECT_EQ(ScoreRules::kNoHit, ScoreRules::hitDrift(1001, true));
    EXPECT_EQ(ScoreRules::kNoHit, ScoreRules::hitDrift(ScoreRules::kDouble, false));
    EXPECT_EQ(ScoreRules::kNoHit, ScoreRules::hitDrift(-1, true));
}

}  // namespace
