#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/FrameStep.h"
#include "assets/Collision.h"
#include "game/Game.h"
#include "player/Player.h"
#include "support/Autopilot.h"
#include "support/HeadlessScreen.h"
#include "support/HeldKeys.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

// A Game flown through whole courses, run from a folder of its own: by
// default with a copy of the generated pictures (loading rewrites their
// first bytes, so the run folder is never used in place).
class CourseFlightFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override { here_.reset(); }

    // Enters the folder and loads the game from the pictures there; the
    // "null" of each absent one goes unheard.
    void enterAndLoad();
    // A new game of players players, entered at course mode the way the game
    // goes there: through course 1.
    void startCourse(int mode, int players);
    // Holds the keys the pilot chooses for the craft among the hazards.
    static void press(HeldKeys& keys, const Player& craft, Autopilot& pilot, const Box* hazards,
                      int count);

    // Flies the course the game is in, one pilot per craft, until the game
    // leaves it or 3000 frames have passed, rendering every seventh frame.
    // beforeFrame runs ahead of each frame.
    template <class Course, class BeforeFrame>
    void flyRace(const Course& course, Autopilot& pilot1, Autopilot& pilot2,
                 BeforeFrame beforeFrame) {
        FrameStep step(*game_);
        const int mode = game_->mode();
        Box boxes[Course::kMaxHazards];
        for (int frame = 0; frame < 3000 && game_->mode() == mode; ++frame) {
            beforeFrame();
            HeldKeys keys;
            const int count = course.hazardBoxes(boxes, Course::kMaxHazards);
            press(keys, game_->player1(), pilot1, boxes, count);
            if (game_->playerCount() == 2) {
                press(keys, game_->player2(), pilot2, boxes, count);
            }
            step.logicFrame(keys.keys());
            if (frame % 7 == 0) {
                game_->render();
            }
        }
    }

    HeadlessScreen screen_;
    TempFolder folder_;
    std::unique_ptr<WorkingDirectory> here_;
    std::unique_ptr<Game> game_ = std::make_unique<Game>();
};
