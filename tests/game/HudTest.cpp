#include <gtest/gtest.h>

#include <string>

#include "app/FrameStep.h"
#include "support/GameFixture.h"
#include "support/HeldKeys.h"

namespace {

// Every HUD picture a solid block of its own colour, so that a screen pixel
// tells which picture covers it.
class HudTest : public GameFixture {
  protected:
    static constexpr Uint8 kLeftLabel[3] = {10, 20, 30};
    static constexpr Uint8 kRightLabel[3] = {10, 30, 20};
    static constexpr Uint8 kIcon1[3] = {0, 200, 220};
    static constexpr Uint8 kIcon2[3] = {240, 160, 20};
    static constexpr Uint8 kBanner[3] = {90, 90, 90};
    static constexpr Uint8 kPause[3] = {30, 30, 120};

    static Uint8 digitRed(int digit) { return static_cast<Uint8>(100 + 10 * digit); }
    static Uint8 courseBlue(int course) { return static_cast<Uint8>(50 + course); }

    void SetUp() override {
        picture("data/M/m037.obx", 90, 24, kLeftLabel[0], kLeftLabel[1], kLeftLabel[2]);
        picture("data/M/m038.obx", 90, 24, kRightLabel[0], kRightLabel[1], kRightLabel[2]);
        for (int d = 0; d < 10; ++d) {
            const std::string path = "data/M/m0" + std::to_string(39 + d) + ".obx";
            picture(path.c_str(), 16, 24, digitRed(d), 1, 1);
        }
        picture("data/M/m049.obx", 95, 40, kBanner[0], kBanner[1], kBanner[2]);
        for (int c = 1; c <= 4; ++c) {
            const std::string path = "data/M/m0" + std::to_string(49 + c) + ".obx";
            picture(path.c_str(), 30, 40, 1, 1, courseBlue(c));
        }
        picture("data/MU/mu001.obx", 30, 20, kIcon1[0], kIcon1[1], kIcon1[2]);
        picture("data/M2/m201.obx", 30, 20, kIcon2[0], kIcon2[1], kIcon2[2]);
        picture("data/M/pause.obx", 41, 21, kPause[0], kPause[1], kPause[2]);
        load();
    }

    bool shows(int x, int y, const Uint8 (&c)[3]) const { return colourAt(x, y, c[0], c[1], c[2]); }
    bool showsDigit(int x, int y, int digit) const { return colourAt(x, y, digitRed(digit), 1, 1); }
    bool blank(int x, int y) const { return colourAt(x, y, 0, 0, 0); }
    void clearScreen() { screen.fill(0, 0, 0); }
    bool bannerShown() const {
        return shows(321, 281, kBanner) && colourAt(421, 281, 1, 1, courseBlue(1));
    }
};

TEST_F(HudTest, DigitsAreEighteenPixelsApartAndOtherCharactersKeepTheirPlace) {
    clearScreen();
    game->drawDigits(690, 20, "1230");
    EXPECT_TRUE(showsDigit(690, 20, 1));
    EXPECT_TRUE(showsDigit(708, 20, 2));
    EXPECT_TRUE(showsDigit(726, 20, 3));
    EXPECT_TRUE(showsDigit(744, 43, 0));
    EXPECT_TRUE(blank(760, 20));

    clearScreen();
    game->drawDigits(100, 100, "7-x9");
    EXPECT_TRUE(showsDigit(100, 100, 7));
    EXPECT_TRUE(blank(118, 100));
    EXPECT_TRUE(blank(136, 100));
    EXPECT_TRUE(showsDigit(154, 100, 9));
}

TEST_F(HudTest, OneRowPerPlayerAndTheLabelsOnlyOnTheFirst) {
    for (int players : {1, 2}) {
        SCOPED_TRACE(players);
        game->setPlayerCount(players);
        game->setMode(ModeCourse1);
        clearScreen();
        game->drawHud();
        EXPECT_TRUE(shows(20, 20, kLeftLabel));
        EXPECT_TRUE(shows(590, 20, kRightLabel));
        EXPECT_TRUE(blank(20, 60));
        EXPECT_TRUE(blank(590, 60));
        for (int row = 0; row < 2; ++row) {
            const int y = 20 + 40 * row;
            const int lives =
                row >= players ? 0 : (row ? game->player2() : game->player1()).lives();
            ASSERT_TRUE(row >= players || lives > 0);
            for (int i = 0; i < lives; ++i) {
                EXPECT_TRUE(shows(120 + 35 * i, y, row ? kIcon2 : kIcon1)) << row << ", " << i;
            }
            EXPECT_TRUE(blank(120 + 35 * lives, y));
            EXPECT_EQ(row < players, showsDigit(690, y, 0)) << "a score of 0 is one digit";
            EXPECT_TRUE(blank(708, y));
        }
    }
}

TEST_F(HudTest, PausePictureIsCentredOverTheHud) {
    game->setMode(ModeCourse2);
    HeldKeys space{SDLK_SPACE};
    game->update(space.keys());
    clearScreen();
    game->drawHud();
    // 41 by 21: the halves round toward zero.
    EXPECT_TRUE(shows(380, 290, kPause));
    EXPECT_TRUE(shows(420, 310, kPause));
    EXPECT_TRUE(blank(379, 290));
    EXPECT_TRUE(blank(380, 289));
}

TEST_F(HudTest, MenuAndCutscenesShowNoHud) {
    for (int mode : {ModeMenu, ModeCutscene0, ModeCutscene1, ModeCutscene2, ModeNameEntry}) {
        game->setMode(mode);
        clearScreen();
        game->render();
        EXPECT_FALSE(shows(20, 20, kLeftLabel)) << "mode " << mode;
        EXPECT_FALSE(showsDigit(690, 20, 0)) << "mode " << mode;
    }
}

// The first game second after a course starts ends at the main loop's next
// per-second tick, so the banner shows for 61 to 90 logic frames.
TEST_F(HudTest, BannerShowsForTheFirstThreeGameSeconds) {
    HeldKeys none;
    for (int framesBefore : {0, 29}) {
        FrameStep step(*game);
        for (int i = 0; i < framesBefore; ++i) {
            step.logicFrame(none.keys());
        }
        // The frame in which the course starts is drawn at 0:00 too.
        game->setMode(ModeCourse1);
        clearScreen();
        game->render();
        int shownFrames = bannerShown() ? 1 : 0;
        for (int frame = 1; frame <= 120; ++frame) {
            step.logicFrame(none.keys());
            clearScreen();
            game->render();
            if (bannerShown()) {
                ++shownFrames;
            }
        }
        EXPECT_EQ(framesBefore == 0 ? 90 : 61, shownFrames) << framesBefore;
        game->setMode(ModeMenu);
    }
}

TEST_F(HudTest, BannerNamesEachCourse) {
    for (int course = 1; course <= 4; ++course) {
        clearScreen();
        game->drawBanner(course);
        EXPECT_TRUE(shows(320, 280, kBanner));
        EXPECT_TRUE(colourAt(420, 280, 1, 1, courseBlue(course))) << course;
    }
}

}  // namespace
