#include <algorithm>
#include <string>

#include "HighscoreFixture.h"
#include "highscore/GameOver.h"
#include "highscore/HighscoreFile.h"
#include "highscore/HighscoreScreen.h"
#include "support/HeadlessScreen.h"
#include "support/HeldKeys.h"
#include "support/TestPictures.h"

namespace {

class NameEntryTest : public HighscoreFixture {
  protected:
    NameEntryTest() {
        writeSolidPicture(folder.file("data/MU/mu002.obx"), 8, 8, kBackground);
        writeSolidPicture(folder.file("data/H/h000.obx"), 6, 4, kTitle);
        for (int i = 1; i <= 36; ++i) {
            char path[32];
            std::snprintf(path, sizeof path, "data/H/h%03d.obx", i);
            writeSolidPicture(folder.file(path), 12, 16, letterColour(i));
        }
        entry.loadImages(screen.surface());
    }

    static TestRgb letterColour(int picture) {
        return TestRgb{static_cast<std::uint8_t>(4 * picture), 30, 200};
    }

    // One logic frame with the given keys held.
    int frame(std::initializer_list<int> held) { return entry.handleInput(HeldKeys(held).keys()); }
    void type(const char* letters) {
        for (const char* c = letters; *c; ++c) {
            frame({*c});
            frame({});
        }
    }
    HighscoreTable stored() {
        HighscoreTable table;
        loadHighscoreTable(table);
        return table;
    }

    static constexpr TestRgb kBackground{10, 10, 40};
    static constexpr TestRgb kTitle{220, 220, 30};
    HeadlessScreen screen;
    HighscoreScreen entry;
};

TEST_F(NameEntryTest, GameOverComparesTheBetterScoreWithTheLowestEntry) {
    struct Case {
        int score1;
        int score2;
        int mode;
    };
    auto expectGameOver = [](std::initializer_list<Case> cases) {
        for (const Case& c : cases) {
            int finalScore = -1;
            EXPECT_EQ(c.mode, decideGameOver(c.score1, c.score2, finalScore)) << c.score1;
            EXPECT_EQ(std::max(c.score1, c.score2), finalScore) << c.score1;
        }
    };
    // A missing file reads as empty, and game over does not create it.
    expectGameOver({{0, 0, ModeMenu}, {1, 0, ModeNameEntry}});
    EXPECT_FALSE(exists(kHighscorePath));

    writeStoredText("ZOK\r\n1\r\n900\r\n");  // checksum missing: the defaults replace it
    expectGameOver({{100, 0, ModeMenu}});
    EXPECT_EQ(HighscoreTable::defaults(), stored());
    expectGameOver({{101, 0, ModeNameEntry}, {250, 300, ModeNameEntry}, {-30, 60, ModeMenu}});
}

TEST_F(NameEntryTest, TypedNameWithBackspaceIsSavedOnceBetweenEqualAndLowerScores) {
    writeDefaultHighscores();
    entry.enter(400, 6);
    frame({'a'});
    frame({'a'});  // held: one letter only
    frame({});
    type("b");
    frame({SDLK_BACKSPACE});
    frame({SDLK_BACKSPACE});
    frame({});
    type("c");
    EXPECT_EQ(std::string("AC"), std::string(entry.name(), entry.nameLength()));

    EXPECT_EQ(1, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, frame({SDLK_RETURN})) << "a held Return saves once";
    // Between the equal and the lower score, with the checksum of the new table.
    EXPECT_EQ(
        "ZOK\r\n5\r\n500\r\nZOK\r\n4\r\n400\r\nAC\r\n6\r\n400\r\n"
        "ZOK\r\n3\r\n300\r\nZOK\r\n2\r\n200\r\n1820\r\n",
        storedText());
}

TEST_F(NameEntryTest, NineLettersAtMostAndInAlphabetOrderWithinAFrame) {
    writeDefaultHighscores();
    entry.enter(1000, 3);
    frame({'z', 'a'});
    frame({});
    type("bcdefghij");
    EXPECT_EQ(9, entry.nameLength());
    EXPECT_EQ(std::string("AZBCDEFGH"), std::string(entry.name(), 9));
    frame({SDLK_BACKSPACE});
    frame({});
    type("x");
    EXPECT_EQ(std::string("AZBCDEFGX"), std::string(entry.name(), 9));

    EXPECT_EQ(1, frame({SDLK_RETURN}));
    EXPECT_STREQ("AZBCDEFGX", stored().slot(0));
}

TEST_F(NameEntryTest, EmptyNameAndMissingFileSaveFourEmptyEntries) {
    entry.enter(5, 2);
    frame({SDLK_BACKSPACE});  // nothing to erase
    EXPECT_EQ(1, frame({SDLK_RETURN}));
    // The new entry first, four empty ones after it, and the checksum 2 + 5.
    const std::string emptyEntry = "\r\n\r\n\r\n";
    EXPECT_EQ("\r\n2\r\n5\r\n" + emptyEntry + emptyEntry + emptyEntry + emptyEntry + "7\r\n",
              storedText());
}

// Where a new score goes among higher, equal and lower ones is the typed
// entries' part above; a score no higher than the lowest stays out.
TEST_F(NameEntryTest, ScoreEqualToTheLowestIsNotInserted) {
    HighscoreTable table = HighscoreTable::defaults();
    EXPECT_EQ(-1, table.insertHighscore("LOW", 1, 100));
    EXPECT_EQ(HighscoreTable::defaults(), table);
}

// A score longer than its 9-character slot would lose its last digit,
// and a checksum longer than its slot would throw the whole table away.
TEST_F(NameEntryTest, HugeScoreIsStoredAtTheHighestScoreTheFileCanHold) {
    writeDefaultHighscores();
    entry.enter(2000000000, 4);
    type("max");
    EXPECT_EQ(1, frame({SDLK_RETURN}));
    const HighscoreTable table = stored();
    EXPECT_STREQ("MAX", table.slot(0));
    EXPECT_STREQ("99999999", table.slot(2));
    EXPECT_EQ(99999999 + 4 + 1515 - 101, table.number(HighscoreTable::kChecksumSlot));
    for (int round = 0; round < 4; ++round) {
        entry.enter(2000000000, 8);
        EXPECT_EQ(1, frame({SDLK_RETURN}));
        frame({});
    }
    EXPECT_STREQ("99999999", stored().slot(HighscoreTable::kLowestScoreSlot));
    EXPECT_TRUE(stored().checksumMatches());
}

TEST_F(NameEntryTest, DrawsTitleAndTypedLettersFifteenPixelsApart) {
    entry.enter(10, 3);
    type("zab");
    entry.draw();
    Uint8 r, g, b;
    screen.rgbAt(0, 0, r, g, b);
    EXPECT_EQ(kBackground.b, b);
    screen.rgbAt(486, 350, r, g, b);
    EXPECT_EQ(kTitle.r, r);
    const int expected[3] = {26, 1, 2};
    for (int i = 0; i < 3; ++i) {
        screen.rgbAt(486 + 15 * i, 450, r, g, b);
        EXPECT_EQ(letterColour(expected[i]).r, r) << "letter " << i;
    }

    entry.enter(10, 3);
    EXPECT_EQ(0, entry.nameLength()) << "a new entry starts with no letters";
}

}  // namespace
