#include "highscore/HighscoreFile.h"

#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <utility>

#include "HighscoreFixture.h"

namespace {

const char kDefaultText[] =
    "ZOK\r\n5\r\n500\r\nZOK\r\n4\r\n400\r\nZOK\r\n3\r\n300\r\n"
    "ZOK\r\n2\r\n200\r\nZOK\r\n1\r\n100\r\n1515\r\n";

// A consistent table that differs from the defaults everywhere.
HighscoreTable sampleTable() {
    HighscoreTable table;
    const char* names[] = {"ABCDEFGHI", "MIRA", "", "JO", "Q"};
    for (int entry = 0; entry < HighscoreTable::kEntries; ++entry) {
        table.setSlot(HighscoreTable::nameSlot(entry), names[entry]);
        table.setNumber(HighscoreTable::livesSlot(entry), 8 - entry);
        table.setNumber(HighscoreTable::scoreSlot(entry), 9000 - 1000 * entry);
    }
    table.updateChecksum();
    return table;
}

using HighscoreFileTest = HighscoreFixture;

TEST_F(HighscoreFileTest, DefaultTableIsStoredShiftedAndReadsBackWithItsChecksum) {
    writeDefaultHighscores();
    EXPECT_EQ(kDefaultText, storedText());

    HighscoreTable table;
    loadHighscoreTable(table);
    EXPECT_EQ(HighscoreTable::defaults(), table);
    EXPECT_EQ(kDefaultText, storedText()) << "a valid file is left as it was";
}

TEST_F(HighscoreFileTest, MissingFileReadsEmptyAndOnlyASaveCreatesIt) {
    HighscoreTable table = HighscoreTable::defaults();
    loadHighscoreTable(table);
    validateHighscoreFile();
    for (int i = 0; i < HighscoreTable::kSlots; ++i) {
        EXPECT_STREQ("", table.slot(i)) << "slot " << i;
    }
    EXPECT_EQ(0, table.lowestScore());
    EXPECT_FALSE(exists(kHighscorePath));

    EXPECT_EQ(0, saveHighscoreTable(sampleTable()));
    EXPECT_EQ(textOf(sampleTable()), storedText());
}

TEST_F(HighscoreFileTest, NineLetterNameSurvivesAndALongerLineEndsTheReading) {
    ASSERT_EQ(0, saveHighscoreTable(sampleTable()));
    HighscoreTable table;
    loadHighscoreTable(table);
    EXPECT_STREQ("ABCDEFGHI", table.slot(0));
    EXPECT_EQ(sampleTable(), table);

    writeStoredText("ZOK\r\n5\r\n500\r\nABCDEFGHIJ\r\n4\r\n400\r\n");
    readStoredHighscores(table);
    EXPECT_STREQ("500", table.slot(2));
    EXPECT_STREQ("ABCDEFGHI", table.slot(3));
    for (int i = 4; i < HighscoreTable::kSlots; ++i) {
        EXPECT_STREQ("", table.slot(i)) << "slot " << i;
    }
    // Judged by what was read: 505 against an empty checksum slot, so the
    // defaults are returned and stored in its place.
    loadHighscoreTable(table);
    EXPECT_EQ(HighscoreTable::defaults(), table);
    EXPECT_EQ(kDefaultText, storedText());
}

TEST_F(HighscoreFileTest, LinesMayEndInLineFeedAloneOrAtTheEndOfTheFile) {
    writeStoredText("AB\nCD\r\n\r\n  7x\r\rEF\r");
    HighscoreTable table;
    readStoredHighscores(table);
    EXPECT_STREQ("AB", table.slot(0));
    EXPECT_STREQ("CD", table.slot(1));
    EXPECT_STREQ("", table.slot(2));
    EXPECT_STREQ("  7x\r\rEF", table.slot(3)) << "only a CR that ends the line is dropped";
    EXPECT_EQ(7, table.number(3));
    EXPECT_STREQ("", table.slot(4));
}

TEST_F(HighscoreFileTest, NumbersAndTheChecksumWrapRoundWithoutOverflow) {
    HighscoreTable table;
    const std::pair<const char*, int> numbers[] = {{" +12abc", 12}, {"-7", -7},          {"abc", 0},
                                                   {"- 5", 0},      {"\t\n\v\f\r 9", 9}, {"", 0}};
    for (const auto& [text, value] : numbers) {
        table.setSlot(0, text);
        EXPECT_EQ(value, table.number(0)) << text;
    }
    // Slots outside the table read empty and take nothing.
    for (int outside : {-1, HighscoreTable::kSlots}) {
        table.setSlot(outside, "9");
        EXPECT_STREQ("", table.slot(outside));
    }
    EXPECT_FALSE(table == HighscoreTable::defaults());

    for (int entry = 0; entry < HighscoreTable::kEntries; ++entry) {
        table.setSlot(HighscoreTable::livesSlot(entry), "0");
        table.setSlot(HighscoreTable::scoreSlot(entry), entry < 4 ? "999999999" : "294968300");
    }
    // 4 294 968 296 is 2^32 + 1000: past the largest signed 32-bit number.
    EXPECT_EQ(1000, table.checksum());
    table.updateChecksum();
    writeStoredText(textOf(table));
    HighscoreTable loaded;
    loadHighscoreTable(loaded);
    EXPECT_EQ(table, loaded);
}

TEST_F(HighscoreFileTest, InterruptedSaveLeavesTheOldTableByteForByte) {
    writeDefaultHighscores();
    const std::string before = storedBytes();

    ASSERT_EQ(0, writeHighscoreBeside(sampleTable()));
    // The program stops here, before the rename.
    EXPECT_EQ(before, storedBytes());
    HighscoreTable table;
    loadHighscoreTable(table);
    EXPECT_EQ(HighscoreTable::defaults(), table);

    // The next save finishes normally over the left-over file.
    EXPECT_EQ(0, saveHighscoreTable(sampleTable()));
    EXPECT_EQ(textOf(sampleTable()), storedText());
}

TEST_F(HighscoreFileTest, SaveThatCannotBeWrittenKeepsTheOldTable) {
    writeDefaultHighscores();
    const std::string before = storedBytes();

    // A disk that fills up after a few bytes.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 20;
    void (*oldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &tiny));
    const int result = saveHighscoreTable(sampleTable());
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(-1, result);
    EXPECT_EQ(before, storedBytes());

    // The finished table cannot take the old one's place.
    std::filesystem::remove(folder.file(kHighscorePath));
    std::filesystem::create_directories(folder.file(kHighscorePath) + "/taken");
    EXPECT_EQ(-1, saveHighscoreTable(sampleTable()));
    EXPECT_FALSE(std::filesystem::exists(folder.file(kHighscoreNewPath)));
}

// Random files are the fuzz target's part; here only the huge ones.
TEST_F(HighscoreFileTest, HugeStoredFilesAreReadQuickly) {
    const auto started = std::chrono::steady_clock::now();
    const std::string huge(8 << 20, 'x');
    writeStoredBytes(huge);
    HighscoreTable table;
    loadHighscoreTable(table);
    // One over-long line: nine characters, every number 0, so it passes.
    EXPECT_EQ(9u, std::strlen(table.slot(0)));
    EXPECT_STREQ("", table.slot(1));
    EXPECT_EQ(huge, storedBytes());

    std::string lines;
    while (lines.size() < (6u << 20)) {
        lines += "12\r\n";
    }
    writeStoredText(lines);
    loadHighscoreTable(table);
    EXPECT_EQ(HighscoreTable::defaults(), table) << "sixteen lines of 12 do not add up to 12";
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}

// The table the generator puts into the run folder reads back unchanged.
TEST_F(HighscoreFileTest, ShippedTableIsValid) {
    const std::filesystem::path shipped =
        std::filesystem::path(KAVREL_RUN_FOLDER) / "data/M/007.obx";
    if (!std::filesystem::exists(std::filesystem::path(KAVREL_RUN_FOLDER) / "data/H/h000.obx")) {
        GTEST_SKIP() << "the run folder has not been generated";
    }
    ASSERT_TRUE(std::filesystem::exists(shipped));
    std::filesystem::copy_file(shipped, folder.file(kHighscorePath));
    const std::string before = storedBytes();
    HighscoreTable table;
    loadHighscoreTable(table);
    EXPECT_TRUE(table.checksumMatches());
    EXPECT_EQ(before, storedBytes()) << "validation had to replace it";
    EXPECT_EQ(textOf(table), storedText());
}

}  // namespace
