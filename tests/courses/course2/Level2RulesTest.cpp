#include <cstdlib>

#include "Level2Fixture.h"
#include "support/RandCalls.h"

namespace {

class Level2RulesTest : public Level2Test {
  protected:
    void SetUp() override {
        Level2Test::SetUp();
        stopSpawning();
        level.takeSoundEvent();  // the music of the first frame
    }
};

// A craft at (300, 300) crashes into kind-1 slot 0 (after its near passes)
// while its tail enters only the outer ring of a kind-2 obstacle.
TEST_F(Level2RulesTest, CrashEndsOnlyItsKindAndALaterNearPassReplacesIt) {
    level.placeObstacle(1, 0, 0, 335, 300, 5);
    level.placeObstacle(1, 1, 0, 600, 500, 5);
    level.setPopup(1, 1, ScorePopup{5, 4, 630.0f, 509.0f});
    level.placeObstacle(2, 0, 0, 240, 310, 5);

    EXPECT_EQ(1005, level.updatePlayer1(300.0f, 300.0f, true));
    EXPECT_EQ(11, level.takeSoundEvent());
    EXPECT_EQ(0, level.rings(1, 0).innerRing) << "the crashed-into obstacle's rings paid";
    EXPECT_EQ(15, level.popup(1, 0).value);

    EXPECT_EQ(600, level.obstacle(1, 1).x) << "later kind-1 slots skip this frame";
    EXPECT_EQ(0, level.obstacle(1, 1).frameCounter);
    EXPECT_EQ(4, level.popup(1, 1).timer);

    EXPECT_EQ(235, level.obstacle(2, 0).x);
    EXPECT_EQ(0, level.rings(2, 0).outerRing);
    EXPECT_EQ(1, level.rings(2, 0).middleRing);
    EXPECT_EQ(5, level.popup(2, 0).value);
    EXPECT_EQ(1, level.popup(2, 0).timer);

    // Without the near pass the crash is what the frame reports.
    EXPECT_EQ(5, level.updatePlayer1(300.0f, 300.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent());
}

TEST_F(Level2RulesTest, BonusTouchReplacesACrashAndRaisesNoSound) {
    level.placeObstacle(2, 0, 4, 305, 290, 5);  // 80x70
    level.placeObstacle(3, 0, 0, 600, 450, 7);
    level.setBonus(BonusObject{true, 40, 24, 340, 300, 20, 1});
    EXPECT_EQ(3000, level.updatePlayer1(300.0f, 300.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent()) << "the crash's sound stays";
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(593, level.obstacle(3, 0).x) << "kind 3 is scanned after a kind-2 crash";

    level.setBonus(BonusObject{true, 30, 20, 320, 300, 20, 0});
    EXPECT_EQ(2000, level.updatePlayer2(300.0f, 300.0f, true)) << "after its own crash";
    EXPECT_FALSE(level.bonus().active);
}

// The sweeper is at the top edge; the craft's tail takes the outer ring of a
// kind-2 obstacle and its middle touches the bonus in the same frame.
TEST_F(Level2RulesTest, SweeperHitReplacesEverything) {
    level.placeObstacle(2, 0, 0, 240, 10, 5);
    level.setBonus(BonusObject{true, 40, 24, 340, 5, 20, 1});
    level.placeSweeper(310);

    EXPECT_EQ(20, level.updatePlayer1(300.0f, 0.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent());
    EXPECT_EQ(0, level.rings(2, 0).outerRing) << "the ring stays spent";
    EXPECT_EQ(1, level.popup(2, 0).timer) << "and its popup shows";
    EXPECT_FALSE(level.bonus().active);
    EXPECT_TRUE(level.sweeper().active) << "the sweeper keeps crossing";
    EXPECT_EQ(290, level.sweeper().x);

    EXPECT_EQ(20, level.updatePlayer2(300.0f, 0.0f, true));
    EXPECT_EQ(290, level.sweeper().x) << "player 2's test moves nothing";
    EXPECT_EQ(0, level.updatePlayer2(300.0f, 200.0f, true)) << "only its picture hurts";
}

TEST_F(Level2RulesTest, Player2MovesNothingAndItsCrashEndsItsKindsScan) {
    level.placeObstacle(1, 0, 0, 330, 300, 5);
    level.placeObstacle(1, 1, 0, 300, 345, 5);  // player 2's bottom is in its inner ring
    level.setPopup(1, 2, ScorePopup{5, 3, 0.0f, 0.0f});
    EXPECT_EQ(5, level.updatePlayer2(300.0f, 300.0f, true));
    EXPECT_EQ(10, level.takeSoundEvent());
    EXPECT_EQ(330, level.obstacle(1, 0).x);
    EXPECT_EQ(0, level.obstacle(1, 0).frameCounter);
    EXPECT_EQ(1, level.rings(1, 1).innerRing) << "slot 1 was not tested";
    EXPECT_EQ(3, level.popup(1, 2).timer);
}

TEST_F(Level2RulesTest, WithoutCollisionsTheFieldStillMovesAndAges) {
    level.placeObstacle(1, 0, 0, 330, 300, 5);
    level.setPopup(2, 5, ScorePopup{10, 5, 0.0f, 0.0f});
    level.placeSweeper(310);
    EXPECT_EQ(0, level.updatePlayer1(300.0f, 300.0f, false));
    EXPECT_EQ(0, level.updatePlayer1(300.0f, 0.0f, false));
    EXPECT_EQ(0, level.updatePlayer2(300.0f, 300.0f, false));
    EXPECT_EQ(-1, level.takeSoundEvent());
    EXPECT_EQ(320, level.obstacle(1, 0).x);
    EXPECT_EQ(2, level.obstacle(1, 0).frameCounter);
    EXPECT_EQ(1, level.rings(1, 0).outerRing);
    EXPECT_EQ(7, level.popup(2, 5).timer);
    EXPECT_EQ(270, level.sweeper().x);
}

TEST_F(Level2RulesTest, ApproachFromSecond36StillLaunchesBonusAndSweeper) {
    level.perSecondTick(36, 0, false);
    EXPECT_TRUE(level.isPlaying()) << "no craft is flying";
    std::srand(2);
    level.perSecondTick(37, 0, true);
    EXPECT_EQ(Approach, level.state());
    EXPECT_FALSE(level.isPlaying());
    EXPECT_EQ(0, randCallsSince(2)) << "no kind-3 roll once the course ends";

    level.perSecondTick(0, 1, false);
    EXPECT_TRUE(level.sweeper().active);
    EXPECT_EQ(800, level.sweeper().x);
    level.perSecondTick(15, 1, false);
    EXPECT_TRUE(level.bonus().active);
    EXPECT_EQ(Approach, level.state());
    EXPECT_FALSE(level.obstacle(3, 0).active);
}

TEST_F(Level2RulesTest, GateStopsAt538AfterThe131stCallAndTheFlyOffStarts) {
    level.steerOutro(300.0f, 400.0f);
    EXPECT_EQ(800, level.gateX()) << "no gate while playing";
    level.perSecondTick(36, 0, true);
    Position p = level.steerOutro(300.0f, 400.0f);
    EXPECT_EQ(798, level.gateX());
    for (int call = 2; call <= 130; ++call) {
        p = level.steerOutro(104.0f, 255.0f);
        ASSERT_EQ(104.0f, p.x);
        ASSERT_EQ(255.0f, p.y);
        ASSERT_EQ(Approach, level.state()) << "call " << call;
    }
    EXPECT_EQ(540, level.gateX());
    EXPECT_EQ(-1, level.progress());
    level.steerOutro(104.0f, 255.0f);
    EXPECT_EQ(538, level.gateX());
    EXPECT_EQ(FlyOff, level.state());
    EXPECT_EQ(0, level.progress());
    level.steerOutro(104.0f, 255.0f);
    EXPECT_EQ(538, level.gateX());
    level.steerOutro(564.0f, 300.0f);
    EXPECT_NE(100, level.progress());
    level.steerOutro(574.0f, 300.0f);
    EXPECT_EQ(100, level.progress()) << "finished from 580";
}

}  // namespace
