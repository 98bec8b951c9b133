// A player's session in a real window: start a game, skip the story, fly
// and pause course 1, leave it, look at the highscores and quit. Every
// picture is loaded at start-up, and every load leaves its file disguised
// again, also a file that began as a plain BMP.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "WindowGameFixture.h"
#include "highscore/HighscoreFile.h"
#include "support/WorkingDirectory.h"

namespace fs = std::filesystem;

namespace {

// The story's first picture, player 1's craft and the pause picture in
// colours of their own, so that screenshots tell them apart whatever the
// generated art looks like.
constexpr TestRgb kStoryColour{30, 140, 70};
constexpr TestRgb kCraftColour{220, 30, 200};
constexpr TestRgb kPauseColour{20, 210, 220};
constexpr TestRgb kBannerColour{240, 200, 10};
constexpr int kPauseWidth = 160;
constexpr int kPauseHeight = 40;

class PlayerSessionWindowTest : public WindowGameFixture {
  protected:
    void SetUp() override {
        WindowGameFixture::SetUp();
        ASSERT_TRUE(writeSolidPicture(folder.file("data/MS/1_1.obx"), 800, 600, kStoryColour));
        ASSERT_TRUE(writeSolidPicture(folder.file("data/M/m001.obx"), 40, 20, kCraftColour));
        ASSERT_TRUE(writeSolidPicture(folder.file("data/M/pause.obx"), kPauseWidth, kPauseHeight,
                                      kPauseColour));
        // The course banner covers the pause picture while it shows.
        for (const char* banner : {"data/M/m049.obx", "data/M/m050.obx"}) {
            ASSERT_TRUE(writeSolidPicture(folder.file(banner), 40, 40, kBannerColour));
        }
        // The flame flickers anew with every drawing, paused or not.
        fs::remove(folder.file("data/M/m036.obx"));
        // Course 1 without obstacles: nothing can hit the craft while it flies.
        for (int file = 1002; file <= 1008; ++file) {
            fs::remove(folder.file("data/L1/" + std::to_string(file) + ".obx"));
        }
        WorkingDirectory inside(folder.path());
        writeDefaultHighscores();
        highscoreBefore = readWholeTextFile(folder.file(kHighscorePath));
        for (const fs::path& picture : pictures()) {
            std::fstream(picture, std::ios::in | std::ios::out | std::ios::binary).write("BM", 2);
        }
    }

    std::vector<fs::path> pictures() const {
        std::vector<fs::path> found;
        for (const auto& entry : fs::recursive_directory_iterator(folder.file("data"))) {
            const fs::path& path = entry.path();
            if (path.extension() == ".obx" && path != folder.file(kHighscorePath)) {
                found.push_back(path);
            }
        }
        return found;
    }

    // Space, then a shot once the pause picture shows; "" if it never does.
    std::string pauseGame() {
        press("space");
        return waitForScreen([](const std::string& s) {
            return countColour(s, kPauseColour) >= kPauseWidth * kPauseHeight;
        });
    }

    std::string highscoreBefore;
};

TEST_F(PlayerSessionWindowTest, StartSkipFlyPauseLeaveLookAtHighscoresAndQuit) {
    ASSERT_NO_FATAL_FAILURE(startGame());
    const std::string menu = settledScreen();
    ASSERT_FALSE(menu.empty()) << "the menu never settled on screen";

    // START is selected on entry: one press starts a one-player game.
    press("Return");
    EXPECT_FALSE(waitForScreen([](const std::string& s) {
                     return countColour(s, kStoryColour) >= 800 * 600 / 2;
                 }).empty())
        << "the opening cutscene did not show";
    press("Escape");  // skips the story to course 1
    std::string flying;
    // The banner shows for three seconds of game time, longer on a busy machine.
    for (int tries = 0; tries < 4 && flying.empty(); ++tries) {
        flying = waitForScreen([](const std::string& s) {
            return findColour(s, kCraftColour).found() && countColour(s, kBannerColour) == 0;
        });
    }
    ASSERT_FALSE(flying.empty()) << "course 1 never showed the craft without its banner";

    // Held keys move the craft; a paused picture stands still.
    const std::string paused = pauseGame();
    ASSERT_FALSE(paused.empty()) << "Space did not pause";
    wait(1000);
    EXPECT_EQ(paused, screen()) << "the paused picture changed within a second";
    const ColourBox before = findColour(paused, kCraftColour);
    ASSERT_TRUE(before.found());
    press("space");
    session.holdKey("Right", 700);
    const std::string moved = pauseGame();
    ASSERT_FALSE(moved.empty()) << "Space did not pause again";
    const ColourBox after = findColour(moved, kCraftColour);
    ASSERT_TRUE(after.found());
    EXPECT_GT(after.left, before.left + 20) << "the craft did not move right";
    EXPECT_EQ(after.right - after.left, before.right - before.left) << "the craft changed size";

    press("space");
    press("Escape");
    EXPECT_FALSE(waitForScreen([&](const std::string& s) { return s == menu; }).empty())
        << "Escape did not lead back to the menu";

    // HIGHSCORES is two down; Return opens it and Return again goes back.
    press("Down");
    press("Down");
    const std::string onHighscores = settledScreen();
    press("Return");
    EXPECT_FALSE(waitForScreen([&](const std::string& s) { return s != onHighscores; }).empty())
        << "the highscore page did not open";
    press("Return");
    EXPECT_FALSE(waitForScreen([&](const std::string& s) { return s == onHighscores; }).empty())
        << "not back on the main list with HIGHSCORES selected";

    // QUIT is two further down.
    press("Down");
    press("Down");
    press("Return");
    ASSERT_TRUE(game.waitForExit(5000)) << "still running after QUIT";
    EXPECT_EQ(0, game.exitCode());
    EXPECT_EQ(highscoreBefore, readWholeTextFile(folder.file(kHighscorePath)));
    EXPECT_FALSE(fs::exists(folder.file(kHighscoreTempPath)));
    for (const fs::path& picture : pictures()) {
        EXPECT_EQ("0000", readFileStart(picture.string(), 4)) << picture;
    }
}

}  // namespace
