#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ScoreLedger.h"
#include "game/Game.h"
#include "highscore/HighscoreTable.h"
#include "support/GameDriver.h"
#include "support/HeadlessScreen.h"
#include "support/HeldKeys.h"
#include "support/ReplayRecording.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

// The whole game in a folder of its own, driven from the menu by keys as a
// player would: the menu's options, the cutscenes, the courses flown by
// recorded keys, the name entry. Every frame of a running game goes through
// each player's score ledger.
class WholeGameFixture : public ::testing::Test {
  protected:
    WholeGameFixture();
    ~WholeGameFixture() override;

    // Writes the fixed test pictures and the default table and loads the game.
    void loadFixedGame();
    // Loads whatever pictures the folder holds.
    void loadGame();

    // One logic frame with keys held and one render (unless told not to).
    // Returns its SoundEvent.
    int frame(const HeldKeys& keys, bool render = true);
    void idle(int frames);
    // The key held for one frame, then one frame with nothing held.
    void tap(int key);
    void escape();
    // From the menu's first page with nothing selected: sets the players and
    // the starting lives on the options page and starts a game.
    void startGame(int players, int lives);
    // A recorded run, from tests/whole/replays/<name>.txt.
    static ReplayRecording recorded(const char* name);
    // Plays a recording's keys frame by frame (one that starts in a course
    // enters it first). Returns the first frame (from 1) that did not come
    // out as recorded, or 0; with checked false it plays on regardless, as
    // a game not freshly loaded with rand at srand(1) may differ.
    int play(const ReplayRecording& recording, bool checked = true);
    // A new game of players entered at mode as a game gets there (through
    // course 1), its scores kept by the ledgers from then on.
    void enterGameAt(int mode, int players);
    // Types the letters (lower case) and Return.
    void typeName(const char* letters);
    // From the menu's first page: opens the highscore page and renders it.
    void openHighscorePage();

    // The stored highscore file's bytes ("" when it is missing), its table
    // as the game reads it, and which entry of that table has the name (-1).
    std::string storedBytes() const;
    static HighscoreTable storedTable();
    static int entryNamed(const HighscoreTable& table, const std::string& name);

    const ScoreLedger& ledger(int player) const { return ledgers_[player - 1]; }

    HeadlessScreen screen_;
    TempFolder folder_;
    std::unique_ptr<WorkingDirectory> here_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
    std::unique_ptr<GameDriver> driver_;

  private:
    void beforeFrame();
    void afterFrame(int modeBefore);

    bool running_ = false;
    ScoreLedger ledgers_[2];
};
