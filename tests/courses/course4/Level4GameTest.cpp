// The whole course through the real Game, with the generated pictures: a
// pilot flies the approach, waits out the chamber's arrival and rams the
// brain three times.
#include <gtest/gtest.h>

#include "app/FrameStep.h"
#include "courses/course4/BossPilot.h"
#include "support/CourseFlightFixture.h"
#include "support/HeldKeys.h"

namespace {

class Level4GameTest : public CourseFlightFixture {
  protected:
    // Flies player 1 with the pilot until the course is left or the frames
    // run out; player 2, if asked, holds W and keeps crashing into the top
    // band. Returns the number of rams seen.
    int flyCourse(bool crashPlayer2, int maxFrames) {
        FrameStep step(*game_);
        BossPilot pilot;
        int rams = 0;
        int hitPoints = game_->level4().boss().hitPoints();
        for (int frame = 0; frame < maxFrames && game_->mode() == ModeCourse4; ++frame) {
            HeldKeys keys;
            const Player& p = game_->player1();
            int dx = 0, dy = 0;
            pilot.choose(game_->level4(), BossPilot::Craft{p.x(), p.y(), p.vx(), p.vy()}, dx, dy);
            keys.holdDirection(true, dx, dy);
            if (crashPlayer2) {
                keys.hold(SDLK_w);
            }
            step.logicFrame(keys.keys());
            if (frame % 7 == 0) {
                game_->render();
            }
            const int now = game_->level4().boss().hitPoints();
            rams += hitPoints - now;
            hitPoints = now;
        }
        return rams;
    }
};

TEST_F(Level4GameTest, ThreeRamsKillTheBrainAndTheClosingCutsceneFollows) {
    srand(1);
    startCourse(ModeCourse4, 1);
    const int rams = flyCourse(false, 6000);
    EXPECT_EQ(rams, 3);
    EXPECT_EQ(game_->mode(), ModeCutscene2);
    EXPECT_GT(game_->score1(), 0);
}

TEST_F(Level4GameTest, WithOnePlayerOutTheOtherStillWins) {
    srand(2);
    startCourse(ModeCourse4, 2);
    const int rams = flyCourse(true, 6000);
    EXPECT_EQ(game_->status2(), -1);
    EXPECT_EQ(rams, 3);
    EXPECT_EQ(game_->mode(), ModeCutscene2);
}

}  // namespace
