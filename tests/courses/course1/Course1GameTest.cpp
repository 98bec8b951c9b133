// Course 1 inside the real Game, flown by the autopilot from a new game to
// the start of course 2, with the tests' own small course 1 pictures.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/ScoreRules.h"
#include "support/Course1Pictures.h"
#include "support/CourseFlightFixture.h"
#include "support/CoursePilot.h"

namespace {

// Course 1 as the flight loop reads a course's hazards.
struct Course1Hazards {
    static constexpr int kMaxHazards = Level1::kSlots;
    const Level1& course;
    int hazardBoxes(Box* boxes, int capacity) const { return course.hazardBoxes(boxes, capacity); }
};

class Course1GameTest : public CourseFlightFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(Course1Pictures::write(folder_.path()));
        // The other screens' pictures are absent: each says "null".
        enterAndLoad();
    }
};

// The course goes on until the frame its progress reports 100, and each
// score follows what the course reported for that player in every frame.
TEST_F(Course1GameTest, OneAndTwoPlayersFlyFromANewGameIntoCourseTwo) {
    for (int players = 1; players <= 2; ++players) {
        SCOPED_TRACE(players);
        game_->setPlayerCount(players);
        srand(1);
        game_->setMode(ModeCourse1);
        const Level1& course = game_->level1();
        const int lives = game_->player1().lives();
        Autopilot pilot1(CoursePilot::optionsFor(*game_, 1, 1));
        Autopilot pilot2(CoursePilot::optionsFor(*game_, 1, 2));
        int frames = 0, crashes = 0, passes = 0;
        int expected[2] = {0, 0};
        flyRace(Course1Hazards{course}, pilot1, pilot2, [&] {
            if (frames++ == 0) {
                return;
            }
            EXPECT_NE(100, course.progress()) << "frame " << frames;
            for (int p = 0; p < players; ++p) {
                const int result = course.lastResult(p + 1);
                expected[p] = ScoreRules::scoreAfter(expected[p], result);
                crashes += result > 0 && result <= 1000 ? 1 : 0;
                passes += result > 1000 && result < 2000 ? 1 : 0;
            }
            EXPECT_EQ(expected[0], game_->score1()) << "frame " << frames;
            EXPECT_EQ(expected[1], game_->score2()) << "frame " << frames;
        });
        ASSERT_EQ(ModeCourse2, game_->mode());
        EXPECT_EQ(100, course.progress());
        EXPECT_GT(frames, 36 * 30);
        EXPECT_EQ(0, crashes);
        EXPECT_GT(passes, 0);
        EXPECT_EQ(0, game_->seconds());
        for (int p = 1; p <= players; ++p) {
            const Player& craft = p == 1 ? game_->player1() : game_->player2();
            EXPECT_EQ(expected[p - 1], p == 1 ? game_->score1() : game_->score2());
            EXPECT_EQ(lives, craft.lives());
            EXPECT_NE(-1, p == 1 ? game_->status1() : game_->status2());
            EXPECT_FLOAT_EQ(50.0f, craft.x());
            EXPECT_FLOAT_EQ(p == 1 ? 200.0f : 250.0f, craft.y());
            EXPECT_TRUE(craft.isFlying());
        }
    }
}

}  // namespace
