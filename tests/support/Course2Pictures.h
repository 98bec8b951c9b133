#pragma once

#include <string>

#include "support/TempFolder.h"
#include "support/TestPictures.h"

// The pictures of a course 2 as small files of known sizes:
//   background 20x20; kind 1: picture 0 a solid 60x40, picture 1 60x40 with
//   only its left half solid; kind 2: solid (40 + 10n) x (30 + 10n); kind 3 a
//   solid 120x100; scenery 20x10; gate 50x300; floor tile 400x60; sweeper
//   100x40; digits 20x30; bonuses 30x20 (doubling) and 40x24 (halving).
// Colours are told apart so that drawing can be read back. Tests that need
// other sizes overwrite single files before loading.
class Course2Pictures {
  public:
    static constexpr TestRgb kKind1Colour{200, 100, 0};
    static constexpr TestRgb kKind1SecondColour{220, 0, 160};
    static constexpr TestRgb kKind2Colour{100, 100, 240};
    static constexpr TestRgb kKind3Colour{240, 240, 0};
    static constexpr TestRgb kGateColour{120, 120, 120};
    static constexpr TestRgb kFloorColour{90, 70, 40};
    static constexpr TestRgb kSweeperColour{0, 250, 250};
    static constexpr TestRgb kDoublingColour{0, 200, 0};
    static constexpr TestRgb kHalvingColour{0, 0, 200};
    static constexpr TestRgb kDigitZeroColour{100, 100, 100};
    static constexpr TestRgb kDigitOneColour{150, 150, 150};
    static constexpr TestRgb kDigitFiveColour{200, 200, 200};
    static constexpr int kFloorWidth = 400;
    static constexpr int kFloorHeight = 60;

    static bool write(const std::string& root);
    // The path of course 2's picture file number in folder.
    static std::string course2File(const TempFolder& folder, int number);
};
