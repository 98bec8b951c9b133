#pragma once

#include <vector>

#include "app/FrameStep.h"
#include "game/Game.h"
#include "game/Types.h"

// A screen the game entered, and after how many logic frames.
struct ModeChange {
    int frame;
    int mode;
};

// Runs a loaded Game the way the program's main loop does, one logic frame
// at a time (the frame tick, the game second on every 30th frame, the
// update) with one render after each, and Escape through the loop's own
// handling. It keeps the screens the game went through.
class GameDriver {
  public:
    explicit GameDriver(Game& game);

    // One logic frame with keys held, then one render unless told not to.
    // Returns the frame's SoundEvent.
    int frame(KeyState keys, bool render = true);
    // Escape pressed before the next frame, as the main loop takes it. 1 when
    // the program would end (Escape in the menu), and nothing changes then.
    int escape();

    int frames() const { return frames_; }
    // Every mode the game was in, from the one it had when the driver began.
    const std::vector<ModeChange>& modeChanges() const { return changes_; }
    std::vector<int> modeSequence() const;

  private:
    void noteMode();

    Game& game_;
    FrameStep step_;
    int frames_ = 0;
    std::vector<ModeChange> changes_;
};
