// Whole games on the real Game with the fixed test pictures, from the menu to
// the menu again, by the keys of a recorded run: the options, the cutscenes,
// the four courses, the boss, the name entry and the highscore file and page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "WholeGameFixture.h"

namespace {

const std::vector<int> kFullGame = {ModeMenu,      ModeCutscene0, ModeCourse1, ModeCourse2,
                                    ModeCourse3,   ModeCutscene1, ModeCourse4, ModeCutscene2,
                                    ModeNameEntry, ModeMenu};

class PlaythroughTest : public WholeGameFixture {
  protected:
    void SetUp() override {
        loadFixedGame();
        std::srand(1);
    }

    // The stored table holds the new entry in its place, the checksum
    // matches, and the defaults it displaced moved down.
    void expectStoredEntry(const char* name, int lives, int score) {
        EXPECT_FALSE(std::ifstream(folder_.file("data/M/008.obx")).good());
        const HighscoreTable stored = storedTable();
        EXPECT_TRUE(stored.checksumMatches());
        const int entry = entryNamed(stored, name);
        if (entry < 0) {
            ADD_FAILURE() << name << " is not in the table";
            return;
        }
        EXPECT_EQ(lives, stored.number(HighscoreTable::livesSlot(entry)));
        EXPECT_EQ(score, stored.score(entry));
        for (int e = 0; e < 5; ++e) {
            if (e != entry) {
                EXPECT_STREQ("ZOK", stored.slot(HighscoreTable::nameSlot(e)));
                EXPECT_EQ(e < entry ? 5 - e : 6 - e, stored.number(HighscoreTable::livesSlot(e)));
            }
        }
    }
};

TEST_F(PlaythroughTest, OnePlayerFliesTheWholeGameAndEntersTheTable) {
    EXPECT_EQ(0, play(recorded("whole-game-one-player"))) << "the frame the run drifts at";
    EXPECT_EQ(game_->score1(), game_->finalScore());
    EXPECT_EQ(kFullGame, driver_->modeSequence());
    EXPECT_EQ(ledger(1).total(), game_->score1());
    EXPECT_GT(ledger(1).nearPasses(), 0);
    EXPECT_EQ(3, ledger(1).rams());
    expectStoredEntry("PILOT", 3, game_->score1());
    EXPECT_EQ(storedTable(), game_->menu().table()) << "the highscore page lists it";
}

TEST_F(PlaythroughTest, TwoPlayersFlyTheWholeGameAndTheBetterScoreIsEntered) {
    EXPECT_EQ(0, play(recorded("whole-game-two-players"))) << "the frame the run drifts at";
    const int better = std::max(game_->score1(), game_->score2());
    EXPECT_EQ(better, game_->finalScore());

    EXPECT_EQ(kFullGame, driver_->modeSequence());
    EXPECT_EQ(ledger(1).total(), game_->score1());
    EXPECT_EQ(ledger(2).total(), game_->score2());
    EXPECT_EQ(3, ledger(1).rams() + ledger(2).rams());
    expectStoredEntry("DUO", 4, better);
    EXPECT_EQ(storedTable(), game_->menu().table()) << "the highscore page lists it";
}

}  // namespace
