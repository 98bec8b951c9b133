// The menu and the opening cutscene in a real window: a player starts a game,
// skips the story, leaves the course, looks at the highscores and quits.
#include <gtest/gtest.h>

#include <filesystem>

#include "WindowGameFixture.h"
#include "highscore/HighscoreFile.h"
#include "support/WorkingDirectory.h"

namespace fs = std::filesystem;

namespace {

// The opening's first picture, drawn by this test so that the cutscene is
// told apart from the menu whatever the story pictures look like.
constexpr TestRgb kStoryColour{30, 140, 70};

class FrontendWindowTest : public WindowGameFixture {
  protected:
    void SetUp() override {
        WindowGameFixture::SetUp();
        ASSERT_TRUE(writeSolidPicture(folder.file("data/MS/1_1.obx"), 800, 600, kStoryColour));
        WorkingDirectory inside(folder.path());
        writeDefaultHighscores();
        highscoreBefore = readWholeTextFile(folder.file(kHighscorePath));
    }

    std::string highscoreBefore;
};

TEST_F(FrontendWindowTest, StartSkipLeaveLookAtHighscoresAndQuit) {
    ASSERT_NO_FATAL_FAILURE(startGame());
    const std::string menu = settledScreen();
    ASSERT_FALSE(menu.empty()) << "the menu never settled on screen";

    // START is selected on entry: one press starts a one-player game.
    press("Return");
    const std::string story = waitForScreen(
        [](const std::string& s) { return countColour(s, kStoryColour) >= 800 * 600 / 2; });
    EXPECT_FALSE(story.empty()) << "the opening cutscene did not show";
    EXPECT_NE(menu, story);

    // Escape skips the story to course 1, and leaves that for the menu.
    press("Escape");
    wait(800);
    EXPECT_TRUE(game.running()) << "Escape in the cutscene ended the program";
    press("Escape");
    EXPECT_FALSE(waitForScreen([&](const std::string& s) { return s == menu; }).empty())
        << "not back at the menu";

    // HIGHSCORES is two down; Return opens it and Return again goes back.
    press("Down");
    press("Down");
    const std::string onHighscores = settledScreen();
    press("Return");
    const std::string list = waitForScreen([&](const std::string& s) { return s != onHighscores; });
    EXPECT_FALSE(list.empty()) << "the highscore page did not open";
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
    WorkingDirectory inside(folder.path());
    HighscoreTable table;
    loadHighscoreTable(table);
    EXPECT_EQ(HighscoreTable::defaults(), table);
}

}  // namespace
