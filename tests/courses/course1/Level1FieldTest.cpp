#include <cstdlib>
#include <vector>

#include "Level1Fixture.h"
#include "support/RandCalls.h"

namespace {

// The first seed whose first rand value passes (or fails) the 3-in-20 roll.
unsigned seedWithRoll(bool passes) {
    for (unsigned seed = 1;; ++seed) {
        srand(seed);
        if ((rand() % 20 >= 17) == passes) {
            return seed;
        }
    }
}

void fillObstacles(Level1& level) {
    for (int i = 0; i < Level1::kSlots; ++i) {
        level.placeObstacle(i, 0, 400, 40 * i, 0);
    }
}

TEST_F(Level1Test, ResetFillsBothLayersAndClearsTheRest) {
    // Leave a used course behind first.
    level.placeObstacle(4, 2, 300, 300, 12);
    level.setBonus(BonusObject{true, 40, 44, 500, 200, 20, 1});
    level.setPopup(4, ScorePopup{15, 7, 300.0f, 300.0f});
    level.setState(FlyOff);
    level.setGateX(500);
    level.reset();

    EXPECT_EQ(1, level.takeSoundEvent());
    EXPECT_EQ(-1, level.takeSoundEvent());
    EXPECT_EQ(Playing, level.state());
    EXPECT_TRUE(level.isPlaying());
    EXPECT_EQ(800, level.gateX());
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(0, activeObstacles());
    for (int i = 0; i < Level1::kSlots; ++i) {
        const SceneryObject& n = level.nearObject(i);
        EXPECT_TRUE(n.active);
        EXPECT_TRUE(n.speed >= 1 && n.speed <= 6) << n.speed;
        EXPECT_TRUE(n.x >= 0 && n.x < 800);
        EXPECT_TRUE(n.y >= -100 && n.y < 500);
        EXPECT_EQ(kNearWidth + 2 * n.image, n.width);
        EXPECT_EQ(6 + n.image, n.height);
        const SceneryObject& f = level.farObject(i);
        EXPECT_TRUE(f.active);
        EXPECT_TRUE(f.speed == 1 || f.speed == 2);
        EXPECT_EQ(0, f.image);
        EXPECT_EQ(kFarSize, f.width);
        EXPECT_TRUE(f.x >= 0 && f.x < 800);
        EXPECT_TRUE(f.y >= -100 && f.y < 500);
        EXPECT_EQ(-1, level.popup(i).value);
        EXPECT_EQ(0, level.popup(i).timer);
    }
}

// The game's whole random sequence depends on each step drawing as many
// numbers as it always did: four per near object, four per far object.
TEST_F(Level1Test, ResetDrawsItsNumbersInOrder) {
    srand(7);
    level.reset();
    EXPECT_EQ(120, randCallsSince(7));
}

// The chance roll is drawn even when every slot is taken or the roll fails;
// a passed roll fills the first free slot with speed, picture and height.
TEST_F(Level1Test, ObstaclesSpawnOnAPassedRollIntoTheFirstFreeSlot) {
    fillObstacles(level);
    unsigned seed = seedWithRoll(true);
    srand(seed);
    level.updatePlayer1(0.0f, 0.0f, false);
    EXPECT_EQ(1, randCallsSince(seed)) << "all slots taken";

    level.reset();
    fillObstacles(level);
    level.removeObstacle(3);
    level.removeObstacle(9);
    srand(seed);
    level.updatePlayer1(0.0f, 0.0f, false);
    EXPECT_EQ(4, randCallsSince(seed)) << "roll, speed, picture and height";
    const Obstacle& o = level.obstacle(3);
    ASSERT_TRUE(o.active);
    EXPECT_FALSE(level.obstacle(9).active);
    EXPECT_EQ(800 - o.speed, o.x) << "it moves in the frame it comes";
    EXPECT_EQ(kObstacleWidth[o.image], o.width);
    EXPECT_EQ(kObstacleHeight[o.image], o.height);
    EXPECT_EQ(1, level.rings(3).outerRing);
    EXPECT_EQ(1, level.rings(3).middleRing);
    EXPECT_EQ(1, level.rings(3).innerRing);

    level.reset();
    seed = seedWithRoll(false);
    srand(seed);
    level.updatePlayer1(0.0f, 0.0f, false);
    EXPECT_EQ(1, randCallsSince(seed)) << "a failed roll";
    EXPECT_EQ(0, activeObstacles());
}

TEST_F(Level1Test, ObstaclesComeOnlyWhilePlayingBeforeSecond32) {
    srand(3);
    int spawned = 0;
    for (int frame = 0; frame < 200; ++frame) {
        level.updatePlayer1(0.0f, 0.0f, false);
        spawned = std::max(spawned, activeObstacles());
    }
    EXPECT_GT(spawned, 3);

    level.reset();
    level.perSecondTick(31, 0, true);
    level.updatePlayer1(0.0f, 0.0f, false);
    level.perSecondTick(32, 0, true);
    for (int frame = 0; frame < 200; ++frame) {
        level.updatePlayer1(0.0f, 0.0f, false);
    }
    EXPECT_EQ(0, activeObstacles());

    level.reset();
    level.perSecondTick(36, 0, true);
    level.perSecondTick(5, 1, false);  // the clock wrapped; the end has begun
    ASSERT_EQ(Approach, level.state());
    for (int frame = 0; frame < 200; ++frame) {
        level.updatePlayer1(0.0f, 0.0f, false);
    }
    EXPECT_EQ(0, activeObstacles());
}

TEST_F(Level1Test, AnObstacleLeavesOnceWhollyPastTheLeftEdge) {
    stopSpawning();
    level.placeObstacle(0, 0, -50, 500, 10);  // 60 wide
    level.placeObstacle(1, 0, -50, 200, 11);
    level.updatePlayer1(0.0f, 0.0f, false);
    EXPECT_TRUE(level.obstacle(0).active);
    EXPECT_EQ(-60, level.obstacle(0).x);
    EXPECT_FALSE(level.obstacle(1).active);
    EXPECT_EQ(-61, level.obstacle(1).x);
    level.updatePlayer1(0.0f, 0.0f, false);
    EXPECT_FALSE(level.obstacle(0).active);
}

// A layer object that comes back with speed 0 waits at the right edge, so
// over a long course the layers thin out but never leave a slot empty.
TEST_F(Level1Test, SceneryRespawnsAtTheRightEdgeAndMayPark) {
    stopSpawning();
    srand(5);
    for (int frame = 0; frame < 3000; ++frame) {
        level.updatePlayer1(0.0f, 0.0f, false);
    }
    int parked = 0;
    for (int i = 0; i < Level1::kSlots; ++i) {
        const SceneryObject& n = level.nearObject(i);
        const SceneryObject& f = level.farObject(i);
        ASSERT_TRUE(n.active && f.active);
        EXPECT_LE(n.speed, 6);
        EXPECT_LE(f.speed, 2);
        EXPECT_LE(n.x, 800);
        for (const SceneryObject* s : {&n, &f}) {
            if (s->speed == 0) {
                EXPECT_EQ(800, s->x);
                ++parked;
            }
        }
    }
    EXPECT_GT(parked, 5);
}

TEST_F(Level1Test, PicturesFiveAndSixAreTheSameFileLoadedTwice) {
    const ObxImage& five = level.image(Level1::kFirstObstacle + 5);
    const ObxImage& six = level.image(Level1::kFirstObstacle + 6);
    ASSERT_TRUE(five.present() && six.present());
    EXPECT_NE(five.surface(), six.surface());
    level.placeObstacle(0, 5, 100, 100, 0);
    level.placeObstacle(1, 6, 100, 100, 0);
    EXPECT_EQ(level.obstacle(0).width, level.obstacle(1).width);
    EXPECT_EQ(level.obstacle(0).height, level.obstacle(1).height);
}

TEST_F(Level1Test, HazardBoxesAreTheActiveObstacles) {
    level.placeObstacle(2, 0, 100, 50, 10);
    level.placeObstacle(7, 2, 300, 150, 12);
    Box boxes[Level1::kSlots];
    ASSERT_EQ(2, level.hazardBoxes(boxes, Level1::kSlots));
    EXPECT_EQ(100, boxes[0].x);
    EXPECT_EQ(kObstacleWidth[0], boxes[0].width);
    EXPECT_EQ(150, boxes[1].y);
    EXPECT_EQ(kObstacleHeight[2], boxes[1].height);
    EXPECT_EQ(1, level.hazardBoxes(boxes, 1)) << "never more than asked for";
}

// Draw checks look only where no scenery object lies (the layers are spread
// at random by reset).
class Level1DrawTest : public Level1Test {
  protected:
    void SetUp() override {
        Level1Test::SetUp();
        screen.fill(0, 0, 0);
    }
    bool sceneryAt(int x, int y) const {
        for (int i = 0; i < Level1::kSlots; ++i) {
            for (const SceneryObject* s : {&level.nearObject(i), &level.farObject(i)}) {
                if (x >= s->x && x < s->x + s->width && y >= s->y && y < s->y + s->height) {
                    return true;
                }
            }
        }
        return false;
    }
    void expectColour(int x, int y, TestRgb c) {
        ASSERT_FALSE(sceneryAt(x, y)) << "pick another point than " << x << "," << y;
        EXPECT_TRUE(pixelIs(x, y, c)) << x << "," << y;
    }
};

TEST_F(Level1DrawTest, LayersInOrderWithTheGateBehindTheObstacles) {
    level.setGateX(300);
    level.placeObstacle(0, 0, 330, 220, 10);  // 60 by 40, over the gate
    level.setPopup(0, ScorePopup{5, 5, 361.0f, 230.0f});
    level.setBonus(BonusObject{true, kHalvingWidth, kHalvingHeight, 370, 250, 20, 1});
    level.draw();

    expectColour(50, 50, kBackground);
    expectColour(150, 150, TestRgb{0, 0, 0});
    expectColour(305, 205, kGate);
    expectColour(305, 319, kGate);
    expectColour(305, 320, TestRgb{0, 0, 0});
    expectColour(335, 225, kObstacle);
    expectColour(355, 235, kFive);
    expectColour(375, 255, kHalving);
    expectColour(369, 253, kFive);  // popups over the bonus

    level.setBonus(BonusObject{true, kDoublingWidth, kDoublingHeight, 600, 450, 20, 0});
    level.draw();
    expectColour(605, 455, kDoubling);
    expectColour(375, 255, kObstacle);  // a bonus that moved on is gone
}

}  // namespace
