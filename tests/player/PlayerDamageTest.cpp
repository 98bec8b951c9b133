#include <gtest/gtest.h>

#include "Keyboard.h"
#include "player/Player.h"

namespace {

int step(Player& p) {
    return p.updateInput(Keyboard().keys());
}

TEST(PlayerDamage, ExplosionTimelineAndReturn) {
    Player p;
    p.start(1, 1);
    p.setLives(3);
    p.steerTo(300.0f, 250.0f);
    p.hit(0);
    EXPECT_EQ(Exploding, p.state());
    EXPECT_FALSE(p.isFlying());
    EXPECT_EQ(250.0f, p.x()) << "the corner moves to centre the larger explosion pictures";
    EXPECT_EQ(189.0f, p.y());
    EXPECT_EQ(1, p.stateTimer());
    EXPECT_EQ(0, p.explosionFrame());

    // Picture k shows while the timer is 2k or 2k + 1.
    for (int timer = 2; timer < 50; ++timer) {
        ASSERT_EQ(1, step(p));
        ASSERT_EQ(timer, p.stateTimer());
        ASSERT_EQ(timer / 2, p.explosionFrame());
        ASSERT_EQ(Exploding, p.state());
        ASSERT_EQ(250.0f, p.x()) << "drift 0 explodes in place";
    }

    EXPECT_EQ(1, step(p));  // the 49th frame
    EXPECT_EQ(Respawning, p.state());
    EXPECT_EQ(50, p.stateTimer());
    EXPECT_EQ(50.0f, p.x());
    EXPECT_EQ(200.0f, p.y());
    EXPECT_EQ(2, p.lives());
    EXPECT_FALSE(p.isFlying());

    // Fifty more frames of blinking, steered by the keys, then flying again.
    for (int i = 0; i < 49; ++i) {
        step(p);
    }
    EXPECT_EQ(Respawning, p.state());
    step(p);
    EXPECT_EQ(Flying, p.state());
}

TEST(PlayerDamage, WreckDriftsWithWhatItHitAndKeepsItsSpeedUntilItReturns) {
    Player p(2);
    p.start(1);
    p.setLives(2);
    p.updateInput(Keyboard{SDLK_d, SDLK_s}.keys());
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

TEST(PlayerDamage, LastLifeReportsMinusOneInTheFrameOfTheReturn) {
    Player p;
    p.start(2, 1);
    p.setLives(1);
    p.hit(3);
    for (int i = 0; i < 48; ++i) {
        ASSERT_EQ(1, step(p));
    }
    EXPECT_EQ(-1, step(p));
    EXPECT_EQ(0, p.lives());
    EXPECT_EQ(Respawning, p.state());
    EXPECT_EQ(50.0f, p.x());

    // With lives to spare the return reports 1.
    Player q;
    q.start(2, 1);
    q.setLives(2);
    q.hit(3);
    int last = 0;
    for (int i = 0; i < 49; ++i) {
        last = step(q);
    }
    EXPECT_EQ(1, last);
    EXPECT_EQ(1, q.lives());
}

TEST(PlayerDamage, CraftWithoutLivesLeavesPlayInsteadOfCountingOn) {
    Player p;
    p.start(1, 1);
    p.setLives(0);
    p.hit(0);
    int last = 0;
    for (int i = 0; i < 49; ++i) {
        last = step(p);
    }
    EXPECT_EQ(-1, last);
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
