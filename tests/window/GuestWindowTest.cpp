// The game as a guest on a player's desktop: an 800 by 600 window, little
// processor time, full screen at a key and remembered for the next start, a
// window that closes as others do, and a larger window where the screen
// allows.
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "WindowGameFixture.h"

namespace {

// User and system time of a process so far, in clock ticks: the 14th and
// 15th fields of its stat line, the 12th and 13th after the command's name.
long cpuTicks(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    std::string field;
    long ticks = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i) {
        ticks += i >= 12 ? std::stol(field) : 0;
    }
    return ticks;
}

class GuestWindowTest : public WindowGameFixture {
  protected:
    const char* const kScaling = "SDL12COMPAT_WINDOW_SCALING";

    double coreShareOver(int ms) {
        const long before = cpuTicks(game.pid());
        wait(ms);
        return (cpuTicks(game.pid()) - before) * 1000.0 / sysconf(_SC_CLK_TCK) / ms;
    }
    bool fullScreenState(unsigned long window) {
        std::string state;
        session.tool({"xprop", "-id", std::to_string(window), "_NET_WM_STATE"}, &state);
        return state.find("_NET_WM_STATE_FULLSCREEN") != std::string::npos;
    }
    // Full screen as the window manager grants it, a moment after the window
    // appears (the library may replace its first window on the way).
    bool coversTheScreen() {
        const unsigned long window = session.findWindow("Kavrel");
        int width = 0, height = 0;
        return session.windowGeometry(window, width, height) &&
               width == XvfbSession::kScreenWidth && height == XvfbSession::kScreenHeight &&
               fullScreenState(window);
    }
};

TEST_F(GuestWindowTest, WithNoDisplayItSaysSoAndExitsWithOne) {
    launch({"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"});
    ASSERT_TRUE(game.waitForExit(10000)) << "an invisible game kept running";
    EXPECT_EQ(1, game.exitCode());
    EXPECT_NE(std::string::npos, readWholeTextFile(outputPath()).find("kavrel: no display"));
}

TEST_F(GuestWindowTest, AQuarterOfACoreAtMostF11FullScreenForThisAndTheNextStartCloseAndEscape) {
    ASSERT_NO_FATAL_FAILURE(launch({session.displayEnv(), "SDL_VIDEODRIVER", kScaling}));
    const unsigned long window = session.waitForDrawnWindow("Kavrel", kWindowTimeoutMs);
    ASSERT_NE(0u, window) << "no menu in a window titled Kavrel";
    int width = 0, height = 0;
    ASSERT_TRUE(session.windowGeometry(window, width, height));
    EXPECT_EQ(800, width);
    EXPECT_EQ(600, height);
    wait(1000);  // past the first frames, which warm up the GL stack
    EXPECT_LE(coreShareOver(4000), 0.25) << "in the menu";
    ASSERT_TRUE(session.focus(window));
    press("Return");  // a new game: the opening story, skipped to course 1
    press("Escape");
    EXPECT_LE(coreShareOver(4000), 0.25) << "in course 1";

    // Full screen is the window manager's to grant.
    ASSERT_TRUE(session.startWindowManager());
    ASSERT_TRUE(session.focus(window));
    for (bool fullScreen : {true, false, true}) {
        press("F11");
        pollUntil(5000, 100, [&] { return fullScreenState(window) == fullScreen; });
        EXPECT_EQ(fullScreen, fullScreenState(window));
        EXPECT_EQ(fullScreen ? "1\n" : "0\n", readWholeTextFile(folder.file("data/info.txt")));
    }
    EXPECT_TRUE(game.running());
    ASSERT_TRUE(session.closeWindow(window));
    ASSERT_TRUE(game.waitForExit(5000)) << "still running after its window was closed";
    EXPECT_EQ(0, game.exitCode());

    // The "1" left in the start-up file brings the next start up full screen.
    ASSERT_NO_FATAL_FAILURE(launch({session.displayEnv(), "SDL_VIDEODRIVER", kScaling}));
    ASSERT_NE(0u, session.waitForWindow("Kavrel", kWindowTimeoutMs));
    EXPECT_TRUE(pollUntil(5000, 50, [&] { return coversTheScreen(); }))
        << "the next start did not come up full screen";
    const unsigned long menu = session.waitForDrawnWindow("Kavrel", kWindowTimeoutMs);
    ASSERT_NE(0u, menu) << "no menu in a window titled Kavrel";
    ASSERT_TRUE(session.focus(menu));
    const auto pressed = std::chrono::steady_clock::now();
    session.holdKey("Escape");
    ASSERT_TRUE(game.waitForExit(5000)) << "still running after Escape";
    EXPECT_LT(std::chrono::steady_clock::now() - pressed, std::chrono::seconds(2));
    EXPECT_EQ(0, game.exitCode());
}

TEST_F(GuestWindowTest, OnA1920By1200ScreenTheWindowIsLargerAndStill4By3) {
    XvfbSession wide(1920, 1200);
    ASSERT_TRUE(wide.running());
    ASSERT_TRUE(game.start({"./kavrel"}, folder.path(),
                           {wide.displayEnv(), "SDL_VIDEODRIVER", kScaling}, outputPath()));
    int width = 0, height = 0;
    ASSERT_TRUE(wide.windowGeometry(wide.waitForWindow("Kavrel", kWindowTimeoutMs), width, height));
    EXPECT_GT(width, 800);
    EXPECT_EQ(width * 3, height * 4) << width << "x" << height;
}

}  // namespace
