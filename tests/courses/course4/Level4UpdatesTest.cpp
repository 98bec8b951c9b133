#include <algorithm>

#include "courses/course4/Level4Fixture.h"

class Level4UpdatesTest : public Level4Fixture {
  protected:
    // A craft well clear of the chamber, the brain and the bands.
    static constexpr float kClearX = 100.0f;
    static constexpr float kClearY = 300.0f;

    void SetUp() override {
        Level4Fixture::SetUp();
        level.takeSoundEvent();
    }
};

TEST_F(Level4UpdatesTest, AShotInTheFightCostsTheCraftButNoPointsAndFliesOn) {
    enterChamberArrival();
    level.setProjectile(0, shotAt(144, 310));
    EXPECT_EQ(level.updatePlayer1(kClearX, kClearY, true), -1) << "not while the chamber arrives";
    EXPECT_EQ(level.projectile(0).x, 140);  // drifting with the field
    EXPECT_EQ(level.updatePlayer2(kClearX, kClearY, true), -1);

    enterBossFight();
    calmBoss();
    level.setProjectile(7, shotAt(142, 310));
    EXPECT_EQ(level.updatePlayer1(kClearX, kClearY, true), 0);
    EXPECT_EQ(level.takeSoundEvent(), 10);
    EXPECT_TRUE(level.projectile(7).active);
    EXPECT_EQ(level.projectile(7).x, 140);
    // Player 2 meets it where player 1's update left it.
    EXPECT_EQ(level.updatePlayer2(kClearX, kClearY, true), 0);
    EXPECT_EQ(level.projectile(7).x, 140);
    // A centre outside the craft's box (its outer pixels do not count).
    level.setProjectile(7, shotAt(kClearX + 84 - 5 + 2, 310));
    EXPECT_EQ(level.updatePlayer1(kClearX, kClearY, true), -1);
}

TEST_F(Level4UpdatesTest, BandsHurtWithTheirOwnSpeed) {
    EXPECT_EQ(level.updatePlayer1(kClearX, 10.0f, true), 5);
    EXPECT_EQ(level.takeSoundEvent(), 10);
    EXPECT_EQ(level.updatePlayer1(kClearX, 515.0f, true), 5);
    EXPECT_EQ(level.updatePlayer2(kClearX, 540.0f, true), 5);
    // In the fight the bands are harmless; in the fade only the stopped
    // bottom tile is, as it is tested with its speed 0.
    enterBossFight();
    calmBoss();
    // Low enough to touch the bottom band but not the floor's solid part.
    EXPECT_EQ(level.updatePlayer1(kClearX, 515.0f, true), -1);
    level.boss().setHitPoints(1);
    level.hurtBrain();
    const float onSecondTile = static_cast<float>(level.bottomBand(1).x + 100);
    EXPECT_EQ(level.updatePlayer1(onSecondTile, 540.0f, true), 0);
}

TEST_F(Level4UpdatesTest, TheFrontWallHurtsFiveWhileArrivingAndZeroInTheFight) {
    enterChamberArrival();
    runFrames(100);
    const int chamberX = level.chamberX() - 5;  // where the next frame puts it
    const float wallX = static_cast<float>(chamberX + 1000 - 160 + 130 - 83);
    EXPECT_EQ(level.updatePlayer1(wallX, 250.0f, true), 5);
    EXPECT_EQ(level.takeSoundEvent(), 10);
    enterBossFight();
    calmBoss();
    EXPECT_EQ(level.updatePlayer1(800 - 30 - 83, 250.0f, true), 0);
    EXPECT_EQ(level.takeSoundEvent(), 10);
    EXPECT_EQ(level.updatePlayer2(800 - 30 - 83, 250.0f, true), 0);
}

TEST_F(Level4UpdatesTest, TheChamberPiecesHurtByTheirSolidPixelsOnly) {
    enterBossFight();
    calmBoss();
    EXPECT_EQ(level.updatePlayer1(kClearX, 30.0f, true), 0);  // ceiling
    // The floor picture starts at 465 but is solid from 560 only.
    EXPECT_EQ(level.updatePlayer1(kClearX, 510.0f, true), -1);
    EXPECT_EQ(level.updatePlayer1(kClearX, 530.0f, true), 0);
}

TEST_F(Level4UpdatesTest, RammingTheBrainPaysAndBouncesOnce) {
    enterBossFight();
    freezeBrainAt(430, 250);
    // Segment 1 overlaps the brain's right half; the nose at (465, 270) is
    // inside both, and that is a ram.
    ASSERT_EQ(level.boss().segment(1).x, 450);
    ASSERT_LE(level.boss().segment(1).y, 253);
    EXPECT_EQ(level.updatePlayer1(465.0f - 83.0f, 270.0f - 28.0f, true), 1100);
    EXPECT_EQ(level.takeSoundEvent(), 15);
    EXPECT_EQ(level.takeBounce(), 1);
    EXPECT_EQ(level.takeBounce(), 0);
    EXPECT_EQ(level.boss().hitPoints(), 2);
    // Player 2 in the same place meets a retreating, harmless brain.
    EXPECT_EQ(level.updatePlayer2(465.0f - 83.0f, 270.0f - 28.0f, true), -1);
    EXPECT_EQ(level.boss().hitPoints(), 2);
}

TEST_F(Level4UpdatesTest, ARetreatingBrainAndItsStalkAreHarmlessButTheBeamIsNot) {
    enterBossFight();
    freezeBrainAt(430, 250);
    level.boss().setRetreating(1);
    EXPECT_EQ(level.updatePlayer1(ramX(), ramY(), true), -1);
    // The segment next to the chamber, well clear of the brain.
    const FieldPiece& segment = level.boss().segment(9);
    const float onStalkX = static_cast<float>(segment.x + 20 - 83);
    const float onStalkY = static_cast<float>(segment.y + 20 - 28);
    EXPECT_EQ(level.updatePlayer2(onStalkX, onStalkY, true), -1);
    level.boss().setAttack(190, BrainBoss::Firing);
    EXPECT_EQ(level.updatePlayer2(430.0f - 550.0f, 250.0f, true), 0);
    // Not retreating, the stalk hurts.
    level.boss().setRetreating(0);
    level.boss().setAttack(177, BrainBoss::Firing);
    EXPECT_EQ(level.updatePlayer2(onStalkX, onStalkY, true), 0);
}

TEST_F(Level4UpdatesTest, AShotInTheSameFrameSparesTheBrain) {
    enterBossFight();
    freezeBrainAt(430, 250);
    level.setProjectile(0,
                        shotAt(static_cast<int>(ramX()) + 40 + 2, static_cast<int>(ramY()) + 15));
    EXPECT_EQ(level.updatePlayer1(ramX(), ramY(), true), 0);
    EXPECT_EQ(level.boss().hitPoints(), 3);
}

TEST_F(Level4UpdatesTest, TheBeamHitsOnlyOnceFullyOpen) {
    enterBossFight();
    freezeBrainAt(430, 250);
    level.boss().setAttack(189, BrainBoss::Firing);
    EXPECT_EQ(level.updatePlayer1(430.0f - 550.0f, 250.0f, true), 0);
    EXPECT_EQ(level.takeSoundEvent(), 10);
    level.boss().setAttack(179, BrainBoss::Firing);
    EXPECT_EQ(level.updatePlayer1(430.0f - 550.0f, 250.0f, true), -1);
    // The box's edges: 491 left of the brain, 10 to 36 below its top.
    level.boss().setAttack(189, BrainBoss::Firing);
    EXPECT_EQ(level.updatePlayer2(430.0f - 491.0f - 83.0f, 250.0f, true), -1);
    EXPECT_EQ(level.updatePlayer2(430.0f - 491.0f - 82.5f, 250.0f, true), 0);
    EXPECT_EQ(level.updatePlayer2(430.0f - 300.0f, 250.0f - 30.0f, true), -1);
    EXPECT_EQ(level.updatePlayer2(430.0f - 300.0f, 250.0f + 35.5f, true), 0);
}

TEST_F(Level4UpdatesTest, ABonusTouchOutweighsACrash) {
    level.setObstacle(0, 128 + 10, 290, 10, 0);
    BonusObject bonus{true, 40, 40, 150 + 20, 300, 20, 1};
    level.setBonus(bonus);
    EXPECT_EQ(level.updatePlayer1(kClearX, kClearY, true), 3000);
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(level.takeSoundEvent(), 10);  // the crash's sound still plays
    bonus.kind = 0;
    level.setBonus(bonus);
    EXPECT_EQ(level.updatePlayer2(kClearX, kClearY, true), 2000);
}

TEST_F(Level4UpdatesTest, TheDoublingComesAtSecond10AndTheHalvingAt15) {
    level.perSecondTick(9, 0, true);
    EXPECT_FALSE(level.bonus().active);
    level.perSecondTick(10, 0, true);
    EXPECT_TRUE(level.bonus().active);
    EXPECT_EQ(level.bonus().kind, 0);
    level.setBonus(BonusObject{});
    level.perSecondTick(15, 0, true);
    EXPECT_TRUE(level.bonus().active);
    EXPECT_EQ(level.bonus().kind, 1);
}

namespace {

bool holdsBox(const Box* boxes, int count, const Box& w) {
    return std::any_of(boxes, boxes + count, [&w](const Box& b) {
        return b.x == w.x && b.y == w.y && b.width == w.width && b.height == w.height;
    });
}

}  // namespace

TEST_F(Level4UpdatesTest, HazardBoxesCoverWhatCanHurtNow) {
    Box boxes[100];
    level.setObstacle(2, 300, 200, 12, 0);
    int count = level.hazardBoxes(boxes, 100);
    EXPECT_EQ(count, 5);  // the obstacle and four band tiles
    EXPECT_TRUE(holdsBox(boxes, count, Box{300, 200, 60, 60}));
    EXPECT_TRUE(holdsBox(boxes, count, Box{0, 550, 800, 50}));
    EXPECT_EQ(level.hazardBoxes(boxes, 2), 2);

    enterBossFight();
    calmBoss();
    freezeBrainAt(430, 250);
    level.boss().setAttack(0, BrainBoss::Drifting);
    level.setProjectile(0, shotAt(300, 300));
    count = level.hazardBoxes(boxes, 100);
    // The shot, ceiling, right side, floor and front wall by their solid
    // parts, and nine segments; no bands in the fight.
    EXPECT_EQ(count, 1 + 3 + 1 + 9);
    EXPECT_TRUE(holdsBox(boxes, count, Box{300, 300, 10, 10}));
    EXPECT_TRUE(holdsBox(boxes, count, Box{-200, 0, 1000, 60}));
    EXPECT_TRUE(holdsBox(boxes, count, Box{-200, 465 + 95, 1000, 40}));
    EXPECT_TRUE(holdsBox(boxes, count, Box{640 + 100, 0, 60, 600}));
    // A charging brain adds its beam's reach; a retreating one drops its stalk.
    level.boss().setAttack(170, BrainBoss::Charging);
    level.boss().setRetreating(1);
    count = level.hazardBoxes(boxes, 100);
    EXPECT_EQ(count, 1 + 3 + 1 + 1);
    EXPECT_TRUE(holdsBox(boxes, count, Box{430 - 491, 250 + 10, 513, 26}));
}
