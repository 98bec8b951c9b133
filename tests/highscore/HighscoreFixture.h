#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "highscore/HighscoreTable.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

// A temporary folder with an empty "data/M", entered as the working
// directory for the test. Every test ends with no temporary file left.
class HighscoreFixture : public ::testing::Test {
  protected:
    HighscoreFixture();
    void TearDown() override;

    // The stored file's raw bytes ("" when it is missing).
    std::string storedBytes() const;
    void writeStoredBytes(const std::string& bytes) const;
    // Stores plain text shifted as the game stores it.
    void writeStoredText(const std::string& plain) const;
    std::string storedText() const;
    bool exists(const char* relative) const;

    // "A\r\nB\r\n..." from the table's slots.
    static std::string textOf(const HighscoreTable& table);

    TempFolder folder;
    WorkingDirectory inside{folder.path()};
};

// Shows a table as its slots in failure messages.
void PrintTo(const HighscoreTable& table, std::ostream* out);
