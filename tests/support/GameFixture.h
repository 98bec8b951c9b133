#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "game/Game.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

// A Game on the dummy display, run from a temporary folder of its own so that
// its relative picture paths find only the pictures a test writes there.
class GameFixture : public ::testing::Test {
  protected:
    GameFixture() : here_(folder.path()) {}

    // Loads the game (every picture it finds in the folder) and opens the menu.
    void load();
    // Writes a solid picture of one colour under the folder.
    void picture(const char* path, int w, int h, Uint8 r, Uint8 g, Uint8 b);
    // The colour of one screen pixel is exactly (r, g, b).
    ::testing::AssertionResult colourAt(int x, int y, Uint8 r, Uint8 g, Uint8 b) const;

    HeadlessScreen screen;
    TempFolder folder;
    std::unique_ptr<Game> game = std::make_unique<Game>();

  private:
    WorkingDirectory here_;
};
