// The game under faults of its surroundings: a read-only data folder, no
// "data/M/" folder, highscore writes that fail, damaged pictures, no sound
// folder and no audio device. The game keeps running and no stored
// highscore entry is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "WholeGameFixture.h"
#include "highscore/HighscoreFile.h"
#include "highscore/HighscoreTable.h"
#include "support/ChildProcess.h"
#include "support/FixedPictures.h"
#include "support/GeneratedRunFolder.h"
#include "support/RgbImage.h"
#include "support/TestPictures.h"
#include "support/UnprivilegedChild.h"

namespace fs = std::filesystem;

namespace {

void setPermissions(const std::string& folder, fs::perms files, fs::perms folders) {
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec)) {
        fs::permissions(entry.path(), entry.is_directory() ? folders : files, ec);
    }
}

// A red frame 4 pixels wide round a solid middle, disguised.
bool writeFramedPicture(const std::string& path, int bits, int width, int height) {
    TestPicture picture(width, height, kTransparent);
    picture.fillRect(4, 4, width - 8, height - 8, kSolid);
    return picture.write(path, true, bits);
}

class FaultsTest : public WholeGameFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(FixedPictures::write(folder_.path()));
        writeDefaultHighscores();
    }
    // Whatever a test made read-only can be removed again.
    void TearDown() override {
        setPermissions(folder_.path(), fs::perms::owner_all, fs::perms::owner_all);
    }

    // Five entries worth 50 down to 10 points, so that any game with a few
    // near passes enters the table.
    void storeLowTable() {
        const char* names[5] = {"ACE", "BEE", "CAT", "DOG", "EEL"};
        HighscoreTable table;
        for (int e = 0; e < 5; ++e) {
            table.setSlot(HighscoreTable::nameSlot(e), names[e]);
            table.setNumber(HighscoreTable::livesSlot(e), 5 - e);
            table.setNumber(HighscoreTable::scoreSlot(e), 50 - 10 * e);
        }
        table.updateChecksum();
        ASSERT_EQ(0, saveHighscoreTable(table));
    }

    bool exists(const char* relative) const { return fs::exists(folder_.file(relative)); }

    // From the menu's first page, a one-life game: near passes in course 1,
    // then a crash ends it. The recorded keys fly as they did when recorded
    // with rand at srand(1) and the game seconds in step.
    void playToGameOver() {
        idle((30 - driver_->frames() % 30) % 30);
        std::srand(1);
        play(recorded("course1-crash"), false);
    }

    // The real program from the folder, headless, for a while; then asked to
    // end as the system would. Its exit status.
    int runProgram(const std::vector<std::string>& env, const char* option) {
        const std::string program = std::string(KAVREL_BUILD_DIR) + "/run/kavrel";
        ChildProcess game;
        EXPECT_TRUE(game.start({program, option}, folder_.path(), env, folder_.file("output.txt")));
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        EXPECT_TRUE(game.running()) << readWholeTextFile(folder_.file("output.txt"));
        game.stop(5000);
        return game.exitCode();
    }
};

TEST_F(FaultsTest, AReadOnlyDataFolderLoadsAndPlaysAndKeepsTheTable) {
    storeLowTable();
    const std::string before = storedBytes();
    setPermissions(folder_.path() + "/data", fs::perms(0444), fs::perms(0555));
    fs::permissions(folder_.path(), fs::perms(0755));
    // Outcomes of the child, by its exit code.
    enum { Played = 0, NoMenu, NoNameEntry, NoMenuAfterSaving, Failed };
    const int code = UnprivilegedChild::run([&]() {
        loadGame();
        if (game_->mode() != ModeMenu) {
            return NoMenu;
        }
        playToGameOver();
        if (game_->mode() != ModeNameEntry) {
            return NoNameEntry;
        }
        typeName("readonly");
        if (game_->mode() != ModeMenu) {
            return NoMenuAfterSaving;
        }
        openHighscorePage();
        idle(3);
        tap(SDLK_RETURN);
        startGame(2, 3);
        idle(60);
        return HasFailure() ? Failed : Played;
    });
    ASSERT_NE(UnprivilegedChild::kCannotDrop, code);
    EXPECT_EQ(Played, code);
    EXPECT_EQ(before, storedBytes());
    EXPECT_FALSE(exists("data/M/008.obx"));
    EXPECT_FALSE(exists("data/M/007.new"));
}

TEST_F(FaultsTest, WithoutTheHighscoreFolderTheGameStillPlaysToTheEnd) {
    fs::remove_all(folder_.file("data/M"));
    loadGame();
    ASSERT_EQ(ModeMenu, game_->mode());
    playToGameOver();
    // No table: any score above 0 enters it, and the entry cannot be kept.
    EXPECT_EQ(game_->finalScore() > 0 ? ModeNameEntry : ModeMenu, game_->mode());
    typeName("nowhere");
    EXPECT_EQ(ModeMenu, game_->mode());
    EXPECT_FALSE(exists("data/M"));
    startGame(1, 3);
    escape();
    idle(300);
    EXPECT_EQ(ModeCourse1, game_->mode());
    escape();
    openHighscorePage();
    idle(3);
    EXPECT_EQ(ModeMenu, game_->mode());
}

TEST_F(FaultsTest, AFailedHighscoreWriteKeepsEveryStoredEntry) {
    storeLowTable();
    loadGame();
    const std::string before = storedBytes();

    // The disk is full when the new table is written.
    playToGameOver();
    ASSERT_EQ(ModeNameEntry, game_->mode());
    fs::create_symlink("/dev/full", folder_.file("data/M/007.new"));
    typeName("full");
    EXPECT_EQ(ModeMenu, game_->mode());
    EXPECT_EQ(before, storedBytes());

    // The new table's file cannot be made at all.
    playToGameOver();
    ASSERT_EQ(ModeNameEntry, game_->mode());
    fs::remove(folder_.file("data/M/007.new"));
    fs::create_directories(folder_.file("data/M/007.new/blocked"));
    typeName("blocked");
    EXPECT_EQ(ModeMenu, game_->mode());
    EXPECT_EQ(before, storedBytes());
    fs::remove_all(folder_.file("data/M/007.new"));

    // Once writing works again the next entry joins all five old ones.
    playToGameOver();
    ASSERT_EQ(ModeNameEntry, game_->mode());
    typeName("after");
    const HighscoreTable after = storedTable();
    EXPECT_TRUE(after.checksumMatches());
    const int entry = entryNamed(after, "AFTER");
    ASSERT_NE(-1, entry);
    std::vector<std::string> kept;
    for (int e = 0; e < 5; ++e) {
        if (e != entry) {
            kept.push_back(after.slot(HighscoreTable::nameSlot(e)));
        }
    }
    EXPECT_EQ((std::vector<std::string>{"ACE", "BEE", "CAT", "DOG"}), kept)
        << "only the lowest entry may drop out";
}

// Pictures as a damaged or foreign install may have them: cut short in the
// header or in the pixels, empty, or of a depth the generator never writes.
TEST_F(FaultsTest, DamagedPicturesAreLeftOutAndOtherDepthsLoad) {
    const auto cut = [&](const char* relative, size_t keep) {
        const std::string path = folder_.file(relative);
        fs::resize_file(path, keep);
    };
    cut("data/L1/1002.obx", 0);
    cut("data/L1/1003.obx", 20);
    cut("data/L1/1004.obx", fs::file_size(folder_.file("data/L1/1004.obx")) / 2);
    // An 8-bit picture with a palette and a 16-bit one, both a red frame
    // round a solid middle.
    ASSERT_TRUE(writeFramedPicture(folder_.file("data/L1/1005.obx"), 8, 60, 40));
    ASSERT_TRUE(writeFramedPicture(folder_.file("data/M/pause.obx"), 16, 120, 70));
    loadGame();
    const Level1& course = game_->level1();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(course.image(Level1::kFirstObstacle + i).present()) << "obstacle " << i;
    }
    const ObxImage& eightBit = course.image(Level1::kFirstObstacle + 3);
    ASSERT_EQ(60, eightBit.width());
    ASSERT_EQ(40, eightBit.height());
    EXPECT_EQ(0, eightBit.isSolidPixel(2, 2));
    EXPECT_EQ(1, eightBit.isSolidPixel(30, 20));

    std::srand(1);
    startGame(1, 3);
    escape();
    tap(SDLK_SPACE);  // the 16-bit pause picture shows
    RgbImage shown;
    ASSERT_TRUE(shown.readSurface(screen_.surface()));
    EXPECT_EQ(RgbImage::Rgb({41, 202, 90}), shown.at(400, 320)) << "its middle, 5-6-5 widened";
    // Its pure red must stay transparent on a 32-bit display, as its
    // collision mask already has it, though the converted pixels come with
    // the unused top byte filled: the frame's left column, below the banner.
    EXPECT_NE(RgbImage::Rgb({255, 0, 0}), shown.at(341, 320));
    tap(SDLK_SPACE);
    idle(300);
    EXPECT_EQ(ModeCourse1, game_->mode()) << "the course plays on without three obstacles";
}

// The program itself, started full screen without its sound and then in a
// window without an audio device, runs on in silence until asked to end.
TEST_F(FaultsTest, TheProgramRunsWithoutSoundFilesAndWithoutAnAudioDevice) {
    ASSERT_TRUE(GeneratedRunFolder::copyInto(folder_.path(), {"X.bmp"}));
    // A picture in plain BMP form comes out disguised once it has loaded.
    std::fstream(folder_.file("data/MU/mu002.obx"), std::ios::in | std::ios::out | std::ios::binary)
        .write("BM", 2);
    EXPECT_FALSE(exists("sound"));
    EXPECT_EQ(0, runProgram({"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"}, "--fullscreen"));
    EXPECT_EQ("0000", readFileStart(folder_.file("data/MU/mu002.obx"), 4));

    ASSERT_TRUE(GeneratedRunFolder::copyInto(folder_.path(), {"sound"}));
    EXPECT_EQ(0, runProgram({"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=nosuchdevice"}, "--window"));
}

}  // namespace
