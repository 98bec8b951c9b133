// Course 1 inside the real Game, flown by the autopilot from a new game to
// the start of course 2, with the tests' own small course 1 pictures.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/FrameStep.h"
#include "support/Autopilot.h"
#include "support/Course1Pictures.h"
#include "support/CourseFlightFixture.h"
#include "support/CoursePilot.h"
#include "support/HeldKeys.h"

namespace {

// A score after one reported result, as the game's scoring has it.
int applyResult(int result, int score) {
    if (result == 2000) {
        return 2 * score;
    }
    if (result == 3000) {
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

struct Flight {
    int frames = 0;
    int expected1 = 0;
    int expected2 = 0;
    int crashes = 0;
    int passes = 0;
};

class Course1GameTest : public CourseFlightFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Course1Pictures::write(folder_.path()));
        // The other screens' pictures are absent: each says "null".
        enterAndLoad();
    }

    // Flies until the game leaves course 1, checking every frame that the
    // course ends exactly when its progress reports 100 and that each score
    // follows what the course reported for that player.
    Flight fly() {
        Flight f;
        FrameStep step(*game_);
        Autopilot pilot1(CoursePilot::optionsFor(*game_, 1, 1));
        Autopilot pilot2(CoursePilot::optionsFor(*game_, 1, 2));
        Box boxes[Level1::kSlots];
        const bool two = game_->playerCount() == 2;
        while (game_->mode() == ModeCourse1 && f.frames < 3000) {
            ++f.frames;
            HeldKeys keys;
            const int count = game_->level1().hazardBoxes(boxes, Level1::kSlots);
            press(keys, game_->player1(), pilot1, boxes, count);
            if (two) {
                press(keys, game_->player2(), pilot2, boxes, count);
            }
            step.logicFrame(keys.keys());
            const bool finished = game_->level1().progress() == 100;
            EXPECT_EQ(finished, game_->mode() == ModeCourse2) << "frame " << f.frames;
            if (finished) {
                break;
            }
            tally(game_->level1().lastResult(1), f.expected1, f);
            EXPECT_EQ(f.expected1, game_->score1()) << "frame " << f.frames;
            if (two) {
                tally(game_->level1().lastResult(2), f.expected2, f);
                EXPECT_EQ(f.expected2, game_->score2()) << "frame " << f.frames;
            }
            if (f.frames % 10 == 0) {
                game_->render();
            }
        }
        return f;
    }
    static void tally(int result, int& score, Flight& f) {
        score = applyResult(result, score);
        f.crashes += result > 0 && result <= 1000 ? 1 : 0;
        f.passes += result > 1000 && result < 2000 ? 1 : 0;
    }
};

TEST_F(Course1GameTest, OnePlayerFliesFromANewGameIntoCourseTwo) {
    game_->setPlayerCount(1);
    srand(1);
    game_->setMode(ModeCourse1);
    const int lives = game_->player1().lives();
    const Flight f = fly();
    ASSERT_EQ(ModeCourse2, game_->mode());
    EXPECT_GT(f.frames, 36 * 30);
    EXPECT_EQ(0, f.crashes);
    EXPECT_GT(f.passes, 0);
    EXPECT_EQ(f.expected1, game_->score1());
    EXPECT_EQ(lives, game_->player1().lives());
    EXPECT_FLOAT_EQ(50.0f, game_->player1().x());
    EXPECT_FLOAT_EQ(200.0f, game_->player1().y());
    EXPECT_TRUE(game_->player1().isFlying());
    EXPECT_EQ(0, game_->seconds());
}

TEST_F(Course1GameTest, TwoPlayersFlyFromANewGameIntoCourseTwo) {
    game_->setPlayerCount(2);
    srand(1);
    game_->setMode(ModeCourse1);
    const Flight f = fly();
    ASSERT_EQ(ModeCourse2, game_->mode());
    EXPECT_EQ(0, f.crashes);
    EXPECT_GT(f.passes, 0);
    EXPECT_EQ(f.expected1, game_->score1());
    EXPECT_EQ(f.expected2, game_->score2());
    for (const Player* craft : {&game_->player1(), &game_->player2()}) {
        EXPECT_FLOAT_EQ(50.0f, craft->x());
        EXPECT_FLOAT_EQ(craft == &game_->player1() ? 200.0f : 250.0f, craft->y());
        EXPECT_TRUE(craft->isFlying());
    }
    EXPECT_NE(-1, game_->status1());
    EXPECT_NE(-1, game_->status2());
}

}  // namespace
