#include "courses/NearPass.h"

#include <gtest/gtest.h>

namespace {

// An obstacle 60 wide and 40 high at (400, 300); its rings reach 10, 20 and
// 30 pixels beyond every side.
constexpr Box kObstacle{400, 300, 60, 40};

struct Pass {
    Box obstacle;
    RingFlags rings;
    ScorePopup popup;
    PendingSound sound;

    explicit Pass(Box b = kObstacle) : obstacle(b) { rings.arm(); }
    int at(int px, int py) { return grazeTest(px, py, obstacle, rings, popup, sound); }
    // What a craft at (x, y) reports for the obstacle in a frame.
    int craftAt(float x, float y) {
        int result = 0;
        testNearPasses(x, y, obstacle, rings, popup, sound, result);
        return result;
    }
};

TEST(NearPass, EnteringAnInnerRingFirstPaysTheOuterOnesToo) {
    Pass straight;
    EXPECT_EQ(15, straight.at(430, 295));
    EXPECT_EQ(13, straight.sound.take());
    EXPECT_EQ(15, straight.popup.value);
    EXPECT_EQ(0, straight.at(430, 295));
    EXPECT_EQ(0, straight.at(395, 320)) << "every ring is spent";

    Pass middleFirst;
    EXPECT_EQ(10, middleFirst.at(430, 285));
    EXPECT_EQ(12, middleFirst.sound.take());
    EXPECT_EQ(10, middleFirst.popup.value);
    EXPECT_EQ(5, middleFirst.at(430, 295));
    EXPECT_EQ(15, middleFirst.popup.value);
}

TEST(NearPass, RingEdgesAreStrict) {
    Pass pass;
    // Mid-height, 10 pixels left of the obstacle: the middle ring, not the inner.
    EXPECT_EQ(10, pass.at(390, 320));
    EXPECT_EQ(12, pass.sound.take());
    EXPECT_EQ(1, pass.rings.innerRing);
    EXPECT_EQ(0, pass.rings.middleRing);
    EXPECT_EQ(5, pass.at(391, 320));
    EXPECT_EQ(13, pass.sound.take());

    Pass edges;
    EXPECT_EQ(0, edges.at(370, 320)) << "30 to the left lies outside every ring";
    EXPECT_EQ(0, edges.at(490, 320)) << "30 to the right of the right edge";
    EXPECT_EQ(0, edges.at(430, 370)) << "30 below the bottom";
    EXPECT_EQ(5, edges.at(489, 320));
    EXPECT_EQ(5, edges.at(430, 359)) << "19 below the bottom: middle ring";
    EXPECT_EQ(12, edges.sound.take());
}

TEST(NearPass, PopupShowsAboveTheObstaclesCentre) {
    Pass odd(Box{-31, 101, 61, 41});
    ASSERT_EQ(15, odd.at(0, 120));
    EXPECT_EQ(1, odd.popup.timer);
    EXPECT_FLOAT_EQ(-1.0f, odd.popup.x);          // 61 / 2 + -31
    EXPECT_FLOAT_EQ(101 + 20 - 11, odd.popup.y);  // halves truncated
}

// The craft's four near-pass points are its top and bottom middle and its two
// ends 12 above its bottom; the last one that pays sets the result.
TEST(NearPass, CraftPointsAndTheLastPaymentWins) {
    Pass sides;
    // Right end (x + 83, y + 28) 25 left of the obstacle, at its mid-height.
    EXPECT_EQ(1005, sides.craftAt(375.0f - 83.0f, 320.0f - 28.0f));
    EXPECT_EQ(11, sides.sound.take());

    // Top middle in the middle ring pays 10, then the bottom middle, inside
    // the obstacle, pays the inner ring's 5: the frame reports the 5.
    Pass both;
    EXPECT_EQ(1005, both.craftAt(430.0f - 41.0f, 285.0f));
    EXPECT_EQ(13, both.sound.take());
    EXPECT_EQ(15, both.popup.value);

    // The ends' y is 242.9 + 40 - 12 = 270.9, truncated to 270: on the outer
    // ring's edge, so outside it.
    Pass truncated;
    EXPECT_EQ(0, truncated.craftAt(300.0f, 242.9f));
    EXPECT_EQ(1005, truncated.craftAt(300.0f, 243.0f));
}

}  // namespace
