#pragma once

#include "game/Game.h"
#include "game/Types.h"

// The work of one logic frame, shared by the program's main loop and the
// headless tools: the frame tick, the game second on every 30th frame, and the
// update. Rendering is the Game's render, once after each logic frame.
class FrameStep {
  public:
    static constexpr int kFramesPerSecond = 30;

    explicit FrameStep(Game& game) : game_(game) {}

    // Runs one logic frame with the keys held now; returns its SoundEvent.
    int logicFrame(KeyState keys);

  private:
    Game& game_;
    int secondFrames_ = 0;
};
