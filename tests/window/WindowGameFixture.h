#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/ChildProcess.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/XvfbSession.h"

// The real program in a private X server, started from a copy of the run
// folder that a test may change first, and looked at through screenshots of
// the whole X screen.
class WindowGameFixture : public ::testing::Test {
  protected:
    static constexpr int kWindowTimeoutMs = 15000;
    static constexpr int kScreenTimeoutMs = 5000;

    // Copies the run folder.
    void SetUp() override;
    // Keeps a screenshot and the game's output of a failed test.
    void TearDown() override;

    // Starts the game with this environment (entries "NAME=value" set,
    // plain "NAME" removed); its output goes to outputPath().
    void launch(const std::vector<std::string>& env);
    // Starts the game on the server and waits until its window has the keyboard.
    void startGame();
    std::string outputPath() const { return folder.file("output.txt"); }

    // The whole X screen as a 24-bit BMP file's bytes (it has no time stamp).
    std::string screen();
    // Takes screenshots until one passes the test; that one, or "".
    template <typename Test>
    std::string waitForScreen(Test test) {
        std::string shot;
        const bool passed = pollUntil(kScreenTimeoutMs, 100, [&] {
            shot = screen();
            return !shot.empty() && test(shot);
        });
        return passed ? shot : "";
    }
    // Waits until the window shows something and holds still: two shots in a
    // row alike, and not the black of a window not yet drawn.
    std::string settledScreen();
    void press(const char* key);
    static void wait(int ms);

    XvfbSession session;
    TempFolder folder;
    ChildProcess game;
};

// How many pixels of a screen shot have exactly this colour.
int countColour(const std::string& shot, TestRgb c);

// The pixels of this colour in a screen shot and the smallest box around
// them; found is false when there is none.
struct ColourBox {
    bool found() const { return count > 0; }
    int count = 0;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
ColourBox findColour(const std::string& shot, TestRgb c);
