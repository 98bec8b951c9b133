// A course in a real window: keys held down move the craft, Space pauses
// and the picture stands still, Escape goes back to the menu.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "WindowGameFixture.h"

namespace fs = std::filesystem;

namespace {

// Player 1's craft and the pause picture in colours of their own, so that
// screenshots tell where they are whatever the generated art looks like.
constexpr TestRgb kCraftColour{220, 30, 200};
constexpr TestRgb kPauseColour{20, 210, 220};
constexpr int kPauseWidth = 160;
constexpr int kPauseHeight = 40;

class CourseWindowTest : public WindowGameFixture {
  protected:
    void SetUp() override {
        WindowGameFixture::SetUp();
        ASSERT_TRUE(writeSolidPicture(folder.file("data/M/m001.obx"), 40, 20, kCraftColour));
        ASSERT_TRUE(writeSolidPicture(folder.file("data/M/pause.obx"), kPauseWidth, kPauseHeight,
                                      kPauseColour));
        // The flame flickers anew with every drawing, paused or not.
        fs::remove(folder.file("data/M/m036.obx"));
        // Course 1 without obstacles: nothing can hit the craft while it flies.
        for (int file = 1002; file <= 1008; ++file) {
            fs::remove(folder.file("data/L1/" + std::to_string(file) + ".obx"));
        }
    }

    // Space, then a shot once the pause picture shows; "" if it never does.
    std::string pauseGame() {
        press("space");
        return waitForScreen([](const std::string& s) {
            return countColour(s, kPauseColour) >= kPauseWidth * kPauseHeight;
        });
    }
};

TEST_F(CourseWindowTest, HeldKeysMoveTheCraftSpacePausesEscapeLeaves) {
    ASSERT_NO_FATAL_FAILURE(startGame());
    const std::string menu = settledScreen();
    ASSERT_FALSE(menu.empty()) << "the menu never settled on screen";
    press("Return");  // a one-player game: its opening story
    wait(500);
    press("Escape");  // skips the story to course 1
    ASSERT_FALSE(waitForScreen([](const std::string& s) {
                     return findColour(s, kCraftColour).found;
                 }).empty())
        << "course 1 never showed the craft";
    wait(3500);  // the course banner, shown for three seconds, covers the pause picture

    const std::string paused = pauseGame();
    ASSERT_FALSE(paused.empty()) << "Space did not pause";
    wait(1000);
    EXPECT_EQ(paused, screen()) << "the paused picture changed within a second";
    const ColourBox before = findColour(paused, kCraftColour);
    ASSERT_TRUE(before.found);

    press("space");
    session.holdKey("Right", 700);
    const std::string moved = pauseGame();
    ASSERT_FALSE(moved.empty()) << "Space did not pause again";
    const ColourBox after = findColour(moved, kCraftColour);
    ASSERT_TRUE(after.found);
    EXPECT_GT(after.left, before.left + 20) << "the craft did not move right";
    EXPECT_EQ(after.right - after.left, before.right - before.left) << "the craft changed size";

    press("space");
    press("Escape");
    EXPECT_FALSE(waitForScreen([&](const std::string& s) { return s == menu; }).empty())
        << "Escape did not lead back to the menu";
    press("Escape");
    ASSERT_TRUE(game.waitForExit(5000)) << "Escape in the menu did not end the program";
    EXPECT_EQ(0, game.exitCode());
}

}  // namespace
