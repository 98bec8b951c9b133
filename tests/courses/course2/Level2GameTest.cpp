// Course 2 through the real Game with the generated pictures: the autopilot
// flies each craft above the water line until the course flies them into the
// gate, and course 3 starts with the scores and lives course 2 left.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/Autopilot.h"
#include "support/CourseFlightFixture.h"
#include "support/CoursePilot.h"

namespace {

using Level2GameTest = CourseFlightFixture;

TEST_F(Level2GameTest, OneAndTwoPlayersFlyIntoTheGateAndKeepScoresAndLives) {
    for (int players = 1; players <= 2; ++players) {
        SCOPED_TRACE(players);
        std::srand(players);
        startCourse(ModeCourse2, players);
        const int lives = game_->player1().lives();
        Autopilot pilot1(CoursePilot::optionsFor(*game_, 2, 1));
        Autopilot pilot2(CoursePilot::optionsFor(*game_, 2, 2));
        // The standings of the last frame played in the course.
        int score[2] = {0, 0}, left[2] = {0, 0};
        bool sweeperSeen = false, waterEntered = false;
        flyRace(game_->level2(), pilot1, pilot2, [&] {
            score[0] = game_->score1();
            score[1] = game_->score2();
            left[0] = game_->player1().lives();
            left[1] = game_->player2().lives();
            sweeperSeen = sweeperSeen || game_->level2().sweeper().active;
            waterEntered =
                waterEntered || game_->player1().y() > 500.0f || game_->player2().y() > 500.0f;
        });
        ASSERT_EQ(ModeCourse3, game_->mode());
        EXPECT_TRUE(sweeperSeen);
        EXPECT_FALSE(waterEntered);
        EXPECT_GT(score[0] + score[1], 0) << "near passes paid";
        EXPECT_EQ(score[0], game_->score1());
        EXPECT_EQ(left[0], game_->player1().lives());
        EXPECT_EQ(lives, left[0]) << "the autopilot kept clear of obstacles and sweeper";
        if (players == 2) {
            EXPECT_EQ(score[1], game_->score2());
            EXPECT_EQ(left[1], game_->player2().lives());
            EXPECT_EQ(lives, left[1]);
        }
    }
}

}  // namespace
