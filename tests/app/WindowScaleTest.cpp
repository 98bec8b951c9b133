#include "app/WindowScale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(WindowScaleTest, TheLargestWindowWithinNinetyPercentOfTheDesktop) {
    struct Case {
        int width;
        int height;
        double factor;
    };
    for (const Case& c : {Case{1920, 1200, 1.5}, Case{1024, 768, 1.0}, Case{0, 0, 1.0},
                          Case{1778, 1334, 2.0}, Case{1777, 1334, 1.5}, Case{1778, 1333, 1.5},
                          Case{3840, 2160, 3.0}, Case{5120, 2880, 4.0}, Case{2240, 1680, 2.5}}) {
        EXPECT_EQ(c.factor, WindowScale::fitting(c.width, c.height)) << c.width << "x" << c.height;
    }
}

// The dummy display is 1024 by 768: a plain 800 by 600 window fits it.
TEST(WindowScaleTest, AForcedFactorWinsThenThePlayersOwnSetting) {
    const char* name = WindowScale::kVariable;
    const char* method = WindowScale::kMethodVariable;
    struct Case {
        double forced;
        bool fullScreen;
        const char* factor;
        const char* sampling;
    };
    for (const Case& c : {Case{0.0, false, "1", "nearest"}, Case{2.5, false, "2.5", "linear"},
                          Case{2.0, true, "2", "linear"}}) {
        unsetenv(name);
        unsetenv(method);
        WindowScale::setUp(c.forced, c.fullScreen);
        EXPECT_STREQ(c.factor, std::getenv(name));
        EXPECT_STREQ(c.sampling, std::getenv(method)) << c.factor;
    }
    setenv(name, "1.25", 1);
    WindowScale::setUp(0.0, false);
    EXPECT_STREQ("1.25", std::getenv(name));
    WindowScale::setUp(3.0, false);
    EXPECT_STREQ("linear", std::getenv(method)) << "the player's own choice stays";
    unsetenv(name);
    unsetenv(method);
}

}  // namespace
