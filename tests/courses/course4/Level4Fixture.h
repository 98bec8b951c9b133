#pragma once

#include <gtest/gtest.h>

#include "courses/course4/Level4.h"
#include "support/Course4Pictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

// Course 4 loaded with the tests' own pictures and reset with the rand
// sequence at srand(1).
class Level4Fixture : public ::testing::Test, protected Course4Pictures {
  protected:
    void SetUp() override;

    // Logic frames with no craft in the way.
    void runFrames(int frames);
    void enterChamberArrival();
    void enterBossFight();
    // No shots in the air and no attack under way.
    void calmBoss();
    // Settles the brain at (x, y) with its stalk laid out behind it, then
    // freezes it: the beam is opening, so the steps of the next few frames
    // leave it where it is and the beam does not hurt yet.
    void freezeBrainAt(int x, int y);
    // The craft position whose nose pokes 20 pixels into the brain.
    float ramX() const { return static_cast<float>(level_.boss().brain().x + 20 - 83); }
    float ramY() const { return static_cast<float>(level_.boss().brain().y + 20 - 28); }

    bool pixelIs(int x, int y, TestRgb c) const;

    HeadlessScreen screen_;
    TempFolder folder_;
    Level4 level_;
};
