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

struct Standing {
    int score;
    int lives;
};

class Level3GameTest : public CourseFlightFixture {
  protected:
    // Flies course 3 until the game leaves it; returns the standings of the
    // last frame played in the course.
    void flyCourse(Standing& one, Standing& two) {
        Autopilot pilot1(CoursePilot::optionsFor(*game_, 3, 1));
        Autopilot pilot2(CoursePilot::optionsFor(*game_, 3, 2));
        flyRace(game_->level3(), pilot1, pilot2, [&] {
            one = Standing{game_->score1(), game_->player1().lives()};
            two = Standing{game_->score2(), game_->player2().lives()};
        });
    }

    // Runs the cutscene with no key held until course 4 begins.
    void watchCutscene() {
        FrameStep step(*game_);
        const HeldKeys none;
        for (int frame = 0; frame < 20000 && game_->mode() == ModeCutscene1; ++frame) {
            step.logicFrame(none.keys());
        }
    }
};

TEST_F(Level3GameTest, OnePlayerFliesThroughToTheCutsceneAndKeepsScoreAndLives) {
    std::srand(1);
    startCourse(ModeCourse3, 1);
    const int lives = game_->player1().lives();
    Standing one{}, two{};
    flyCourse(one, two);
    ASSERT_EQ(ModeCutscene1, game_->mode());
    EXPECT_EQ(lives, one.lives) << "the autopilot kept clear of bands and obstacles";
    EXPECT_GT(one.score, 0) << "near passes paid";
    EXPECT_EQ(one.score, game_->score1());
    EXPECT_EQ(one.lives, game_->player1().lives());

    watchCutscene();
    ASSERT_EQ(ModeCourse4, game_->mode());
    EXPECT_EQ(one.score, game_->score1());
    EXPECT_EQ(one.lives, game_->player1().lives());
}

TEST_F(Level3GameTest, TwoPlayersFlyThroughToTheCutsceneAndKeepScoresAndLives) {
    std::srand(2);
    startCourse(ModeCourse3, 2);
    const int lives = game_->player1().lives();
    Standing one{}, two{};
    flyCourse(one, two);
    ASSERT_EQ(ModeCutscene1, game_->mode());
    EXPECT_EQ(lives, one.lives);
    EXPECT_EQ(lives, two.lives);
    EXPECT_GT(one.score + two.score, 0);

    watchCutscene();
    ASSERT_EQ(ModeCourse4, game_->mode());
    EXPECT_EQ(one.score, game_->score1());
    EXPECT_EQ(two.score, game_->score2());
    EXPECT_EQ(one.lives, game_->player1().lives());
    EXPECT_EQ(two.lives, game_->player2().lives());
    EXPECT_NE(-1, game_->status1());
    EXPECT_NE(-1, game_->status2());
}

}  // namespace
