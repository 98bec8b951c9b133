#pragma once

#include <gtest/gtest.h>

#include "courses/course2/Level2.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

// Colours of the test pictures, so that drawing can be read back.
constexpr TestRgb kKind1Colour{200, 100, 0};
constexpr TestRgb kKind1SecondColour{220, 0, 160};
constexpr TestRgb kKind2Colour{100, 100, 240};
constexpr TestRgb kKind3Colour{240, 240, 0};
constexpr TestRgb kGateColour{120, 120, 120};
constexpr TestRgb kFloorColour{90, 70, 40};
constexpr TestRgb kSweeperColour{0, 250, 250};
constexpr TestRgb kDoublingColour{0, 200, 0};
constexpr TestRgb kHalvingColour{0, 0, 200};
constexpr TestRgb kDigitZeroColour{100, 100, 100};
constexpr TestRgb kDigitOneColour{150, 150, 150};
constexpr TestRgb kDigitFiveColour{200, 200, 200};

// The pictures of a course 2 as small files of known sizes:
//   background 20x20; kind 1: picture 0 a solid 60x40, picture 1 60x40 with
//   only its left half solid; kind 2: solid (40 + 10n) x (30 + 10n); kind 3 a
//   solid 120x100; scenery 20x10; gate 50x300; floor tile 400x60; sweeper
//   100x40; digits 20x30; bonuses 30x20 (doubling) and 40x24 (halving).
// Tests that need other sizes overwrite single files before loading.
void writeCourse2Pictures(const TempFolder& folder);
std::string course2File(const TempFolder& folder, int number);

// Loads a course from the folder's pictures (the working directory goes back
// afterwards) and resets it with the rand sequence at srand(1).
void loadCourse2(Level2& level, const TempFolder& folder, SDL_Surface* screen);

class Level2Test : public ::testing::Test {
  protected:
    static constexpr int kFloorWidth = 400;
    static constexpr int kFloorHeight = 60;

    void SetUp() override;

    // Seconds past 31 stop every obstacle spawner, so a test owns the slots.
    void stopSpawning() { level.perSecondTick(33, 0, false); }
    // Several frames of player 1's update with no craft that can collide.
    void idleFrames(int frames);
    bool colourAt(int x, int y, TestRgb c) const;

    HeadlessScreen screen;
    TempFolder folder;
    Level2 level;
};
