#include "courses/ScorePopup.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace {

constexpr TestRgb kZero{250, 250, 250};
constexpr TestRgb kOne{0, 200, 0};
constexpr TestRgb kFive{0, 0, 240};
constexpr TestRgb kGround{40, 40, 120};

// Three 20 by 24 digit pictures in plain colours; pixel (0, 0) of each is
// the transparent colour. Run with the digits as loaded and with their
// translucent twins prepared, as the courses do.
class ScorePopupTest : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        load(zero, "m039.obx", kZero);
        load(one, "m040.obx", kOne);
        load(five, "m044.obx", kFive);
        if (GetParam()) {
            prepareFadingDigits(zero, one, five, screen.surface());
        }
        screen.fill(kGround.r, kGround.g, kGround.b);
    }
    void load(ObxImage& image, const char* name, TestRgb colour) {
        TestPicture picture(20, 24, colour);
        picture.set(0, 0, kTransparent);
        const std::string path = folder.file(name);
        ASSERT_TRUE(picture.write(path));
        ASSERT_EQ(0, image.load(path.c_str(), screen.surface()));
    }
    void expectPixel(int x, int y, TestRgb c, int tolerance = 0) {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        EXPECT_NEAR(c.r, r, tolerance) << "at " << x << "," << y;
        EXPECT_NEAR(c.g, g, tolerance) << "at " << x << "," << y;
        EXPECT_NEAR(c.b, b, tolerance) << "at " << x << "," << y;
    }
    // The colour of a over the ground at the given alpha.
    static TestRgb blend(TestRgb a, int alpha) {
        auto mixed = [alpha](int src, int dst) {
            return static_cast<std::uint8_t>(dst + (src - dst) * alpha / 255);
        };
        return TestRgb{mixed(a.r, kGround.r), mixed(a.g, kGround.g), mixed(a.b, kGround.b)};
    }

    HeadlessScreen screen;
    TempFolder folder;
    ObxImage zero, one, five;
    PopupDigits digits{&zero, &one, &five};
};

TEST_P(ScorePopupTest, DigitsStandLeftOfTheCentreAndFadeAfterTenFrames) {
    // "10" around (211, 50): "0" at (200, 50), "1" 22 further left.
    drawScorePopup(ScorePopup{10, 10, 211.0f, 50.0f}, digits, screen.surface());
    expectPixel(201, 51, kZero);
    expectPixel(179, 51, kOne);
    expectPixel(178, 51, kOne);
    expectPixel(200, 50, kGround);  // the digit's keyed corner
    // The "1" is 20 wide and ends 2 short of the "0".
    expectPixel(197, 51, kOne);
    expectPixel(198, 51, kGround);

    // "15" at timer 11: alpha 230.
    drawScorePopup(ScorePopup{15, 11, 411.0f, 300.0f}, digits, screen.surface());
    expectPixel(401, 301, blend(kFive, 230), 2);
    expectPixel(379, 301, blend(kOne, 230), 2);
    expectPixel(400, 300, kGround);  // keyed pixels stay untouched under alpha

    // "5" at timer 19: alpha 30.
    drawScorePopup(ScorePopup{5, 19, 611.0f, 400.0f}, digits, screen.surface());
    expectPixel(601, 401, blend(kFive, 30), 2);
}

TEST_P(ScorePopupTest, EachSlotStartsOpaque) {
    drawScorePopup(ScorePopup{5, 15, 111.0f, 100.0f}, digits, screen.surface());
    drawScorePopup(ScorePopup{5, 3, 311.0f, 100.0f}, digits, screen.surface());
    expectPixel(301, 101, kFive);
    // An empty slot still puts the alpha back.
    five.setAlpha(40);
    drawScorePopup(ScorePopup{15, 0, 0.0f, 0.0f}, digits, screen.surface());
    five.draw(screen.surface(), 500, 500);
    expectPixel(501, 501, kFive);
}

TEST_P(ScorePopupTest, OnlyShownValuesAreDrawn) {
    drawScorePopup(ScorePopup{15, 0, 311.0f, 100.0f}, digits, screen.surface());
    drawScorePopup(ScorePopup{-1, 5, 311.0f, 200.0f}, digits, screen.surface());
    drawScorePopup(ScorePopup{20, 5, 311.0f, 300.0f}, digits, screen.surface());
    for (int y : {101, 201, 301}) {
        expectPixel(301, y, kGround);
        expectPixel(279, y, kGround);
    }
}

TEST_P(ScorePopupTest, PositionsTruncateTowardZero) {
    // x - 11 = -0.5 truncates to 0, not -1; y 10.9 to 10.
    drawScorePopup(ScorePopup{5, 1, 10.5f, 10.9f}, digits, screen.surface());
    expectPixel(0, 10, kGround);  // keyed corner at (0, 10)
    expectPixel(1, 10, kFive);
    expectPixel(0, 11, kFive);
    expectPixel(0, 9, kGround);
}

// The same on a 16-bit display, where SDL blends by another path.
TEST(ScorePopupDepth, KeyAndHalfAlphaOnSixteenBits) {
    HeadlessScreen screen(16);
    TempFolder folder;
    TestPicture picture(8, 8, TestRgb{248, 248, 248});
    picture.set(3, 3, kTransparent);
    const std::string path = folder.file("d.obx");
    ASSERT_TRUE(picture.write(path));
    ObxImage digit;
    ASSERT_EQ(0, digit.load(path.c_str(), screen.surface()));
    screen.fill(0, 0, 0);
    digit.setAlpha(128);
    digit.draw(screen.surface(), 10, 10);
    Uint8 r, g, b;
    screen.rgbAt(13, 13, r, g, b);
    EXPECT_EQ(0, r + g + b);
    screen.rgbAt(12, 13, r, g, b);
    EXPECT_NEAR(124, r, 8);
    EXPECT_NEAR(124, g, 8);
    EXPECT_NEAR(124, b, 8);
}

TEST(ScorePopupAge, ShowsForNineteenFrames) {
    ScorePopup p;
    p.timer = 1;
    int shown = 1;
    while (p.timer > 0) {
        p.age();
        shown += p.timer > 0 ? 1 : 0;
    }
    EXPECT_EQ(19, shown);
    p.age();
    EXPECT_EQ(0, p.timer) << "a hidden popup stays hidden";
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(AsLoadedAndWithFadingTwins, ScorePopupTest, ::testing::Bool());
