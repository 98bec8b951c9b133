// Course 3 through the real Game with the generated pictures: the autopilot
// flies each craft through the channel until the course flies them out, and
// the scores and lives the course left are the ones course 4 starts with.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/FrameStep.h"
#include "support/Autopilot.h"
#include "support/CourseFlightFixture.h"
#include "support/CoursePilot.h"
#include "support/HeldKeys.h"

namespace {

using Level3GameTest = CourseFlightFixture;

TEST_F(Level3GameTest, OneAndTwoPlayersFlyThroughTheCutsceneAndKeepScoresAndLives) {
    for (int players = 1; players <= 2; ++players) {
        SCOPED_TRACE(players);
        std::srand(players);
        startCourse(ModeCourse3, players);
        const int lives = game_->player1().lives();
        Autopilot pilot1(CoursePilot::optionsFor(*game_, 3, 1));
        Autopilot pilot2(CoursePilot::optionsFor(*game_, 3, 2));
        // The standings of the last frame played in the course.
        int score[2] = {0, 0}, left[2] = {0, 0};
        flyRace(game_->level3(), pilot1, pilot2, [&] {
            score[0] = game_->score1();
            score[1] = game_->score2();
            left[0] = game_->player1().lives();
            left[1] = game_->player2().lives();
        });
        ASSERT_EQ(ModeCutscene1, game_->mode());
        EXPECT_EQ(lives, left[0]) << "the autopilot kept clear of bands and obstacles";
        EXPECT_GT(score[0] + score[1], 0) << "near passes paid";
        EXPECT_EQ(score[0], game_->score1());
        EXPECT_EQ(left[0], game_->player1().lives());

        FrameStep step(*game_);
        const HeldKeys none;
        for (int frame = 0; frame < 20000 && game_->mode() == ModeCutscene1; ++frame) {
            step.logicFrame(none.keys());
        }
        ASSERT_EQ(ModeCourse4, game_->mode());
        EXPECT_EQ(score[0], game_->score1());
        EXPECT_EQ(left[0], game_->player1().lives());
        EXPECT_NE(-1, game_->status1());
        if (players == 2) {
            EXPECT_EQ(lives, left[1]);
            EXPECT_EQ(score[1], game_->score2());
            EXPECT_EQ(left[1], game_->player2().lives());
            EXPECT_NE(-1, game_->status2());
        }
    }
}

}  // namespace
