// The real program in a real window: a private X server, a copy of the run
// folder, and the keyboard driven from outside as a player would.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "WindowGameFixture.h"

namespace fs = std::filesystem;

namespace {

bool isHighscoreFile(const fs::path& path) {
    const std::string name = path.filename().string();
    return path.parent_path().filename() == "M" && (name == "007.obx" || name == "008.obx");
}

class GameWindowTest : public WindowGameFixture {
  protected:
    void startGameOnTheServer() { launch({session.displayEnv(), "SDL_VIDEODRIVER"}); }

    unsigned long gameWindow() { return session.waitForWindow("Kavrel", kWindowTimeoutMs); }
    // The window, once the game has loaded and draws its menu.
    unsigned long menuWindow() { return session.waitForDrawnWindow("Kavrel", kWindowTimeoutMs); }
};

TEST_F(GameWindowTest, ClosingTheWindowEndsTheProgram) {
    startGameOnTheServer();
    const unsigned long window = menuWindow();
    ASSERT_NE(0u, window);
    ASSERT_TRUE(session.closeWindow(window));
    ASSERT_TRUE(game.waitForExit(5000)) << "still running after its window was closed";
    EXPECT_EQ(0, game.exitCode());
}

TEST_F(GameWindowTest, StartupFileHoldingOneGivesFullScreen) {
    std::ofstream(folder.file("data/info.txt"), std::ios::trunc) << "1\n";
    // A bare X server grants nobody full screen; a window manager does.
    ASSERT_TRUE(session.startWindowManager());
    startGameOnTheServer();
    ASSERT_NE(0u, gameWindow());
    // The window manager grants it a moment after the window appears (and
    // the library may replace its first window on the way).
    int width = 0, height = 0;
    std::string state;
    for (int waited = 0; waited < 5000; waited += 50) {
        const unsigned long window = session.findWindow("Kavrel");
        session.windowGeometry(window, width, height);
        session.tool({"xprop", "-id", std::to_string(window), "_NET_WM_STATE"}, &state);
        if (width == XvfbSession::kScreenWidth &&
            state.find("_NET_WM_STATE_FULLSCREEN") != std::string::npos) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_EQ(XvfbSession::kScreenWidth, width);
    EXPECT_EQ(XvfbSession::kScreenHeight, height);
    EXPECT_NE(std::string::npos, state.find("_NET_WM_STATE_FULLSCREEN")) << state;
    const unsigned long window = menuWindow();
    ASSERT_NE(0u, window) << "no menu in a window titled Kavrel";
    ASSERT_TRUE(session.focus(window));
    session.holdKey("Escape");
    ASSERT_TRUE(game.waitForExit(5000)) << "still running after Escape";
}

TEST_F(GameWindowTest, WithNoDisplayItSaysSoAndExitsWithOne) {
    launch({"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
    ASSERT_TRUE(game.waitForExit(10000)) << "an invisible game kept running";
    EXPECT_EQ(1, game.exitCode());
    EXPECT_NE(std::string::npos, readWholeTextFile(outputPath()).find("kavrel: no display"));
}

// An 800 by 600 window titled Kavrel that Escape in the menu closes within
// two seconds. Every picture is loaded at start-up, and every load leaves
// its file disguised again, also a file that began as a plain BMP.
TEST_F(GameWindowTest, OpensItsWindowLoadsEveryPictureAndEscapeEndsIt) {
    int pictures = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder.file("data"))) {
        if (entry.path().extension() == ".obx" && !isHighscoreFile(entry.path())) {
            std::fstream f(entry.path(), std::ios::in | std::ios::out | std::ios::binary);
            f.write("BM", 2);
            ++pictures;
        }
    }
    ASSERT_GT(pictures, 0);
    startGameOnTheServer();
    int width = 0, height = 0;
    ASSERT_TRUE(session.windowGeometry(gameWindow(), width, height)) << "no window titled Kavrel";
    EXPECT_EQ(800, width);
    EXPECT_EQ(600, height);
    const unsigned long window = menuWindow();
    ASSERT_NE(0u, window);
    ASSERT_TRUE(session.focus(window));
    const auto pressed = std::chrono::steady_clock::now();
    session.holdKey("Escape");
    ASSERT_TRUE(game.waitForExit(5000));
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, std::chrono::seconds(2));
    EXPECT_EQ(0, game.exitCode());
    for (const auto& entry : fs::recursive_directory_iterator(folder.file("data"))) {
        if (entry.path().extension() == ".obx" && !isHighscoreFile(entry.path())) {
            EXPECT_EQ("0000", readFileStart(entry.path().string(), 4)) << entry.path();
        }
    }
}

}  // namespace
