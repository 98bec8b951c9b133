#include <cstdlib>

#include "Level3Fixture.h"

namespace {

TEST_F(Level3Test, ResetFillsTheSceneryAndQueuesTheMusicOnce) {
    for (int i = 0; i < Level3::kSlots; ++i) {
        const SceneryObject& s = level.scenery(i);
        EXPECT_TRUE(s.active);
        EXPECT_GE(s.x, 0);
        EXPECT_LT(s.x, 800);
        EXPECT_GE(s.y, 40);
        EXPECT_LE(s.y, 539);
        EXPECT_GE(s.speed, 5);
        EXPECT_LE(s.speed, 14);
        EXPECT_EQ(20, s.width);
        EXPECT_FALSE(level.obstacle(i).active);
        EXPECT_EQ(-1, level.popup(i).value);
        EXPECT_EQ(0, level.popup(i).timer);
    }
    EXPECT_EQ(Playing, level.state());
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(3, level.takeSoundEvent());
    EXPECT_EQ(-1, level.takeSoundEvent());
}

// Each pair must cover the screen without a gap for the whole course: a
// column left unpainted keeps the last frame's pixels.
TEST_F(Level3Test, EveryTilePairStaysSeamlessAsItScrolls) {
    const auto joined = [](const FieldPiece& a, const FieldPiece& b) {
        return a.x + a.width == b.x || b.x + b.width == a.x;
    };
    for (int frame = 1; frame <= 1300; ++frame) {
        level.updatePlayer1(300, 300, false);
        ASSERT_TRUE(joined(level.farBackground(0), level.farBackground(1))) << "frame " << frame;
        ASSERT_TRUE(joined(level.topBand(0), level.topBand(1))) << "frame " << frame;
        ASSERT_TRUE(joined(level.bottomBand(0), level.bottomBand(1))) << "frame " << frame;
    }
    // The background (100 wide, 2 a frame) has wrapped many times by now.
    EXPECT_LE(level.farBackground(0).x, 100);
    EXPECT_GE(level.farBackground(0).x, -100);
}

TEST_F(Level3Test, TheFieldStandsStillOnceTheCraftsFlyOff) {
    level.updatePlayer1(300, 300, false);
    level.setState(FlyOff);
    const int top = level.topBand(0).x;
    const int background = level.farBackground(0).x;
    const int scenery = level.scenery(0).x;
    level.updatePlayer1(300, 300, false);
    EXPECT_EQ(top, level.topBand(0).x);
    EXPECT_EQ(background, level.farBackground(0).x);
    EXPECT_EQ(scenery - level.scenery(0).speed, level.scenery(0).x) << "scenery keeps drifting";
}

// Picture 9 of the test set is wholly transparent, so a craft sitting inside
// the animated obstacle crashes only in the frames that show picture 8.
TEST_F(Level3Test, CrashTestUsesTheCurrentFrameOfTheAnimation) {
    stopSpawning();
    place(0, 7, 600, 100, 10);
    place(1, 8, 250, 270, 10);
    level.setRings(1, RingFlags{});
    const int expected[] = {10, 10, 0, 0, 0, 10, 10, 10, 0};
    for (int frame = 0; frame < 9; ++frame) {
        EXPECT_EQ(expected[frame], level.updatePlayer1(300, 300, true)) << "frame " << frame + 1;
    }
    EXPECT_EQ(7, level.obstacle(0).image) << "only picture 8 is animated";
}

TEST_F(Level3Test, NoObstacleSpawnsFromSecond32OrInTheApproach) {
    level.perSecondTick(32, 0, true);
    for (int frame = 0; frame < 500; ++frame) {
        level.updatePlayer1(0, 250, false);
    }
    level.perSecondTick(36, 0, true);
    level.perSecondTick(1, 0, true);  // a wrapped clock does not restart the stream
    EXPECT_EQ(Approach, level.state());
    for (int frame = 0; frame < 500; ++frame) {
        level.updatePlayer1(0, 250, false);
    }
    for (int i = 0; i < Level3::kSlots; ++i) {
        EXPECT_FALSE(level.obstacle(i).active);
    }
}

class Level3DrawTest : public Level3Test {
  protected:
    void SetUp() override {
        Level3Test::SetUp();
        for (int i = 0; i < Level3::kSlots; ++i) {
            level.setScenery(i, SceneryObject{});
        }
    }
    TestRgb colourAt(int x, int y) {
        TestRgb c{};
        screen.rgbAt(x, y, c.r, c.g, c.b);
        return c;
    }
};

TEST_F(Level3DrawTest, BandsObstaclesAndBonusAreDrawnWhereTheyAre) {
    level.setObstacle(0, obstacleAt(0, 300, 200, 10));
    level.setBonus(BonusObject{true, 40, 24, 500, 300, 20, 1});
    screen.fill(0, 0, 0);
    level.draw();
    EXPECT_EQ(80, colourAt(400, 49).g) << "top band";
    EXPECT_EQ(0, colourAt(400, 50).g);
    EXPECT_EQ(90, colourAt(400, 570).g) << "bottom band";
    EXPECT_EQ(200, colourAt(310, 210).g) << "obstacle";
    EXPECT_EQ(200, colourAt(510, 310).b) << "halving bonus";
}

}  // namespace
