#pragma once

#include <memory>

#include "game/Game.h"
#include "support/GameDriver.h"
#include "support/HeadlessScreen.h"
#include "support/ReplayRecording.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

// Plays a replay's frames on a fresh Game that loads the fixed test
// pictures (or a copy of the generated ones) and the default highscore table
// from a folder of its own: rand from srand(1), one render per logic frame,
// Escape through the main loop's handling.
class ReplayRunner {
  public:
    explicit ReplayRunner(const ReplayStart& start, bool generatedPictures = false);
    ~ReplayRunner();
    ReplayRunner(const ReplayRunner&) = delete;
    ReplayRunner& operator=(const ReplayRunner&) = delete;

    // False when the pictures could not be written or loaded.
    bool ready() const { return ready_; }
    void play(const ReplayFrame& frame);
    const Game& game() const { return *game_; }
    ReplayOutcome outcome() const;

  private:
    HeadlessScreen screen_;
    TempFolder folder_;
    std::unique_ptr<WorkingDirectory> here_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
    std::unique_ptr<GameDriver> driver_;
    std::vector<std::uint16_t> digests_;
    bool ready_ = false;
};
