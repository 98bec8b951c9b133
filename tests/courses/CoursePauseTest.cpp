#include <gtest/gtest.h>

#include "support/GameFixture.h"
#include "support/HeldKeys.h"

namespace {

using CoursePauseTest = GameFixture;

// Space pauses the boss course as it does the others: the craft stands still
// with its keys held until Space comes again.
TEST_F(CoursePauseTest, SpacePausesEveryCourseAndSpaceAgainGoesOn) {
    load();
    const HeldKeys space{SDLK_SPACE};
    const HeldKeys right{SDLK_RIGHT};
    game->setMode(ModeCourse1);
    for (int mode : {ModeCourse1, ModeCourse2, ModeCourse3, ModeCourse4}) {
        SCOPED_TRACE(mode);
        game->setMode(mode);
        game->update(space.keys());
        ASSERT_TRUE(game->isPaused());
        const float x = game->player1().x();
        game->update(right.keys());
        EXPECT_FLOAT_EQ(x, game->player1().x());
        game->update(space.keys());
        EXPECT_FALSE(game->isPaused());
        game->update(right.keys());
        EXPECT_GT(game->player1().x(), x);
    }
}

}  // namespace
