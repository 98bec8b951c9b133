#include "app/FrameStep.h"

int FrameStep::logicFrame(KeyState keys) {
    ++secondFrames_;
    game_.perFrameTick();
    if (secondFrames_ > kFramesPerSecond - 1) {
        game_.perSecondTick();
        secondFrames_ = 0;
    }
    return game_.update(keys);
}
