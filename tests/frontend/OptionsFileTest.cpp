#include "frontend/OptionsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/TempFolder.h"

namespace {

MenuOptions readText(const TempFolder& folder, const char* text) {
    const std::string path = folder.file("options.txt");
    std::ofstream(path) << text;
    return OptionsFile::read(path.c_str());
}

// Each setting falls back to its own default; the others stay as read.
TEST(OptionsFileTest, EachSettingReadsOnItsOwn) {
    TempFolder folder;
    EXPECT_EQ(MenuOptions(), OptionsFile::read(folder.file("none.txt").c_str()));
    struct Case {
        const char* text;
        MenuOptions expected;
    };
    for (const Case& c : {
             Case{"volume 64\nlives 8\nplayers 2\n", {64, 8, 2}},
             Case{"players 2\r\nvolume 0\r\nlives 1", {0, 1, 2}},
             Case{"volume 130\nlives 5\n", {128, 5, 1}},
             Case{"volume 62\nlives 0\nplayers 2\n", {128, 3, 2}},
             Case{"lives 9\nplayers 3\nvolume -4\n", {128, 3, 1}},
             Case{"lives 4x\nvolume\n  players  2  \nvolume 12 16\n", {128, 3, 2}},
             Case{"lives 99999999999999999999\nspeed 9\nlives five\n\n", {128, 3, 1}},
             Case{"\x01\xff garbage\nlives 6\n", {128, 6, 1}},
         }) {
        EXPECT_EQ(c.expected, readText(folder, c.text)) << c.text;
    }
}

TEST(OptionsFileTest, WritesBesideAndKeepsTheOldFileWhenThatFails) {
    TempFolder folder;
    const std::string path = folder.file("options.txt");
    const MenuOptions chosen{40, 7, 2};
    ASSERT_EQ(0, OptionsFile::write(path.c_str(), chosen));
    EXPECT_EQ(chosen, OptionsFile::read(path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    // Nothing can be written beside it: the old file stays whole.
    std::filesystem::create_directory(path + ".new");
    EXPECT_EQ(-1, OptionsFile::write(path.c_str(), MenuOptions()));
    EXPECT_EQ(chosen, OptionsFile::read(path.c_str()));
    // Nothing can be renamed over it: nothing is left beside it either.
    const std::string taken = folder.file("taken");
    std::filesystem::create_directories(taken + "/inside");
    EXPECT_EQ(-1, OptionsFile::write(taken.c_str(), chosen));
    EXPECT_FALSE(std::filesystem::exists(taken + ".new"));
}

}  // namespace
