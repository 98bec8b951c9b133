#include "app/EscapeKey.h"

int EscapeKey::nextMode(int mode) {
    switch (mode) {
        case ModeMenu:
            return kQuit;
        case ModeCutscene0:
            return ModeCourse1;
        case ModeCutscene1:
            return ModeCourse4;
        default:
            return ModeMenu;
    }
}

int EscapeKey::act(Game& game) {
    const int next = nextMode(game.mode());
    if (next == kQuit) {
        return 1;
    }
    game.setMode(next);
    return 0;
}
