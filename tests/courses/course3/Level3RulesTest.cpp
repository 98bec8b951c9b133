#include "Level3Fixture.h"

namespace {

class Level3RulesTest : public Level3Test {
  protected:
    void SetUp() override {
        Level3Test::SetUp();
        stopSpawning();
        level.takeSoundEvent();  // the course music
    }
    BonusObject bonusAt(int kind, int x, int y) const {
        const ObxImage& picture = level.bonusPicture(kind);
        return BonusObject{true, picture.width(), picture.height(), x, y, 20, kind};
    }
};

// The top band is 50 high and the bottom one 30: the top band's height
// serves both edges.
TEST_F(Level3RulesTest, BandContactUsesTheTopBandHeightForBothEdges) {
    const struct {
        float y;
        int result;
    } cases[] = {{49.5f, 5}, {50.0f, 0}, {300.0f, 0}, {510.0f, 0}, {510.5f, 5}, {0.0f, 5}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, level.updatePlayer1(100, c.y, true)) << "y " << c.y;
        EXPECT_EQ(c.result ? 10 : -1, level.takeSoundEvent()) << "y " << c.y;
        EXPECT_EQ(c.result, level.updatePlayer2(100, c.y, true)) << "y " << c.y;
        EXPECT_EQ(c.result ? 10 : -1, level.takeSoundEvent()) << "y " << c.y;
    }
    EXPECT_EQ(0, level.updatePlayer1(100, 49.5f, false));
    EXPECT_EQ(0, level.updatePlayer2(100, 510.5f, false));
    EXPECT_EQ(-1, level.takeSoundEvent());
}

TEST_F(Level3RulesTest, NearPassReplacesABandContactInTheSameFrame) {
    // After its move the obstacle stands at (210, 60); the tail point
    // (183, 77) lies in its outer ring only.
    place(0, 0, 220, 60, 10);
    EXPECT_EQ(1005, level.updatePlayer1(100, 49.5f, true));
    EXPECT_EQ(11, level.takeSoundEvent());
}

// The bonus is tested after the obstacles, so it still counts in a frame
// with a crash, and wins.
TEST_F(Level3RulesTest, ABonusTakenInTheFrameOfACrashWins) {
    place(3, 7, 107, 290, 17);
    level.setRings(3, RingFlags{});
    level.setBonus(bonusAt(1, 130, 290));
    EXPECT_EQ(3000, level.updatePlayer1(100, 300, true));
    EXPECT_FALSE(level.bonus().active);
    EXPECT_EQ(10, level.takeSoundEvent()) << "the bonus raises no sound of its own";
}

TEST_F(Level3RulesTest, TheEndWaitsForAFlyingCraft) {
    level.perSecondTick(36, 0, false);
    EXPECT_TRUE(level.isPlaying()) << "no craft in normal flight";
    level.perSecondTick(37, 0, true);
    EXPECT_FALSE(level.isPlaying());
    EXPECT_EQ(Approach, level.state());
}

TEST_F(Level3RulesTest, SteeringFliesOutOfTheRightEdgeIntoTheBand) {
    EXPECT_EQ(310.0f, level.steerOutro(310, 400).x) << "no steering while playing";
    level.setState(Approach);
    Position p = level.steerOutro(300, 400);
    EXPECT_EQ(310.0f, p.x);
    EXPECT_EQ(397.0f, p.y);
    p = level.steerOutro(300, 240);
    EXPECT_EQ(243.0f, p.y);
    p = level.steerOutro(795, 300);
    EXPECT_EQ(805.0f, p.x);
    EXPECT_EQ(Approach, level.state()) << "past the edge but outside the band";
    EXPECT_EQ(-1, level.progress());

    p = level.steerOutro(795, 255);
    EXPECT_EQ(805.0f, p.x);
    EXPECT_EQ(255.0f, p.y);
    EXPECT_EQ(FlyOff, level.state());
    EXPECT_EQ(100, level.progress());
    EXPECT_EQ(815.0f, level.steerOutro(805, 255).x);
}

TEST_F(Level3RulesTest, HazardBoxesListObstaclesThenBothBands) {
    Box boxes[Level3::kMaxHazards + 1];
    ASSERT_EQ(2, level.hazardBoxes(boxes, Level3::kMaxHazards));
    EXPECT_EQ(0, boxes[0].y);
    EXPECT_EQ(50, boxes[0].height);
    EXPECT_EQ(800, boxes[0].width);
    EXPECT_EQ(550, boxes[1].y) << "the bottom band's deadly part is the top band's height";
    EXPECT_EQ(50, boxes[1].height);

    place(4, 2, 300, 120, 12);
    place(9, 8, 500, 200, 12);
    ASSERT_EQ(4, level.hazardBoxes(boxes, Level3::kMaxHazards));
    EXPECT_EQ(300, boxes[0].x);
    EXPECT_EQ(50, boxes[0].width);
    EXPECT_EQ(30, boxes[0].height);
    EXPECT_EQ(500, boxes[1].x);
    EXPECT_EQ(0, boxes[2].y);

    boxes[1].x = -1234;
    EXPECT_EQ(1, level.hazardBoxes(boxes, 1));
    EXPECT_EQ(-1234, boxes[1].x) << "nothing written past the capacity";
}

}  // namespace
