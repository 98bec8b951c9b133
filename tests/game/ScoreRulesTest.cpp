#include "game/ScoreRules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

constexpr int kMax = ScoreRules::kMaxScore;

TEST(ScoreRulesTest, CrashesCostThirtyDownToZeroDoublingHalvingAndPoints) {
    const int d = ScoreRules::kDouble, h = ScoreRules::kHalve;
    // score, result, score after
    const int cases[][3] = {{29, 1, 0},     {30, 12, 0},     {31, 1000, 1},    {0, 500, 0},
                            {7, h, 3},      {0, h, 0},       {0, d, 0},        {125, d, 250},
                            {10, 1015, 25}, {10, 1100, 110}, {10, 1005, 15},   {10, 1200, 210},
                            {10, 0, 10},    {10, -1, 10},    {10, INT_MIN, 10}};
    for (const auto& c : cases) {
        EXPECT_EQ(c[2], ScoreRules::scoreAfter(c[0], c[1])) << c[0] << " after " << c[1];
    }
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
    const int none = ScoreRules::kNoHit;
    // result, boss course, drift; course 4 destroys the craft on 0
    const int cases[][3] = {{0, 0, none},    {0, 1, 0},       {1, 0, 1},
                            {1000, 1, 1000}, {1001, 1, none}, {ScoreRules::kDouble, 0, none},
                            {-1, 1, none}};
    for (const auto& c : cases) {
        EXPECT_EQ(c[2], ScoreRules::hitDrift(c[0], c[1] == 1)) << c[0] << ", boss " << c[1];
    }
}

}  // namespace
