// The game as a guest on a player's desktop: little processor time, full
// screen at a key, and a window as large as the screen allows.
#include <unistd.h>

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
};

TEST_F(GuestWindowTest, AQuarterOfACoreAtMostAndF11SwitchesFullScreenBothWays) {
    ASSERT_NO_FATAL_FAILURE(launch({session.displayEnv(), "SDL_VIDEODRIVER", kScaling}));
    const unsigned long window = session.waitForDrawnWindow("Kavrel", kWindowTimeoutMs);
    ASSERT_NE(0u, window) << "no menu in a window titled Kavrel";
    EXPECT_LE(coreShareOver(3000), 0.25) << "in the menu";
    ASSERT_TRUE(session.focus(window));
    press("Return");  // a new game: the opening story, skipped to course 1
    press("Escape");
    EXPECT_LE(coreShareOver(3000), 0.25) << "in course 1";

    // Full screen is the window manager's to grant.
    ASSERT_TRUE(session.startWindowManager());
    ASSERT_TRUE(session.focus(window));
    for (bool fullScreen : {true, false}) {
        press("F11");
        for (int waited = 0; waited < 5000 && fullScreenState(window) != fullScreen;
             waited += 100) {
            wait(100);
        }
        EXPECT_EQ(fullScreen, fullScreenState(window));
        EXPECT_EQ(fullScreen ? "1\n" : "0\n", readWholeTextFile(folder.file("data/info.txt")));
    }
    EXPECT_TRUE(game.running());
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
