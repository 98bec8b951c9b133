#pragma once

#include "frontend/OptionsFile.h"
#include "game/Game.h"

// Carries the options page's settings from run to run. The file is written
// only when the settings differ from what it holds, and not while the options
// page is open: the volume changes every frame while its key is held, so the
// settings are saved once the player leaves the page (or the program ends).
class OptionsKeeper {
  public:
    // Reads the file and gives its settings to the game.
    void load(const char* path, Game& game);
    // Once per logic frame.
    void saveWhenSettled(const Game& game);
    // When the program ends, wherever the player is.
    void save(const Game& game);

  private:
    const char* path_ = nullptr;
    MenuOptions saved_;
};
