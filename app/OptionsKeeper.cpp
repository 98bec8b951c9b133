#include "app/OptionsKeeper.h"

#include <cstdio>

void OptionsKeeper::load(const char* path, Game& game) {
    path_ = path;
    saved_ = OptionsFile::read(path);
    game.setOptions(saved_);
}

void OptionsKeeper::saveWhenSettled(const Game& game) {
    if (game.mode() != ModeMenu || game.menu().page() != OptionsPage) {
        save(game);
    }
}

void OptionsKeeper::save(const Game& game) {
    const MenuOptions now = game.menu().options();
    if (!path_ || now == saved_) {
        return;
    }
    // A failed write is not tried again every frame; the next change tries.
    saved_ = now;
    if (OptionsFile::write(path_, now) != 0) {
        std::fprintf(stderr, "kavrel: could not save the options to %s\n", path_);
    }
}
