// A long session of random keys through every screen of the game: the menu's
// pages and options, the cutscenes, all four courses, pause, the name entry
// and Escape. Nothing may crash or leak (the suite also runs under the
// sanitizers), every score must stay explained by the results the game
// applied, and the highscore file must be valid at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "KeyMonkey.h"
#include "WholeGameFixture.h"
#include "highscore/HighscoreFile.h"
#include "highscore/HighscoreTable.h"
#include "support/GeneratedRunFolder.h"

namespace {

constexpr int kFrames = 100000;
// Rendering is the slower half of a frame under the sanitizers; every
// fourth frame is drawn, which still draws every screen many times.
constexpr int kRenderEvery = 4;

class SoakTest : public WholeGameFixture {
  protected:
    // A table of five scores of 0, so that random games enter it too.
    void SetUp() override {
        ASSERT_TRUE(GeneratedRunFolder::copyInto(folder_.path(), {"data"}));
        HighscoreTable table;
        for (int e = 0; e < 5; ++e) {
            table.setSlot(HighscoreTable::nameSlot(e), "ZERO");
            table.setNumber(HighscoreTable::livesSlot(e), 1);
        }
        table.updateChecksum();
        ASSERT_EQ(0, saveHighscoreTable(table));
        loadGame();
    }
};

TEST_F(SoakTest, HundredThousandFramesOfRandomKeysThroughEveryScreen) {
    std::srand(1);
    std::string stored = storedBytes();
    ASSERT_NE("", stored);
    KeyMonkey monkey(20240601u);
    std::set<int> modes;
    int pausedFrames = 0;
    int storedEntries = 0;
    for (int f = 0; f < kFrames; ++f) {
        Uint8 held[SDLK_LAST] = {};
        bool pressEscape = false;
        int enterAt = 0;
        monkey.next(*game_, held, pressEscape, enterAt);
        if (enterAt != 0) {
            enterGameAt(enterAt, 1 + f % 2);
        }
        if (pressEscape && driver_->escape() == 1) {
            // Escape in the menu would end the program; the session goes on.
        }
        HeldKeys keys;
        for (int k = 0; k < SDLK_LAST; ++k) {
            if (held[k]) {
                keys.hold(k);
            }
        }
        const int modeBefore = game_->mode();
        frame(keys, f % kRenderEvery == 0);
        modes.insert(game_->mode());
        pausedFrames += game_->isPaused() ? 1 : 0;
        if (modeBefore == ModeNameEntry && game_->mode() != ModeNameEntry) {
            const std::string now = storedBytes();
            ASSERT_NE("", now);
            storedEntries += now != stored ? 1 : 0;
            stored = now;
        }
        if (HasFailure()) {
            FAIL() << "stopped at frame " << f;
        }
    }
    const std::set<int> everyScreen = {ModeCutscene0, ModeMenu,      ModeCourse1,
                                       ModeCourse2,   ModeCourse3,   ModeCourse4,
                                       ModeCutscene2, ModeNameEntry, ModeCutscene1};
    EXPECT_EQ(everyScreen, modes);
    EXPECT_GT(pausedFrames, 0);
    EXPECT_GT(storedEntries, 0);

    EXPECT_FALSE(std::filesystem::exists(folder_.file("data/M/008.obx")));
    EXPECT_FALSE(std::filesystem::exists(folder_.file("data/M/007.new")));
    ASSERT_NE("", storedBytes());
    EXPECT_TRUE(storedTable().checksumMatches()) << storedBytes();
}

}  // namespace
