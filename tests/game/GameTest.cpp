#include "game/Game.h"

#include <gtest/gtest.h>

#include "support/GameFixture.h"
#include "support/HeldKeys.h"

namespace {

class GameTest : public GameFixture {
  protected:
    void runClock(int frames, int secondsToAdd) {
        for (int i = 0; i < frames; ++i) {
            game->perFrameTick();
        }
        for (int i = 0; i < secondsToAdd; ++i) {
            game->perSecondTick();
        }
    }
    bool clockAtZero() const {
        return game->frameCounter() == 0 && game->seconds() == 0 && game->minutes() == 0;
    }
    static Position startOf(int number, int course, int playerCount) {
        Player fresh(number);
        fresh.start(course, playerCount);
        return fresh.position();
    }
};

TEST_F(GameTest, CutscenesAndCoursesRestartTheClock) {
    load();
    game->setMode(ModeCourse1);
    for (int mode :
         {ModeCutscene0, ModeCutscene1, ModeCutscene2, ModeCourse2, ModeCourse3, ModeCourse4}) {
        runClock(7, 65);
        game->setMode(mode);
        EXPECT_EQ(mode, game->mode());
        EXPECT_TRUE(clockAtZero()) << "mode " << mode;
    }
    for (int mode : {int{ModeMenu}, int{ModeNameEntry}, 8, 9, 11}) {
        runClock(7, 5);
        game->setMode(mode);
        EXPECT_EQ(mode, game->mode());
        EXPECT_FALSE(clockAtZero()) << "mode " << mode << " keeps the clock";
    }
}

// Resetting scores and statuses for a new game is CourseRulesTest's; here
// that each course puts the crafts at their points with the chosen lives.
TEST_F(GameTest, EachCourseStartsTheCraftsAtTheirPoints) {
    load();
    game->setPlayerCount(2);
    game->setMode(ModeCourse1);
    const int lives = game->startingLives();
    ASSERT_GT(lives, 0) << "a new game takes the menu's lives";
    for (int mode : {ModeCourse1, ModeCourse2, ModeCourse3, ModeCourse4}) {
        SCOPED_TRACE(mode);
        game->setMode(mode);
        EXPECT_EQ(lives, game->player1().lives());
        EXPECT_EQ(lives, game->player2().lives());
        EXPECT_FLOAT_EQ(startOf(1, mode - 2, 2).x, game->player1().position().x);
        EXPECT_FLOAT_EQ(startOf(1, mode - 2, 2).y, game->player1().position().y);
        EXPECT_FLOAT_EQ(startOf(2, mode - 2, 1).y, game->player2().position().y);
    }
}

// That every course pauses and goes on is CoursePauseTest's; here the
// toggle itself and the stopped clock.
TEST_F(GameTest, SpaceTogglesThePauseOncePerPressAndThePauseStopsTheClock) {
    load();
    EXPECT_EQ(ModeMenu, game->mode());
    HeldKeys space{SDLK_SPACE};
    HeldKeys none;
    game->update(space.keys());
    EXPECT_FALSE(game->isPaused()) << "no pause in the menu";
    game->update(none.keys());

    game->setMode(ModeCourse3);
    game->update(space.keys());
    ASSERT_TRUE(game->isPaused());
    for (int i = 0; i < 30; ++i) {
        game->perFrameTick();
        game->perSecondTick();
        EXPECT_EQ(-1, game->update(i < 5 ? space.keys() : none.keys()));
    }
    EXPECT_TRUE(game->isPaused()) << "holding Space toggles once";
    EXPECT_TRUE(clockAtZero());
    game->update(space.keys());
    EXPECT_FALSE(game->isPaused());
}

// A course left with Escape while paused used to leave the pause standing,
// and the next game's opening cutscene stood still.
TEST_F(GameTest, MenuClearsAPauseLeftStanding) {
    load();
    game->setMode(ModeCourse2);
    HeldKeys space{SDLK_SPACE};
    game->update(space.keys());
    ASSERT_TRUE(game->isPaused());
    game->setMode(ModeMenu);
    EXPECT_FALSE(game->isPaused());
    game->setMode(ModeCutscene0);
    game->perFrameTick();
    game->perSecondTick();
    EXPECT_EQ(1, game->frameCounter());
    EXPECT_EQ(1, game->seconds());
}

}  // namespace
