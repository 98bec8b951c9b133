#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <utility>

#include "player/Player.h"
#include "support/HeadlessScreen.h"
#include "support/HeldKeys.h"
#include "support/RandCalls.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

namespace {

// Every picture of the table gets its own colour: the group in red, the
// entry in green, so a screen pixel tells which picture was drawn there.
constexpr int kBackground = 0, kCraft1 = 1, kCraft2 = 2, kFlyOff1 = 3, kFlyOff2 = 4, kExplosion = 5,
              kExplosion2 = 6, kExhaust2 = 7, kExhaust3 = 8, kTrail4 = 9, kFlame = 10, kSpare = 11;

TestRgb colourOf(int group, int index) {
    return TestRgb{static_cast<std::uint8_t>(group * 20), static_cast<std::uint8_t>(index * 16),
                   77};
}

// What a screen pixel shows: a group and its picture.
using Drawn = std::pair<int, int>;

constexpr int kSide = 4;  // craft, fly-off and explosion pictures

class PlayerDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeSeries("data/M/m%03d.obx", 1, 1, kCraft1, kSide);
        writeSeries("data/M2/test.obx", 0, 1, kCraft2, kSide);
        writeSeries("data/M/m%03d.obx", 3, 9, kFlyOff1, kSide);
        writeSeries("data/M2/m%03d.obx", 3, 9, kFlyOff2, kSide);
        writeSeries("data/M/m%03d.obx", 12, 12, kExplosion, kSide);
        writeSeries("data/M2/exp%d.obx", 1, 4, kExplosion2, kSide);
        writeSeries("data/M/m%03d.obx", 24, 4, kExhaust2, 1);
        writeSeries("data/M/m%03d.obx", 28, 4, kExhaust3, 1);
        writeSeries("data/L4/%d.obx", 4001, 4, kTrail4, 1);
        writeSeries("data/M/m%03d.obx", 32, 4, kSpare, 1);
        writeSeries("data/M/m%03d.obx", 36, 1, kFlame, 1);
    }

    void writeSeries(const char* pattern, int first, int count, int group, int side) {
        for (int i = 0; i < count; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, pattern, first + i);
            ASSERT_TRUE(TestPicture(side, side, colourOf(group, i)).write(folder.file(name)));
        }
    }

    void load(Player& p) {
        WorkingDirectory here(folder.path());
        ASSERT_TRUE(here.entered());
        p.loadImages(screen.surface());
        ASSERT_TRUE(p.craftImage().present());
    }

    Drawn at(int x, int y) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        if (b != 77) {
            return Drawn{kBackground, 0};
        }
        return Drawn{r / 20, g / 16};
    }

    // Clears the screen and draws the craft alone.
    void drawAlone(Player& p) {
        screen.fill(0, 0, 0);
        p.draw();
    }

    // The flame pixels in a window around the craft's left end.
    std::set<std::pair<int, int>> flamePixels(const Player& p) const {
        std::set<std::pair<int, int>> lit;
        const int x0 = static_cast<int>(p.x()), y0 = static_cast<int>(p.y());
        for (int y = y0 - 60; y < y0 + 120; ++y) {
            for (int x = x0 - 40; x < x0 + 20; ++x) {
                if (at(x, y).first == kFlame) {
                    lit.insert({x, y});
                }
            }
        }
        return lit;
    }

    Drawn atCraft(const Player& p) const {
        return at(static_cast<int>(p.x()) + 1, static_cast<int>(p.y()) + 1);
    }

    HeadlessScreen screen;
    TempFolder folder;
};

TEST_F(PlayerDrawTest, PictureFollowsTheState) {
    Player p;
    load(p);
    p.start(1, 1);  // the flame stays below the pixels looked at
    p.setLives(2);
    p.steerTo(300.7f, 200.2f);
    drawAlone(p);
    EXPECT_EQ((Drawn{kCraft1, 0}), at(300, 200)) << "truncated toward zero";
    EXPECT_EQ((Drawn{kBackground, 0}), at(299, 199));

    p.hit(0);
    for (int timer = 1; timer < 50; ++timer) {
        ASSERT_EQ(timer, p.stateTimer());
        drawAlone(p);
        const Drawn expected = timer < 24 ? Drawn{kExplosion, timer / 2} : Drawn{kBackground, 0};
        ASSERT_EQ(expected, at(250, 139)) << "timer " << timer;
        p.updateInput(HeldKeys().keys());
    }

    // Back at the start point, blinking every frame.
    ASSERT_EQ(Respawning, p.state());
    for (int i = 0; i < 50; ++i) {
        drawAlone(p);
        const Drawn expected = p.stateTimer() % 2 == 0 ? Drawn{kCraft1, 0} : Drawn{kBackground, 0};
        ASSERT_EQ(expected, at(51, 201)) << "timer " << p.stateTimer();
        p.updateInput(HeldKeys().keys());
    }
    ASSERT_EQ(Flying, p.state());

    p.setFinishFrame(-1);
    drawAlone(p);
    EXPECT_EQ((Drawn{kCraft1, 0}), atCraft(p));
    for (int frame = 0; frame < 9; ++frame) {
        p.setFinishFrame(frame);
        drawAlone(p);
        EXPECT_EQ((Drawn{kFlyOff1, frame}), atCraft(p));
    }
    // Past the fly-off pictures nothing is drawn.
    for (int frame : {9, 100}) {
        p.setFinishFrame(frame);
        drawAlone(p);
        EXPECT_EQ((Drawn{kBackground, 0}), atCraft(p)) << frame;
    }
}

TEST_F(PlayerDrawTest, SecondCraftHasItsOwnCraftFlyOffAndFirstExplosionPictures) {
    Player two(2);
    load(two);
    two.start(1);
    two.setLives(3);
    drawAlone(two);
    EXPECT_EQ((Drawn{kCraft2, 0}), at(51, 251));
    two.setFinishFrame(4);
    drawAlone(two);
    EXPECT_EQ((Drawn{kFlyOff2, 4}), at(51, 251));

    two.start(1);
    two.hit(0);
    for (int frame = 0; frame < 12; ++frame) {
        drawAlone(two);
        const Drawn expected = frame < 4 ? Drawn{kExplosion2, frame} : Drawn{kExplosion, frame};
        ASSERT_EQ(expected, atCraft(two));
        two.updateInput(HeldKeys().keys());
        two.updateInput(HeldKeys().keys());
    }
}

// Particles in the top 35 rows hide under the band of courses 3 and 4.
TEST_F(PlayerDrawTest, TrailPicturesPerCourseAndHiddenUnderTheTopBand) {
    struct Case {
        int course;
        int group;
        bool hideHigh;
    };
    for (const Case& c : {Case{2, kExhaust2, false}, Case{3, kExhaust3, true},
                          Case{4, kTrail4, true}, Case{5, kTrail4, true}}) {
        SCOPED_TRACE(c.course);
        Player p;
        load(p);
        p.start(c.course == 5 ? 4 : c.course, 1);
        p.setCourse(c.course);
        for (int i = 0; i < 60; ++i) {
            p.steerTo(400.0f, i < 30 ? 300.0f : 5.0f);
        }
        drawAlone(p);
        int high = 0, low = 0;
        std::set<int> variants;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                const Drawn d = at(x, y);
                if (d.first == c.group) {
                    (y <= 35 ? high : low) += 1;
                    variants.insert(d.second);
                }
            }
        }
        EXPECT_GT(low, 3);
        EXPECT_EQ(!c.hideHigh, high > 3);
        EXPECT_GT(variants.size(), 1u) << "each particle shows its own picture";
    }
}

// A tongue at the craft's left end in rows 18 to 32 pixels below its top,
// flickering anew with each drawing; climbing bends its far end down and
// diving bends it up.
TEST_F(PlayerDrawTest, FlameFlickersAtTheLeftEndAndBendsWithTheClimb) {
    struct Case {
        int key;
        int below;  // the bent copies drop under the lowest row (1), rise over the top (-1)
    };
    for (const Case& c : {Case{0, 0}, Case{SDLK_UP, 1}, Case{SDLK_DOWN, -1}}) {
        SCOPED_TRACE(c.key);
        Player p;
        load(p);
        p.start(1, 1);
        for (int i = 0; i < 10 && c.key; ++i) {
            p.updateInput(HeldKeys{c.key}.keys());
        }
        p.steerTo(300.5f, 300.25f);
        drawAlone(p);
        const auto lit = flamePixels(p);
        int under = 0, over = 0;
        for (const auto& pixel : lit) {
            EXPECT_GE(pixel.first, 300 - 25);
            EXPECT_LE(pixel.first, 300 + 10);
            under += pixel.second > 300 + 32;
            over += pixel.second < 300 + 18;
        }
        EXPECT_EQ(c.below > 0, under > 0);
        EXPECT_EQ(c.below<0, over> 0);
        drawAlone(p);
        EXPECT_NE(lit, flamePixels(p)) << "the flame stood still";
    }
}

TEST_F(PlayerDrawTest, FlameTakesNinetySixValuesOnlyWhenShown) {
    Player p;
    load(p);
    p.start(1, 1);
    p.setLives(2);
    auto valuesPerDrawing = [&] {
        const SeededRand seq;
        drawAlone(p);
        return seq.taken();
    };
    EXPECT_EQ(96, valuesPerDrawing());
    p.hit(0);
    EXPECT_EQ(0, valuesPerDrawing()) << "no flame on a wreck";
    for (int i = 0; i < 49; ++i) {
        p.updateInput(HeldKeys().keys());
    }
    ASSERT_EQ(Respawning, p.state());
    for (int i = 0; i < 4; ++i) {
        const bool shown = p.stateTimer() % 2 == 0;
        EXPECT_EQ(shown ? 96 : 0, valuesPerDrawing()) << "the flame blinks with the craft";
        EXPECT_EQ(shown, !flamePixels(p).empty());
        p.updateInput(HeldKeys().keys());
    }
    p.setFinishFrame(-1);
    EXPECT_EQ(0, valuesPerDrawing());
    p.setFinishFrame(3);
    EXPECT_EQ(0, valuesPerDrawing());

    // The other courses draw particles and take nothing from the sequence.
    p.start(2, 1);
    EXPECT_EQ(0, valuesPerDrawing());
}

}  // namespace
