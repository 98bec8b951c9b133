#include <gtest/gtest.h>

#include "player/Player.h"
#include "support/HeldKeys.h"

namespace {

int step(Player& p) {
    return p.updateInput(HeldKeys().keys());
}

TEST(PlayerDamage, WreckDriftsWithWhatItHitAndKeepsItsSpeedUntilItReturns) {
    Player p(2);
    p.start(1);
    p.setLives(2);
    p.updateInput(HeldKeys{SDLK_d, SDLK_s}.keys());
    p.steerTo(600.0f, 300.0f);
    p.hit(6);
    EXPECT_EQ(6, p.drift());
    for (int frame = 1; frame <= 48; ++frame) {
        step(p);
        ASSERT_EQ(550.0f - 6.0f * frame, p.x());
        ASSERT_EQ(239.0f, p.y());
    }
    EXPECT_FLOAT_EQ(1.3f, p.vx());
    EXPECT_FLOAT_EQ(1.3f, p.vy());
    step(p);
    EXPECT_EQ(50.0f, p.x());
    EXPECT_EQ(250.0f, p.y()) << "player 2 comes back at its own start point";
    EXPECT_EQ(0.0f, p.vx());
    EXPECT_EQ(0.0f, p.vy());
}

// The return reports -1 when it takes the last life, and a craft without
// lives leaves play instead of counting on.
TEST(PlayerDamage, LastLifeReportsMinusOneInTheFrameOfTheReturn) {
    struct Case {
        int lives;
        int reported;
    };
    for (const Case& c : {Case{1, -1}, Case{2, 1}, Case{0, -1}}) {
        SCOPED_TRACE(c.lives);
        Player p;
        p.start(2, 1);
        p.setLives(c.lives);
        p.hit(3);
        EXPECT_FALSE(p.isFlying());
        for (int i = 0; i < 48; ++i) {
            ASSERT_EQ(1, step(p));
        }
        EXPECT_EQ(c.reported, step(p));
        if (c.lives > 0) {
            EXPECT_EQ(c.lives - 1, p.lives());
        }
        EXPECT_EQ(Respawning, p.state());
        EXPECT_FALSE(p.isFlying());
        EXPECT_EQ(50.0f, p.x());
    }
}

TEST(PlayerDamage, HitRestartsAnExplosionOrAReturn) {
    Player p;
    p.start(1, 1);
    p.setLives(4);
    p.hit(0);
    for (int i = 0; i < 10; ++i) {
        step(p);
    }
    p.hit(2);
    EXPECT_EQ(1, p.stateTimer());
    EXPECT_EQ(0, p.explosionFrame());
    EXPECT_EQ(2, p.drift());

    for (int i = 0; i < 60; ++i) {
        step(p);
    }
    ASSERT_EQ(Respawning, p.state());
    p.hit(0);
    EXPECT_EQ(Exploding, p.state());
    EXPECT_EQ(1, p.stateTimer());
    EXPECT_EQ(3, p.lives());
}

}  // namespace
