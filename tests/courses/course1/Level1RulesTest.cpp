#include <cstdlib>

#include "Level1Fixture.h"
#include "support/RandCalls.h"

namespace {

// Course 1's rules with spawning stopped, so only a test's own obstacles fly.
class Level1RulesTest : public Level1Test {
  protected:
    void SetUp() override {
        Level1Test::SetUp();
        stopSpawning();
    }
    // A craft at (x, y) whose bottom middle (x + 41, y + 40) is at (px, py).
    static float craftXForMiddle(int px) { return static_cast<float>(px - 41); }
};

// Both players share the rings: an obstacle pays at most 15 in all.
TEST_F(Level1RulesTest, AnObstaclePaysFifteenAtMostToBothPlayers) {
    // A fresh obstacle right on the craft's nose: its inner ring at once.
    level.placeObstacle(0, 1, 190, 280, 0);  // 40 by 100
    EXPECT_EQ(1015, level.updatePlayer1(100.0f, 300.0f, true));
    EXPECT_EQ(13, level.takeSoundEvent());
    EXPECT_EQ(15, level.popup(0).value);
    EXPECT_EQ(0, level.updatePlayer2(100.0f, 300.0f, true));
    EXPECT_EQ(0, level.updatePlayer1(100.0f, 300.0f, true));

    // Player 1 takes the outer ring from above, player 2 comes up from below
    // with its top middle into the inner ring.
    level.placeObstacle(1, 0, 400, 100, 0);
    EXPECT_EQ(1005, level.updatePlayer1(craftXForMiddle(430), 35.0f, true));
    EXPECT_EQ(1010, level.updatePlayer2(craftXForMiddle(430), 145.0f, true));
    EXPECT_EQ(13, level.takeSoundEvent());
    EXPECT_EQ(10, level.popup(1).value) << "the popup shows what this pass paid";
    EXPECT_EQ(0, level.updatePlayer1(craftXForMiddle(430), 55.0f, true));
    EXPECT_EQ(0, level.updatePlayer2(craftXForMiddle(430), 45.0f, true));
}

TEST_F(Level1RulesTest, ACrashOutweighsANearPassInTheSameFrame) {
    level.placeObstacle(0, 0, 400, 100, 0);
    level.placeObstacle(1, 0, 400, 40, 12);
    // Bottom middle 15 over slot 0's top: its middle ring. Then slot 1,
    // moved to x 388, lies under the craft's top.
    EXPECT_EQ(12, level.updatePlayer1(craftXForMiddle(430), 45.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent());
    EXPECT_EQ(0, level.rings(0).middleRing);
    EXPECT_EQ(10, level.popup(0).value) << "the pass still shows";
    EXPECT_TRUE(level.obstacle(1).active) << "what was hit flies on";
}

TEST_F(Level1RulesTest, ACrashEndsTheScanOfLaterSlots) {
    for (int i = 0; i < Level1::kSlots; ++i) {
        level.placeObstacle(i, 0, 600, 40 * i, 10);
        level.setPopup(i, ScorePopup{5, 5, 0.0f, 0.0f});
    }
    level.placeObstacle(3, 0, 110, 290, 10);  // moved to 100, over the craft
    level.setBonus(BonusObject{true, 10, 10, 700, 500, 20, 0});
    EXPECT_EQ(10, level.updatePlayer1(120.0f, 300.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(590, level.obstacle(i).x) << i;
        EXPECT_EQ(6, level.popup(i).timer) << i;
    }
    EXPECT_EQ(100, level.obstacle(3).x);
    EXPECT_EQ(1, level.popup(3).timer) << "aged, then shown anew by the pass";
    for (int i = 4; i < Level1::kSlots; ++i) {
        EXPECT_EQ(600, level.obstacle(i).x) << i;
        EXPECT_EQ(5, level.popup(i).timer) << i;
    }
    EXPECT_EQ(680, level.bonus().x) << "the bonus still moves";
}

TEST_F(Level1RulesTest, ACraftThatCannotCollideStillMovesTheField) {
    level.placeObstacle(0, 0, 110, 290, 10);
    level.setPopup(0, ScorePopup{5, 19, 0.0f, 0.0f});
    level.setPopup(1, ScorePopup{10, 4, 0.0f, 0.0f});
    level.setBonus(BonusObject{true, 40, 44, 130, 290, 20, 1});
    const int nearX = level.nearObject(0).x;
    EXPECT_EQ(0, level.updatePlayer1(120.0f, 300.0f, false));
    EXPECT_EQ(-1, level.takeSoundEvent());
    EXPECT_EQ(100, level.obstacle(0).x);
    EXPECT_EQ(0, level.popup(0).timer) << "shown for 19 frames";
    EXPECT_EQ(5, level.popup(1).timer);
    EXPECT_EQ(1, level.rings(0).innerRing);
    EXPECT_TRUE(level.bonus().active);
    EXPECT_EQ(110, level.bonus().x);
    EXPECT_EQ(nearX - level.nearObject(0).speed, level.nearObject(0).x);
    EXPECT_EQ(0, level.updatePlayer2(120.0f, 300.0f, false));
    EXPECT_TRUE(level.bonus().active);
}

// Collisions read the picture: the transparent half of picture 3 is safe.
TEST_F(Level1RulesTest, OnlyThePicturesSolidPixelsCrash) {
    // Picture 3 is 100 by 100, its left 50 columns transparent. The craft's
    // right end (x + 83, y + 28) and middle line (x + 41) fall in that half.
    level.placeObstacle(0, 3, 250, 200, 0);
    EXPECT_EQ(1015, level.updatePlayer1(200.0f, 250.0f, true));
    EXPECT_EQ(13, level.takeSoundEvent());
    EXPECT_EQ(0, level.updatePlayer1(215.0f, 250.0f, true));
    EXPECT_EQ(-1, level.takeSoundEvent());
    level.placeObstacle(0, 3, 250, 200, 13);
    EXPECT_EQ(13, level.updatePlayer1(215.0f, 250.0f, true)) << "the solid half now at 287";
}

TEST_F(Level1RulesTest, PlayerTwoMovesNothingAndDrawsNoNumber) {
    level.placeObstacle(0, 0, 300, 300, 10);
    level.setPopup(0, ScorePopup{5, 5, 0.0f, 0.0f});
    level.setBonus(BonusObject{true, 40, 44, 600, 100, 20, 0});
    srand(11);
    EXPECT_EQ(0, level.updatePlayer2(0.0f, 0.0f, true));
    EXPECT_EQ(0, randCallsSince(11));
    EXPECT_EQ(300, level.obstacle(0).x);
    EXPECT_EQ(5, level.popup(0).timer);
    EXPECT_EQ(600, level.bonus().x);
    // It sees the obstacle where it stands and crashes on it.
    EXPECT_EQ(10, level.updatePlayer2(280.0f, 290.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent());
}

TEST_F(Level1RulesTest, TheBonusDoublesOrHalvesAndOutweighsACrash) {
    level.setBonus(BonusObject{true, kHalvingWidth, kHalvingHeight, 150, 290, 20, 1});
    level.placeObstacle(0, 0, 110, 290, 10);
    EXPECT_EQ(3000, level.updatePlayer1(120.0f, 300.0f, true));
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(10, level.takeSoundEvent()) << "the crash's sound, the bonus has none";

    level.removeObstacle(0);
    level.setBonus(BonusObject{true, kDoublingWidth, kDoublingHeight, 150, 290, 20, 0});
    EXPECT_EQ(2000, level.updatePlayer2(120.0f, 300.0f, true));
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(-1, level.takeSoundEvent());
    EXPECT_EQ(0, level.updatePlayer1(120.0f, 300.0f, true)) << "touched once";
}

TEST_F(Level1RulesTest, HalvingAtSecond15AndDoublingAtSecond25) {
    srand(21);
    const int y = rand() % 300 + 100;
    srand(21);
    level.perSecondTick(14, 0, true);
    EXPECT_FALSE(level.bonus().active);
    level.perSecondTick(15, 0, true);
    const BonusObject& b = level.bonus();
    ASSERT_TRUE(b.active);
    EXPECT_EQ(1, b.kind);
    EXPECT_EQ(kHalvingWidth, b.width);
    EXPECT_EQ(kHalvingHeight, b.height);
    EXPECT_EQ(800, b.x);
    EXPECT_EQ(y, b.y);
    EXPECT_EQ(20, b.speed);

    // Still crossing at second 25: no doubling this time.
    level.setBonus(BonusObject{true, 40, 44, 300, 200, 20, 1});
    level.perSecondTick(25, 0, true);
    EXPECT_EQ(1, level.bonus().kind);
    EXPECT_EQ(300, level.bonus().x);

    level.setBonus(BonusObject{});
    level.perSecondTick(25, 0, true);
    EXPECT_TRUE(level.bonus().active);
    EXPECT_EQ(0, level.bonus().kind);
    EXPECT_EQ(kDoublingWidth, level.bonus().width);
    EXPECT_TRUE(level.bonus().y >= 100 && level.bonus().y < 400);
}

TEST_F(Level1RulesTest, TheEndWaitsForAFlyingCraft) {
    level.perSecondTick(35, 0, true);
    EXPECT_TRUE(level.isPlaying());
    level.perSecondTick(36, 0, false);
    EXPECT_TRUE(level.isPlaying()) << "the only craft is exploding";
    level.perSecondTick(38, 0, true);
    EXPECT_FALSE(level.isPlaying());
    EXPECT_EQ(Approach, level.state());
    EXPECT_EQ(38, level.seconds());
}

TEST_F(Level1RulesTest, SteeringGathersTheCraftsThenFliesThemIntoTheGate) {
    EXPECT_FLOAT_EQ(300.0f, level.steerOutro(300.0f, 400.0f).x) << "not while playing";
    level.setState(Approach);
    Position p = level.steerOutro(300.0f, 400.0f);
    EXPECT_FLOAT_EQ(297.0f, p.x);
    EXPECT_FLOAT_EQ(397.0f, p.y);
    EXPECT_EQ(798, level.gateX());
    EXPECT_EQ(-1, level.progress());
    p = level.steerOutro(50.0f, 100.0f);
    EXPECT_FLOAT_EQ(53.0f, p.x);
    EXPECT_FLOAT_EQ(103.0f, p.y);

    // Level with the box but above or below it, a craft waits though the
    // gate stands.
    level.setGateX(502);
    EXPECT_FLOAT_EQ(397.0f, level.steerOutro(104.0f, 400.0f).y);
    EXPECT_EQ(500, level.gateX());
    EXPECT_FLOAT_EQ(103.0f, level.steerOutro(104.0f, 100.0f).y);
    EXPECT_EQ(Approach, level.state());
    p = level.steerOutro(104.0f, 255.0f);
    EXPECT_FLOAT_EQ(104.0f, p.x);
    EXPECT_FLOAT_EQ(255.0f, p.y);
    EXPECT_EQ(500, level.gateX());
    EXPECT_EQ(FlyOff, level.state());
    EXPECT_EQ(0, level.progress());

    p = level.steerOutro(584.0f, 300.0f);
    EXPECT_FLOAT_EQ(594.0f, p.x);
    EXPECT_FLOAT_EQ(301.0f, p.y);
    EXPECT_EQ(8, level.progress());
    p = level.steerOutro(650.0f, 310.0f);
    EXPECT_FLOAT_EQ(650.0f, p.x) << "inside the gate the craft stays";
    EXPECT_EQ(100, level.progress());
    EXPECT_EQ(500, level.gateX());
}

TEST_F(Level1RulesTest, FlyOffPicturesCountEveryFiftyPixels) {
    level.setState(FlyOff);
    const struct {
        float x;
        int frame;
    } cases[] = {{139.0f, 0}, {140.0f, 1}, {189.0f, 1}, {190.0f, 2}, {439.0f, 6},
                 {440.0f, 7}, {489.0f, 7}, {490.0f, 8}, {589.5f, 8}, {590.0f, 100}};
    for (const auto& c : cases) {
        level.steerOutro(c.x, 0.0f);  // adds 10
        EXPECT_EQ(c.frame, level.progress()) << c.x + 10.0f;
    }
}

}  // namespace
