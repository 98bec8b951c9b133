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
#include "support/RgbImage.h"

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
    int expectStoredEntry(const char* name, int lives, int score) {
        EXPECT_FALSE(std::ifstream(folder_.file("data/M/008.obx")).good());
        const HighscoreTable stored = storedTable();
        EXPECT_TRUE(stored.checksumMatches());
        const int entry = entryNamed(stored, name);
        EXPECT_NE(-1, entry);
        if (entry < 0) {
            return entry;
        }
        EXPECT_EQ(lives, stored.number(HighscoreTable::livesSlot(entry)));
        EXPECT_EQ(score, stored.score(entry));
        for (int e = 0; e < 5; ++e) {
            if (e != entry) {
                EXPECT_STREQ("ZOK", stored.slot(HighscoreTable::nameSlot(e)));
                EXPECT_EQ(e < entry ? 5 - e : 6 - e, stored.number(HighscoreTable::livesSlot(e)));
            }
        }
        return entry;
    }

    // The page draws every letter of the name and every digit of the score
    // with its own picture on the entry's row.
    void expectShownOnHighscorePage(const std::string& name, int score, int entry) {
        RgbImage shown;
        ASSERT_TRUE(shown.readSurface(screen_.surface()));
        const int row = 363 + 36 * entry;
        for (size_t i = 0; i < name.size(); ++i) {
            expectPicture(shown, 1 + (name[i] - 'A'), 483 + 13 * static_cast<int>(i), row);
        }
        const std::string digits = std::to_string(score);
        for (size_t i = 0; i < digits.size(); ++i) {
            expectPicture(shown, 27 + (digits[i] - '0'), 635 + 13 * static_cast<int>(i), row);
        }
    }

    void expectPicture(const RgbImage& shown, int number, int x, int y) {
        char path[32];
        std::snprintf(path, sizeof path, "data/H/h%03d.obx", number);
        RgbImage picture;
        ASSERT_TRUE(picture.readPicture(folder_.file(path))) << path;
        EXPECT_EQ(1.0, shown.shownShare(picture, x, y)) << path << " at " << x << ", " << y;
    }
};

TEST_F(PlaythroughTest, OnePlayerFliesTheWholeGameAndEntersTheTable) {
    EXPECT_EQ(0, play(recorded("whole-game-one-player"))) << "the frame the run drifts at";
    EXPECT_EQ(game_->score1(), game_->finalScore());
    EXPECT_EQ(kFullGame, driver_->modeSequence());
    EXPECT_EQ(ledger(1).total(), game_->score1());
    EXPECT_GT(ledger(1).nearPasses(), 0);
    EXPECT_EQ(3, ledger(1).rams());
    const int entry = expectStoredEntry("PILOT", 3, game_->score1());
    ASSERT_NE(-1, entry);
    expectShownOnHighscorePage("PILOT", game_->score1(), entry);
}

TEST_F(PlaythroughTest, TwoPlayersFlyTheWholeGameAndTheBetterScoreIsEntered) {
    EXPECT_EQ(0, play(recorded("whole-game-two-players"))) << "the frame the run drifts at";
    const int better = std::max(game_->score1(), game_->score2());
    EXPECT_EQ(better, game_->finalScore());

    EXPECT_EQ(kFullGame, driver_->modeSequence());
    EXPECT_EQ(ledger(1).total(), game_->score1());
    EXPECT_EQ(ledger(2).total(), game_->score2());
    EXPECT_EQ(3, ledger(1).rams() + ledger(2).rams());
    const int entry = expectStoredEntry("DUO", 4, better);
    ASSERT_NE(-1, entry);
    expectShownOnHighscorePage("DUO", better, entry);
}

}  // namespace
