// The menu and the opening cutscene in a real window: a player starts a game,
// skips the story, leaves the course, looks at the highscores and quits.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>

#include "highscore/HighscoreFile.h"
#include "support/ChildProcess.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"
#include "support/XvfbSession.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWindowTimeoutMs = 15000;
constexpr int kScreenTimeoutMs = 5000;
// The opening's first picture, drawn by this test so that the cutscene is
// told apart from the menu whatever the story pictures look like.
constexpr TestRgb kStoryColour{30, 140, 70};

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int countColour(const std::string& ppm, TestRgb c);

bool mostlyBlack(const std::string& ppm) {
    return countColour(ppm, TestRgb{0, 0, 0}) >
           800 * 600 / 2 + (XvfbSession::kScreenWidth * XvfbSession::kScreenHeight - 800 * 600);
}

class FrontendWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session.running()) << "could not start Xvfb";
        const fs::path run(KAVREL_RUN_FOLDER);
        ASSERT_TRUE(fs::exists(run / "kavrel")) << "no game in " << run;
        for (const char* entry : {"kavrel", "X.bmp", "data", "sound"}) {
            if (fs::exists(run / entry)) {
                fs::copy(run / entry, fs::path(folder.path()) / entry, fs::copy_options::recursive);
            }
        }
        ASSERT_TRUE(writeSolidPicture(folder.file("data/MS/1_1.obx"), 800, 600, kStoryColour));
        {
            WorkingDirectory inside(folder.path());
            writeDefaultHighscores();
        }
        highscoreBefore = readWholeTextFile(folder.file(kHighscorePath));
    }

    void TearDown() override {
        if (HasFailure()) {
            const fs::path keep = fs::path(KAVREL_BUILD_DIR) / "window-test-failures";
            fs::create_directories(keep);
            session.screenshot((keep / "FrontendWindowTest.png").string());
            std::cerr << "game output:\n" << readWholeTextFile(folder.file("output.txt")) << "\n";
        }
    }

    // The whole X screen as raw 8-bit pixels (a PPM file has no time stamp).
    std::string screen() {
        const std::string path = folder.file("screen.ppm");
        fs::remove(path);
        session.tool({"import", "-window", "root", "-depth", "8", path});
        return readWholeTextFile(path);
    }
    // Takes screenshots until one passes the test; that one, or "".
    template <typename Test>
    std::string waitForScreen(Test test) {
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kScreenTimeoutMs);
        while (std::chrono::steady_clock::now() < until) {
            const std::string shot = screen();
            if (!shot.empty() && test(shot)) {
                return shot;
            }
            pause(100);
        }
        return "";
    }
    // Waits until the window shows something and holds still: two shots in a
    // row alike, and not the black of a window not yet drawn.
    std::string settledScreen() {
        std::string last;
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(kScreenTimeoutMs);
        while (std::chrono::steady_clock::now() < until) {
            const std::string shot = screen();
            if (!shot.empty() && shot == last && !mostlyBlack(shot)) {
                return shot;
            }
            last = shot;
            pause(150);
        }
        return "";
    }
    void press(const char* key) {
        session.holdKey(key);
        pause(200);
    }

    XvfbSession session;
    TempFolder folder;
    ChildProcess game;
    std::string highscoreBefore;
};

// How many pixels of a P6 picture have exactly this colour.
int countColour(const std::string& ppm, TestRgb c) {
    // Header: "P6", width, height, maximum, each followed by white space.
    size_t at = 0;
    for (int field = 0; field < 4; ++field) {
        at = ppm.find_first_of(" \t\r\n", at);
        if (at == std::string::npos) {
            return 0;
        }
        ++at;
    }
    int count = 0;
    for (; at + 2 < ppm.size(); at += 3) {
        count += static_cast<unsigned char>(ppm[at]) == c.r &&
                 static_cast<unsigned char>(ppm[at + 1]) == c.g &&
                 static_cast<unsigned char>(ppm[at + 2]) == c.b;
    }
    return count;
}

TEST_F(FrontendWindowTest, StartSkipLeaveLookAtHighscoresAndQuit) {
    ASSERT_TRUE(game.start({"./kavrel"}, folder.path(), {session.displayEnv(), "SDL_VIDEODRIVER"},
                           folder.file("output.txt")));
    const unsigned long window = session.waitForWindow("Kavrel", kWindowTimeoutMs);
    ASSERT_NE(0u, window) << "no window titled Kavrel";
    ASSERT_TRUE(session.focus(window));
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
    pause(800);
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
