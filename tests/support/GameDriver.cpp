#include "support/GameDriver.h"

#include "app/EscapeKey.h"

GameDriver::GameDriver(Game& game) : game_(game), step_(game) {
    noteMode();
}

void GameDriver::noteMode() {
    if (changes_.empty() || changes_.back().mode != game_.mode()) {
        changes_.push_back(ModeChange{frames_, game_.mode()});
    }
}

int GameDriver::frame(KeyState keys, bool render) {
    const int sound = step_.logicFrame(keys);
    ++frames_;
    if (render) {
        game_.render();
    }
    noteMode();
    return sound;
}

int GameDriver::escape() {
    if (EscapeKey::nextMode(game_.mode()) == EscapeKey::kQuit) {
        return 1;
    }
    EscapeKey::act(game_);
    noteMode();
    return 0;
}

std::vector<int> GameDriver::modeSequence() const {
    std::vector<int> modes;
    for (const ModeChange& change : changes_) {
        modes.push_back(change.mode);
    }
    return modes;
}
