// The game as a player gets it: the Debian package unpacked into a private
// root, started through its launcher in a real window, for a user of its own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/ChildProcess.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/XvfbSession.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWindowTimeoutMs = 15000;

class InstalledPackageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(session.running()) << "could not start Xvfb";
        std::string log;
        const int status = ChildProcess::run(
            {"cpack", "-G", "DEB", "--config", std::string(KAVREL_BUILD_DIR) + "/CPackConfig.cmake",
             "-B", packages.path()},
            {}, &log, 300000);
        for (const auto& entry : fs::directory_iterator(packages.path())) {
            if (status == 0 && entry.path().extension() == ".deb") {
                deb = entry.path().string();
            }
        }
        ASSERT_FALSE(deb.empty()) << "cpack failed:\n" << log;
        ASSERT_EQ(0, ChildProcess::run({"dpkg-deb", "-x", deb, root.path()}, {}, &log)) << log;
        fs::create_directories(home());
    }

    std::string home() const { return user.file("player"); }
    std::string userFolder() const { return home() + "/.local/share/kavrel"; }
    std::string installed() const { return root.file("usr/share/games/kavrel"); }
    std::string output() const { return root.file("output.txt"); }

    // Starts the installed command, waits for its window and quits with
    // Escape, as a player would.
    void playOnce() {
        ChildProcess game;
        ASSERT_TRUE(game.start({root.file("usr/games/kavrel")}, root.path(),
                               {session.displayEnv(), "HOME=" + home(), "XDG_DATA_HOME",
                                "SDL_VIDEODRIVER", "SDL_AUDIODRIVER=dummy"},
                               output()));
        const unsigned long window = session.waitForWindow("Kavrel", kWindowTimeoutMs);
        ASSERT_NE(0u, window) << readWholeTextFile(output());
        ASSERT_TRUE(session.focus(window));
        session.holdKey("Escape");
        ASSERT_TRUE(game.waitForExit(5000)) << "still running after Escape";
        EXPECT_EQ(0, game.exitCode()) << readWholeTextFile(output());
        EXPECT_EQ(std::string::npos, readWholeTextFile(output()).find("null"))
            << "a picture could not be opened for update";
    }

    TempFolder packages;
    std::string deb;
    XvfbSession session;
    TempFolder root;
    TempFolder user;
};

// One test, since packing the game is the slow part.
TEST_F(InstalledPackageTest, InstallsRunsForAUserKeepsHighscoresAcrossUpgradeAndRemoval) {
    std::string depends;
    ASSERT_EQ(0, ChildProcess::run({"dpkg-deb", "-f", deb, "Depends"}, {}, &depends));
    EXPECT_NE(std::string::npos, depends.find("libsdl1.2")) << depends;
    EXPECT_NE(std::string::npos, depends.find("libsdl-mixer1.2")) << depends;
    // Debian's own check: no error (its exit status) and no warning.
    std::string lintian;
    EXPECT_EQ(0, ChildProcess::run({"lintian", deb}, {}, &lintian, 120000)) << lintian;
    EXPECT_EQ(std::string::npos, ("\n" + lintian).find("\nW: ")) << lintian;
    for (const char* file :
         {"usr/games/kavrel", "usr/lib/games/kavrel/kavrel", "usr/share/man/man6/kavrel.6.gz",
          "usr/share/applications/kavrel.desktop",
          "usr/share/icons/hicolor/256x256/apps/kavrel.png",
          "usr/share/metainfo/io.github.kavrel.Kavrel.metainfo.xml",
          "usr/share/games/kavrel/data/M/m001.obx", "usr/share/games/kavrel/sound"}) {
        EXPECT_TRUE(fs::exists(root.file(file))) << file;
    }

    const std::string installedPicture = installed() + "/data/M/m001.obx";
    const auto installedTime = fs::last_write_time(installedPicture);
    const std::string installedStart = readFileStart(installedPicture, 64);

    playOnce();
    const std::string table = userFolder() + "/data/M/007.obx";
    ASSERT_TRUE(fs::exists(table));
    EXPECT_EQ("0000", readFileStart(userFolder() + "/data/M/m001.obx", 4));
    EXPECT_EQ(installedTime, fs::last_write_time(installedPicture)) << "installed file written";
    EXPECT_EQ(installedStart, readFileStart(installedPicture, 64));

    // A newer version installed over the old, one that ships no table of its
    // own: the player's table must come through the refresh untouched.
    const std::string before = readWholeTextFile(table);
    std::ofstream(installed() + "/version") << "99.0\n";
    std::ofstream(userFolder() + "/data/options.txt") << "lives 5\n";
    fs::remove(installed() + "/data/M/007.obx");
    fs::remove(userFolder() + "/data/M/m001.obx");

    playOnce();
    EXPECT_EQ(before, readWholeTextFile(table));
    EXPECT_EQ("lives 5\n", readWholeTextFile(userFolder() + "/data/options.txt"));
    EXPECT_TRUE(fs::exists(userFolder() + "/data/M/m001.obx")) << "pictures not refreshed";
    EXPECT_EQ("99.0\n", readWholeTextFile(userFolder() + "/version"));

    // Removing the game leaves the player's folder alone.
    fs::remove_all(root.file("usr"));
    EXPECT_EQ(before, readWholeTextFile(table));
}

}  // namespace
