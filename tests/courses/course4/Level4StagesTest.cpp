#include <cstdlib>

#include "courses/course4/Level4Fixture.h"

using Level4StagesTest = Level4Fixture;

// A reset, here after a finished game, starts the course afresh.
TEST_F(Level4StagesTest, ResetStartsTheApproachAfreshWithItsMusicOnce) {
    enterBossFight();
    level.hurtBrain();
    level.hurtBrain();
    level.hurtBrain();
    ASSERT_EQ(level.state(), BossDeath);
    runFrames(64);
    ASSERT_TRUE(level.isFinished());
    level.reset();
    EXPECT_EQ(level.state(), Playing);
    EXPECT_FALSE(level.isFinished());
    EXPECT_EQ(level.takeSoundEvent(), 4);
    EXPECT_EQ(level.takeSoundEvent(), -1);
    EXPECT_EQ(level.takeBounce(), 0);
    EXPECT_EQ(level.boss().hitPoints(), 3);
    EXPECT_EQ(level.boss().retreating(), 0);
    for (int i = 0; i < Level4::kObstacleSlots; ++i) {
        EXPECT_FALSE(level.obstacle(i).active);
    }
    for (int i = 0; i < Level4::kProjectileSlots; ++i) {
        EXPECT_FALSE(level.projectile(i).active);
    }
}

TEST_F(Level4StagesTest, ChamberArrivesInFrame321AndStopsInFrame521) {
    runFrames(320);
    EXPECT_EQ(level.state(), Playing);
    EXPECT_EQ(level.wrapCount(), 0);
    runFrames(1);
    EXPECT_EQ(level.state(), ChamberArrival);
    EXPECT_EQ(level.wrapCount(), 1);
    EXPECT_EQ(level.chamberX(), 795);
    EXPECT_EQ(level.bottomBand(1).x, 795);
    EXPECT_EQ(level.boss().bossClock(), 0);

    runFrames(199);
    EXPECT_EQ(level.state(), ChamberArrival);
    EXPECT_EQ(level.chamberX(), -200);
    runFrames(1);
    EXPECT_EQ(level.courseFrames(), 521);
    EXPECT_EQ(level.state(), BossFight);
    EXPECT_TRUE(level.inBossFight());
    EXPECT_EQ(level.chamberX(), -200);
    EXPECT_EQ(level.bottomBand(1).speed, 0);
    EXPECT_EQ(level.damageValue(), 0);
    // Wraps during the arrival do not count.
    EXPECT_EQ(level.wrapCount(), 1);
}

TEST_F(Level4StagesTest, ChamberOvershootingItsPlaceStopsAtMinus200) {
    enterChamberArrival();
    level.setChamberX(-197);
    runFrames(1);
    EXPECT_EQ(level.state(), BossFight);
    EXPECT_EQ(level.chamberX(), -200);
    EXPECT_EQ(level.bottomBand(1).speed, 0);
}

TEST_F(Level4StagesTest, NothingScrollsOnceTheFightHasBegun) {
    enterBossFight();
    const int background = level.farBackground(0).x;
    const int top = level.topBand(1).x;
    const int bottom = level.bottomBand(0).x;
    runFrames(100);
    EXPECT_EQ(level.farBackground(0).x, background);
    EXPECT_EQ(level.topBand(1).x, top);
    EXPECT_EQ(level.bottomBand(0).x, bottom);
    EXPECT_EQ(level.chamberX(), -200);
    EXPECT_EQ(level.chamberPiece(0).x, -200);
    EXPECT_EQ(level.state(), BossFight);
}

TEST_F(Level4StagesTest, ObstaclesSpawnOnlyDuringTheApproach) {
    int spawned = 0;
    for (int frame = 0; frame < 320; ++frame) {
        runFrames(1);
        for (int i = 0; i < Level4::kObstacleSlots; ++i) {
            const Obstacle& obstacle = level.obstacle(i);
            if (obstacle.active && obstacle.x == 800 - obstacle.speed) {
                ++spawned;
            }
        }
    }
    EXPECT_GT(spawned, 0);
    enterBossFight();
    runFrames(60);  // the last obstacles leave
    for (int i = 0; i < Level4::kObstacleSlots; ++i) {
        EXPECT_FALSE(level.obstacle(i).active);
    }
}
