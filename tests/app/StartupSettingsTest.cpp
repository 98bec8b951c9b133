#include "app/StartupSettings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ChildProcess.h"
#include "support/TempFolder.h"

namespace {

TEST(StartupSettingsTest, FullScreenOnlyForANonZeroInteger) {
    TempFolder folder;
    const std::string path = folder.file("info.txt");
    struct Case {
        const char* text;
        int value;
    };
    for (const Case& c : {Case{"0\n", 0}, Case{"1\n", 1}, Case{"  \n 7 trailing", 7},
                          Case{"-2", -2}, Case{"", 0}, Case{"yes", 0}, Case{"x1", 0}}) {
        std::ofstream(path, std::ios::trunc) << c.text;
        EXPECT_EQ(c.value, StartupSettings::readFullScreen(path.c_str())) << '"' << c.text << '"';
    }
    EXPECT_EQ(0, StartupSettings::readFullScreen(folder.file("missing.txt").c_str()));
}

TEST(StartupSettingsTest, TheFullScreenChoiceIsWrittenBesideAndRenamedOver) {
    TempFolder folder;
    const std::string path = folder.file("info.txt");
    std::ofstream(path) << "7 and more\n";
    for (int value : {1, 0, 5}) {
        ASSERT_EQ(0, StartupSettings::writeFullScreen(path.c_str(), value));
        EXPECT_EQ(value != 0 ? "1\n" : "0\n", readWholeTextFile(path));
    }
    EXPECT_FALSE(std::ifstream(path + ".new").good());
    // A folder in the way: nothing is replaced and nothing is left behind.
    const std::string blocked = folder.file("blocked");
    std::filesystem::create_directory(blocked);
    EXPECT_EQ(-1, StartupSettings::writeFullScreen(blocked.c_str(), 1));
    EXPECT_TRUE(std::filesystem::is_directory(blocked));
    EXPECT_FALSE(std::ifstream(blocked + ".new").good());
    EXPECT_EQ(-1, StartupSettings::writeFullScreen(folder.file("none/info.txt").c_str(), 1));
}

TEST(StartupSettingsTest, AnInvisibleDriverCountsAsNoDisplayUnlessAskedFor) {
    EXPECT_TRUE(StartupSettings::showsNothing("offscreen", nullptr));
    EXPECT_TRUE(StartupSettings::showsNothing("dummy", ""));
    EXPECT_TRUE(StartupSettings::showsNothing(nullptr, nullptr));
    EXPECT_FALSE(StartupSettings::showsNothing("x11", nullptr));
    EXPECT_FALSE(StartupSettings::showsNothing("dummy", "dummy"));
}

}  // namespace
