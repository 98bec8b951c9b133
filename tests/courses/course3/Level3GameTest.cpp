// Course 3 through the real Game with the generated pictures: the autopilot
// flies each craft through the channel until the course flies them out, and
// the scores and lives the course left are the ones course 4 starts with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/FrameStep.h"
#include "game/Game.h"
#include "support/Autopilot.h"
#include "support/HeadlessScreen.h"
#include "support/HeldKeys.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

struct Standing {
    int score;
    int lives;
};

class Level3GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Loading rewrites the pictures' first bytes: work on a copy.
        std::error_code ec;
        std::filesystem::copy(std::string(KAVREL_RUN_FOLDER) + "/data", folder_.file("data"),
                              std::filesystem::copy_options::recursive, ec);
        ASSERT_FALSE(ec) << ec.message();
        here_ = std::make_unique<WorkingDirectory>(folder_.path());
        ASSERT_TRUE(here_->entered());
        testing::internal::CaptureStdout();
        game_->loadAll(screen_.surface());
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override { here_.reset(); }

    void startCourse3(int players) {
        game_->setPlayerCount(players);
        game_->setMode(ModeCourse1);
        game_->setMode(ModeCourse3);
    }

    AutopilotOptions pilotFor(AutopilotKeys keys, float homeY) const {
        const int band = game_->level3().bandHeight();
        AutopilotOptions options;
        options.keys = keys;
        options.homeY = homeY;
        options.minY = static_cast<float>(band);
        options.maxY = static_cast<float>(600 - 40 - band);
        options.minDrift = 10;
        options.maxDrift = 24;
        return options;
    }

    static void press(HeldKeys& keys, const Player& craft, Autopilot& pilot, const Box* hazards,
                      int count) {
        int dx = 0;
        int dy = 0;
        pilot.choose(CraftMotion{craft.x(), craft.y(), craft.vx(), craft.vy()}, hazards, count, dx,
                     dy);
        const bool arrows = pilot.options().keys == AutopilotKeys::Arrows;
        if (dx != 0) {
            keys.hold(dx > 0 ? (arrows ? SDLK_RIGHT : SDLK_d) : (arrows ? SDLK_LEFT : SDLK_a));
        }
        if (dy != 0) {
            keys.hold(dy > 0 ? (arrows ? SDLK_DOWN : SDLK_s) : (arrows ? SDLK_UP : SDLK_w));
        }
    }

    // Flies course 3 until the game leaves it; returns the standings of the
    // last frame played in the course.
    void flyCourse(Standing& one, Standing& two) {
        FrameStep step(*game_);
        Autopilot pilot1(pilotFor(AutopilotKeys::Arrows, 200.0f));
        Autopilot pilot2(pilotFor(AutopilotKeys::Wasd, 330.0f));
        Box boxes[Level3::kMaxHazards];
        for (int frame = 0; frame < 3000 && game_->mode() == ModeCourse3; ++frame) {
            one = Standing{game_->score1(), game_->player1().lives()};
            two = Standing{game_->score2(), game_->player2().lives()};
            HeldKeys keys;
            const int count = game_->level3().hazardBoxes(boxes, Level3::kMaxHazards);
            press(keys, game_->player1(), pilot1, boxes, count);
            if (game_->playerCount() == 2) {
                press(keys, game_->player2(), pilot2, boxes, count);
            }
            step.logicFrame(keys.keys());
            if (frame % 7 == 0) {
                game_->render();
            }
        }
    }

    // Runs the cutscene with no key held until course 4 begins.
    void watchCutscene() {
        FrameStep step(*game_);
        const HeldKeys none;
        for (int frame = 0; frame < 20000 && game_->mode() == ModeCutscene1; ++frame) {
            step.logicFrame(none.keys());
        }
    }

    HeadlessScreen screen_;
    TempFolder folder_;
    std::unique_ptr<WorkingDirectory> here_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
};

TEST_F(Level3GameTest, OnePlayerFliesThroughToTheCutsceneAndKeepsScoreAndLives) {
    std::srand(1);
    startCourse3(1);
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
    startCourse3(2);
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
