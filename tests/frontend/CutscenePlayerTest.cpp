#include "frontend/CutscenePlayer.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

namespace {

// Indexes in loading order.
enum {
    k1_1 = 0,
    k1_2,
    k1_3,
    kLogo,
    k1_4,
    k2_1,
    k2_2,
    k2_3,
    k3_1,
    k3_2,
    k3_3,
    kMs0101,
    kMs0102,
    kMs0103,
    kMs0104,
    kMs0105,
    kMs0106,
    kMs0201,
    kMs0202,
    kMs0301,
    kBk
};
const char* const kFiles[] = {
    "1_1",      "1_2",      "1_3",      "logo",     "1_4",      "2_1",      "2_2",
    "2_3",      "3_1",      "3_2",      "3_3",      "ms_01_01", "ms_01_02", "ms_01_03",
    "ms_01_04", "ms_01_05", "ms_01_06", "ms_02_01", "ms_02_02", "ms_03_01", "bk"};
constexpr int kNone = -1;

TestRgb colourOf(int index) {
    return TestRgb{static_cast<std::uint8_t>(30 + 9 * index), 60, 200};
}

class CutscenePlayerTest : public ::testing::Test {
  protected:
    CutscenePlayerTest() {
        for (int i = 0; i < CutscenePlayer::kPictures; ++i) {
            // Scene pictures are small squares; captions 101 wide, so half is 50.
            const int width = i >= kMs0101 && i != kBk ? 101 : 10;
            writeSolidPicture(folder.file("data/MS/" + std::string(kFiles[i]) + ".obx"), width, 8,
                              colourOf(i));
        }
        player.loadImages(screen.surface());
    }

    // The scene's clocks at a given second and frame.
    CutscenePlayer::Shot at(int scene, int seconds, int frame) {
        player.setClock(seconds, 0);
        player.setFrame(frame);
        return player.shot(scene);
    }
    void expectShot(int scene, int seconds, int frame, int picture, int upper, int lower) {
        const CutscenePlayer::Shot s = at(scene, seconds, frame);
        EXPECT_EQ(picture, s.picture)
            << "scene " << scene << " at " << seconds << " s, frame " << frame;
        EXPECT_EQ(upper, s.captions[0]) << "scene " << scene << " frame " << frame;
        EXPECT_EQ(lower, s.captions[1]) << "scene " << scene << " frame " << frame;
    }
    bool drawnAt(int index, int x, int y) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        const TestRgb c = colourOf(index);
        return r == c.r && g == c.g && b == c.b;
    }

    TempFolder folder;
    WorkingDirectory inside{folder.path()};
    HeadlessScreen screen;
    CutscenePlayer player;
};

TEST_F(CutscenePlayerTest, OpeningPicturesFollowTheSecondsAndCaptionsTheFrames) {
    player.start(0);
    expectShot(0, 0, 0, k1_1, kNone, kNone);
    expectShot(0, 0, 29, k1_1, kNone, kNone);
    expectShot(0, 1, 30, k1_1, kMs0101, kMs0102);
    expectShot(0, 7, 179, k1_1, kMs0101, kMs0102);
    expectShot(0, 8, 180, k1_2, kNone, kMs0103);
    expectShot(0, 11, 244, k1_2, kNone, kMs0103);
    expectShot(0, 12, 245, k1_3, kNone, kMs0104);
    expectShot(0, 19, 324, k1_3, kNone, kMs0104);
    expectShot(0, 20, 325, kLogo, kNone, kMs0105);
    expectShot(0, 21, 429, kLogo, kNone, kMs0105);
    expectShot(0, 22, 430, k1_4, kNone, kMs0106);
    expectShot(0, 25, 529, k1_4, kNone, kMs0106);
    expectShot(0, 25, 530, k1_4, kNone, kNone);
}

TEST_F(CutscenePlayerTest, MiddleSceneCaptionsFromSecondThreeUntilFrame209) {
    player.start(1);
    expectShot(1, 2, 89, k2_1, kNone, kNone);
    expectShot(1, 3, 61, k2_2, kMs0201, kMs0202);
    expectShot(1, 6, 209, k2_2, kMs0201, kMs0202);
    expectShot(1, 7, 210, k2_2, kNone, kNone);
    expectShot(1, 7, 214, k2_2, kNone, kNone);
    expectShot(1, 7, 215, k2_3, kNone, kNone);
    expectShot(1, 14, 440, k2_3, kNone, kNone);
}

TEST_F(CutscenePlayerTest, ClosingSceneCaptionFromSecondEightCentredOn340) {
    player.start(2);
    expectShot(2, 3, 119, k3_1, kNone, kNone);
    expectShot(2, 9, 119, k3_1, kNone, kNone);
    expectShot(2, 4, 120, k3_2, kNone, kNone);
    expectShot(2, 7, 239, k3_2, kNone, kNone);
    expectShot(2, 8, 240, k3_3, kMs0301, kNone);

    screen.fill(0, 0, 0);
    player.draw(2);
    EXPECT_TRUE(drawnAt(k3_3, 0, 0));
    EXPECT_TRUE(drawnAt(kMs0301, 340 - 50, 260));
    EXPECT_TRUE(drawnAt(kMs0301, 340 + 50, 267));
    EXPECT_FALSE(drawnAt(kMs0301, 340 - 51, 260));
}

TEST_F(CutscenePlayerTest, OpeningCaptionsAreDrawnCentredOn400) {
    player.start(0);
    player.setClock(1, 0);
    player.setFrame(40);
    screen.fill(0, 0, 0);
    player.draw(0);
    EXPECT_TRUE(drawnAt(k1_1, 9, 7));
    EXPECT_TRUE(drawnAt(kMs0101, 350, 510));
    EXPECT_TRUE(drawnAt(kMs0102, 450, 557));
    EXPECT_FALSE(drawnAt(kMs0102, 349, 550));
    EXPECT_FALSE(drawnAt(kMs0102, 451, 550));
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
    EXPECT_EQ(k1_1, player.shot(0).picture);
    EXPECT_EQ(kNone, player.shot(0).captions[1]);
}

}  // namespace
