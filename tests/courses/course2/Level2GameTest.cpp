// Course 2 through the real Game with the generated pictures: the autopilot
// flies each craft above the water line until the course flies them into the
// gate, and course 3 starts with the scores and lives course 2 left.
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

struct FlightLog {
    Standing one;
    Standing two;
    bool sweeperSeen;
    bool waterEntered;
};

class Level2GameTest : public ::testing::Test {
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

    void startCourse2(int players) {
        game_->setPlayerCount(players);
        game_->setMode(ModeCourse1);
        game_->setMode(ModeCourse2);
    }

    // Kept above the water, where the craft answers its keys at full speed.
    static AutopilotOptions pilotFor(AutopilotKeys keys, float homeY) {
        AutopilotOptions options;
        options.keys = keys;
        options.homeY = homeY;
        options.maxY = 500.0f;
        options.minDrift = 5;
        options.maxDrift = 20;
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

    // Flies course 2 until the game leaves it; the standings are those of the
    // last frame played in the course.
    FlightLog flyCourse() {
        FlightLog log{};
        FrameStep step(*game_);
        Autopilot pilot1(pilotFor(AutopilotKeys::Arrows, 200.0f));
        Autopilot pilot2(pilotFor(AutopilotKeys::Wasd, 360.0f));
        Box boxes[Level2::kMaxHazards];
        for (int frame = 0; frame < 3000 && game_->mode() == ModeCourse2; ++frame) {
            log.one = Standing{game_->score1(), game_->player1().lives()};
            log.two = Standing{game_->score2(), game_->player2().lives()};
            log.sweeperSeen = log.sweeperSeen || game_->level2().sweeper().active;
            log.waterEntered =
                log.waterEntered || game_->player1().y() > 500.0f || game_->player2().y() > 500.0f;
            HeldKeys keys;
            const int count = game_->level2().hazardBoxes(boxes, Level2::kMaxHazards);
            press(keys, game_->player1(), pilot1, boxes, count);
            if (game_->playerCount() == 2) {
                press(keys, game_->player2(), pilot2, boxes, count);
            }
            step.logicFrame(keys.keys());
            if (frame % 7 == 0) {
                game_->render();
            }
        }
        return log;
    }

    HeadlessScreen screen_;
    TempFolder folder_;
    std::unique_ptr<WorkingDirectory> here_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
};

TEST_F(Level2GameTest, OnePlayerFliesIntoTheGateAndCourse3Follows) {
    std::srand(1);
    startCourse2(1);
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
    startCourse2(2);
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
