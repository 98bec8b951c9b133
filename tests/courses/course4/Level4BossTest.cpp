#include <cmath>
#include <cstdlib>
#include <set>

#include "courses/course4/Level4Fixture.h"
#include "support/RandCalls.h"

class Level4BossTest : public Level4Fixture {
  protected:
    // A still drift point, so that only the wobble moves the brain.
    void holdDriftPoint(int x, int y) { level.boss().setDriftPoint(x, y, x, y); }
};

TEST_F(Level4BossTest, TheBeamCycleBeginsOnlyWithTheBrainAtOrLeftOf520) {
    enterBossFight();
    BrainBoss& boss = level.boss();
    boss.setBrainPosition(521, 250);
    boss.setAttack(159, BrainBoss::Drifting);
    level.bossStep();
    EXPECT_EQ(boss.attackTimer(), 0);
    EXPECT_EQ(boss.attackPhase(), BrainBoss::Drifting);
    boss.setBrainPosition(400, 250);
    boss.setRetreating(1);
    boss.setAttack(159, BrainBoss::Drifting);
    level.bossStep();
    EXPECT_EQ(boss.attackTimer(), 0) << "a retreating brain skips its attack";
    boss.setRetreating(0);

    holdDriftPoint(320, 250);  // keeps the brain at x 310..330
    boss.setBrainPosition(520, 250);
    boss.setBossClock(1);
    boss.setAttack(159, BrainBoss::Drifting);
    level.bossStep();
    EXPECT_EQ(boss.attackTimer(), 160);
    // Until the beam is over the brain and the clock stand still, but the
    // charge shakes the brain on its odd steps.
    const int x = boss.brain().x;
    const int y = boss.brain().y;
    const int clock = boss.bossClock();
    const int shots = activeShots();
    for (int step = 161; step <= 220; ++step) {
        level.bossStep();
        const int expected = step < 175   ? BrainBoss::Charging
                             : step < 220 ? BrainBoss::Firing
                                          : BrainBoss::Drifting;
        EXPECT_EQ(boss.attackPhase(), expected) << "step " << step;
        if (step < 220) {
            const int shake = step <= 174 && step % 2 == 1 ? 3 : 0;
            EXPECT_EQ(boss.brain().y, y + shake) << "step " << step;
            EXPECT_EQ(boss.brain().x, x);
            EXPECT_EQ(boss.bossClock(), clock);
        }
    }
    EXPECT_EQ(boss.attackTimer(), 0);
    EXPECT_EQ(activeShots(), shots);
}

TEST_F(Level4BossTest, TheFirstArrivalStepFiresAVolley) {
    enterChamberArrival();
    runFrames(1);
    EXPECT_EQ(activeShots(), 4);
    EXPECT_EQ(level.boss().bossClock(), 1);
}

// Where the shots go is the replays' to hold; here, when and from where.
TEST_F(Level4BossTest, AVolleyOfFourLeavesOneOfTwoMouthsEveryTwentiethStep) {
    enterBossFight();
    std::set<int> mouths;
    for (int volley = 0; volley < 40; ++volley) {
        for (int i = 0; i < Level4::kProjectileSlots; ++i) {
            level.setProjectile(i, Projectile{});
        }
        level.boss().setBossClock(20 * volley + 19);
        level.boss().setAttack(0, BrainBoss::Drifting);
        level.bossStep();  // clock 19 -> 20: no volley
        ASSERT_EQ(activeShots(), 0);
        level.boss().setBossClock(20 * volley + 20);
        level.bossStep();
        ASSERT_EQ(activeShots(), 4);
        for (int i = 1; i < 4; ++i) {
            EXPECT_EQ(level.projectile(i).y, level.projectile(0).y);
        }
        mouths.insert(level.projectile(0).y);
    }
    EXPECT_EQ(mouths.size(), 2u);
}

TEST_F(Level4BossTest, AFullSetOfShotsLosesTheVolleyButNotItsRandCalls) {
    enterBossFight();
    for (int i = 0; i < Level4::kProjectileSlots; ++i) {
        level.setProjectile(i, shotAt(300, 0, 0));
    }
    level.boss().setBossClock(40);
    level.boss().setAttack(0, BrainBoss::Drifting);
    srand(5);
    level.bossStep();
    EXPECT_EQ(activeShots(), 40);
    EXPECT_EQ(6, randCallsSince(5)) << "mouth, base and the four spreads; no shot draws its own";
}

TEST_F(Level4BossTest, RamsCostHitPointsEndTheBeamAndTheThirdKills) {
    enterBossFight();
    level.takeSoundEvent();
    level.boss().setAttack(200, BrainBoss::Firing);
    EXPECT_EQ(level.hurtBrain(), 1100);
    EXPECT_EQ(level.boss().attackTimer(), 0) << "the beam ends at once";
    EXPECT_EQ(level.boss().attackPhase(), BrainBoss::Drifting);
    EXPECT_EQ(level.boss().retreating(), 1);
    EXPECT_EQ(level.boss().targetX(), 620);
    EXPECT_EQ(level.boss().targetY(), 300);
    EXPECT_EQ(level.hurtBrain(), 1100);
    EXPECT_EQ(level.takeSoundEvent(), 15);
    EXPECT_EQ(level.state(), BossFight);
    level.boss().setBossClock(30);
    EXPECT_EQ(level.hurtBrain(), 1200);
    EXPECT_EQ(level.takeSoundEvent(), 16);
    EXPECT_EQ(level.state(), BossDeath);
    EXPECT_EQ(level.boss().bossClock(), 0);
    EXPECT_FALSE(level.inBossFight());
}

// Player 1's update runs the first death step itself, with its volley, so
// its killing ram finishes the course a frame sooner than player 2's.
TEST_F(Level4BossTest, AKillingRamFinishesTheCourse63Or64FramesLater) {
    for (int player = 1; player <= 2; ++player) {
        SCOPED_TRACE(player);
        srand(1);
        level.reset();
        enterBossFight();
        level.boss().setHitPoints(1);
        freezeBrainAt(430, 250);
        const int shots = activeShots();
        if (player == 1) {
            EXPECT_EQ(level.updatePlayer1(ramX(), ramY(), true), 1200);
            EXPECT_EQ(level.boss().bossClock(), 1);
            EXPECT_EQ(activeShots(), shots + 4);
        } else {
            EXPECT_EQ(level.updatePlayer1(0.0f, 280.0f, false), -1);
            EXPECT_EQ(level.updatePlayer2(ramX(), ramY(), true), 1200);
            EXPECT_EQ(level.boss().bossClock(), 0);
        }
        EXPECT_EQ(level.state(), BossDeath);
        const int frames = player == 1 ? 63 : 64;
        for (int frame = 1; frame < frames; ++frame) {
            runFrames(1);
            ASSERT_FALSE(level.isFinished()) << frame;
        }
        runFrames(1);
        EXPECT_TRUE(level.isFinished());
    }
}

TEST_F(Level4BossTest, ShotsStopMovingOnceTheBrainIsDead) {
    enterBossFight();
    level.setProjectile(0, shotAt(300, 300, 3, 1));
    level.boss().setHitPoints(1);
    level.hurtBrain();
    runFrames(10);
    EXPECT_EQ(level.projectile(0).x, 300);
    EXPECT_EQ(level.projectile(0).y, 300);
    // The walls shake every frame of the fade.
    const int wall = level.frontWall().x;
    runFrames(1);
    EXPECT_EQ(std::abs(level.frontWall().x - wall), 5);
}
