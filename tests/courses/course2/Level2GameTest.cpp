// Course 2 through the real Game with the generated pictures: the autopilot
// flies each craft above the water line until the course flies them into the
// gate, and course 3 starts with the scores and lives course 2 left.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/Autopilot.h"
#include "support/CourseFlightFixture.h"
#include "support/CoursePilot.h"

namespace {

struct Standing {
    int score;
    int lives;
};

struct FlightLog {
    Standing one;
    Standing two;
    bool sweeperSeen;
    bool waterEntered;
};

class Level2GameTest : public CourseFlightFixture {
  protected:
    // Flies course 2 until the game leaves it; the standings are those of the
    // last frame played in the course.
    FlightLog flyCourse() {
        FlightLog log{};
        Autopilot pilot1(CoursePilot::optionsFor(*game_, 2, 1));
        Autopilot pilot2(CoursePilot::optionsFor(*game_, 2, 2));
        flyRace(game_->level2(), pilot1, pilot2, [&] {
            log.one = Standing{game_->score1(), game_->player1().lives()};
            log.two = Standing{game_->score2(), game_->player2().lives()};
            log.sweeperSeen = log.sweeperSeen || game_->level2().sweeper().active;
            log.waterEntered =
                log.waterEntered || game_->player1().y() > 500.0f || game_->player2().y() > 500.0f;
        });
        return log;
    }
};

TEST_F(Level2GameTest, OnePlayerFliesIntoTheGateAndCourse3Follows) {
    std::srand(1);
    startCourse(ModeCourse2, 1);
    const int lives = game_->player1().lives();
    const FlightLog log = flyCourse();
    ASSERT_EQ(ModeCourse3, game_->mode());
    EXPECT_TRUE(log.sweeperSeen);
    EXPECT_FALSE(log.waterEntered);
    EXPECT_EQ(lives, log.one.lives) << "the autopilot kept clear of obstacles and sweeper";
    EXPECT_GT(log.one.score, 0) << "near passes paid";
    EXPECT_EQ(log.one.score, game_->score1());
    EXPECT_EQ(log.one.lives, game_->player1().lives());
}

TEST_F(Level2GameTest, TwoPlayersFlyIntoTheGateAndKeepScoresAndLives) {
    std::srand(2);
    startCourse(ModeCourse2, 2);
    const int lives = game_->player1().lives();
    const FlightLog log = flyCourse();
    ASSERT_EQ(ModeCourse3, game_->mode());
    EXPECT_EQ(lives, log.one.lives);
    EXPECT_EQ(lives, log.two.lives);
    EXPECT_GT(log.one.score + log.two.score, 0);
    EXPECT_EQ(log.one.score, game_->score1());
    EXPECT_EQ(log.two.score, game_->score2());
    EXPECT_EQ(log.one.lives, game_->player1().lives());
    EXPECT_EQ(log.two.lives, game_->player2().lives());
}

}  // namespace
