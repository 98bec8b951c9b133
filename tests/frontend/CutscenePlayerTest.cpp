#include "frontend/CutscenePlayer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

namespace {

// The pictures in loading order.
const char* const kFiles[] = {
    "1_1",      "1_2",      "1_3",      "logo",     "1_4",      "2_1",      "2_2",
    "2_3",      "3_1",      "3_2",      "3_3",      "ms_01_01", "ms_01_02", "ms_01_03",
    "ms_01_04", "ms_01_05", "ms_01_06", "ms_02_01", "ms_02_02", "ms_03_01", "bk"};

// A picture's index in loading order; -1 for "", no picture.
int indexOf(const std::string& name) {
    for (int i = 0; i < CutscenePlayer::kPictures; ++i) {
        if (name == kFiles[i]) {
            return i;
        }
    }
    EXPECT_TRUE(name.empty()) << name;
    return -1;
}

TestRgb colourOf(int index) {
    return TestRgb{static_cast<std::uint8_t>(30 + 9 * index), 60, 200};
}

class CutscenePlayerTest : public ::testing::Test {
  protected:
    CutscenePlayerTest() {
        for (int i = 0; i < CutscenePlayer::kPictures; ++i) {
            // Scene pictures are small squares; captions 101 wide, so half is 50.
            const int width = i >= indexOf("ms_01_01") && i != indexOf("bk") ? 101 : 10;
            writeSolidPicture(folder.file("data/MS/" + std::string(kFiles[i]) + ".obx"), width, 8,
                              colourOf(i));
        }
        player.loadImages(screen.surface());
    }

    // What the scene shows with its clocks at a given second and frame.
    void expectShot(int scene, int seconds, int frame, const char* picture, const char* upper,
                    const char* lower) {
        SCOPED_TRACE(testing::Message()
                     << "scene " << scene << " at " << seconds << " s, frame " << frame);
        player.setClock(seconds, 0);
        player.setFrame(frame);
        const CutscenePlayer::Shot s = player.shot(scene);
        EXPECT_EQ(indexOf(picture), s.picture);
        EXPECT_EQ(indexOf(upper), s.captions[0]);
        EXPECT_EQ(indexOf(lower), s.captions[1]);
    }
    bool drawnAt(const char* name, int x, int y) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        const TestRgb c = colourOf(indexOf(name));
        return r == c.r && g == c.g && b == c.b;
    }

    TempFolder folder;
    WorkingDirectory inside{folder.path()};
    HeadlessScreen screen;
    CutscenePlayer player;
};

TEST_F(CutscenePlayerTest, OpeningPicturesFollowTheSecondsAndCaptionsTheFrames) {
    player.start(0);
    expectShot(0, 0, 29, "1_1", "", "");
    expectShot(0, 1, 30, "1_1", "ms_01_01", "ms_01_02");
    expectShot(0, 7, 179, "1_1", "ms_01_01", "ms_01_02");
    expectShot(0, 8, 180, "1_2", "", "ms_01_03");
    expectShot(0, 11, 244, "1_2", "", "ms_01_03");
    expectShot(0, 12, 245, "1_3", "", "ms_01_04");
    expectShot(0, 19, 324, "1_3", "", "ms_01_04");
    expectShot(0, 20, 325, "logo", "", "ms_01_05");
    expectShot(0, 21, 429, "logo", "", "ms_01_05");
    expectShot(0, 22, 430, "1_4", "", "ms_01_06");
    expectShot(0, 25, 529, "1_4", "", "ms_01_06");
    expectShot(0, 25, 530, "1_4", "", "");
}

TEST_F(CutscenePlayerTest, MiddleSceneCaptionsFromSecondThreeUntilFrame209) {
    player.start(1);
    expectShot(1, 2, 89, "2_1", "", "");
    expectShot(1, 3, 61, "2_2", "ms_02_01", "ms_02_02");
    expectShot(1, 6, 209, "2_2", "ms_02_01", "ms_02_02");
    expectShot(1, 7, 210, "2_2", "", "");
    expectShot(1, 7, 214, "2_2", "", "");
    expectShot(1, 7, 215, "2_3", "", "");
}

TEST_F(CutscenePlayerTest, ClosingSceneCaptionFromSecondEightCentredOn340) {
    player.start(2);
    expectShot(2, 3, 119, "3_1", "", "");
    expectShot(2, 9, 119, "3_1", "", "");
    expectShot(2, 4, 120, "3_2", "", "");
    expectShot(2, 7, 239, "3_2", "", "");
    expectShot(2, 8, 240, "3_3", "ms_03_01", "");

    screen.fill(0, 0, 0);
    player.draw(2);
    EXPECT_TRUE(drawnAt("3_3", 0, 0));
    EXPECT_TRUE(drawnAt("ms_03_01", 340 - 50, 260));
    EXPECT_TRUE(drawnAt("ms_03_01", 340 + 50, 267));
    EXPECT_FALSE(drawnAt("ms_03_01", 340 - 51, 260));
}

TEST_F(CutscenePlayerTest, OpeningCaptionsAreDrawnCentredOn400) {
    player.start(0);
    player.setClock(1, 0);
    player.setFrame(40);
    screen.fill(0, 0, 0);
    player.draw(0);
    EXPECT_TRUE(drawnAt("1_1", 9, 7));
    EXPECT_TRUE(drawnAt("ms_01_01", 350, 510));
    EXPECT_TRUE(drawnAt("ms_01_02", 450, 557));
    EXPECT_FALSE(drawnAt("ms_01_02", 349, 550));
    EXPECT_FALSE(drawnAt("ms_01_02", 451, 550));
}

TEST_F(CutscenePlayerTest, MusicIsHandedOutOnceAndKeysNeverEndAScene) {
    const int music[3] = {5, 6, 7};
    const int length[3] = {26, 15, 19};
    std::array<Uint8, SDLK_LAST> keys;
    keys.fill(1);
    keys[SDLK_ESCAPE] = 0;
    for (int scene = 0; scene < 3; ++scene) {
        player.start(scene);
        EXPECT_EQ(music[scene], player.takeSoundEvent());
        EXPECT_EQ(-1, player.takeSoundEvent());
        player.setFrame(30 * length[scene] - 1);
        player.setClock(length[scene] - 1, 0);
        EXPECT_EQ(0, player.handleInput(keys.data(), scene)) << "scene " << scene;
        player.setClock(length[scene], 0);
        EXPECT_EQ(1000, player.handleInput(keys.data(), scene)) << "scene " << scene;
        EXPECT_EQ(-1, player.takeSoundEvent());
    }
    // A new start restarts the clocks.
    player.setClock(26, 0);
    player.setFrame(700);
    player.start(0);
    EXPECT_EQ(0, player.handleInput(keys.data(), 0));
    EXPECT_EQ(indexOf("1_1"), player.shot(0).picture);
    EXPECT_EQ(-1, player.shot(0).captions[1]);
}

}  // namespace
