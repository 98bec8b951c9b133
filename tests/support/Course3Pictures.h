#pragma once

#include <string>

// The pictures of a course 3 as small files of known sizes:
//   background 100x10, top band 800x50, bottom band 800x30 (so a test can
//   tell which height the band rule uses), obstacle pictures 0..7 solid and
//   (30 + 10n) x (20 + 5n), picture 8 a solid 200x100 and picture 9 a wholly
//   transparent 200x100, scenery 20x10, digits 20x30 ("1" and "5" grey 200, "0"
//   grey 100), bonuses 30x20 (doubling) and 40x24 (halving).
class Course3Pictures {
  public:
    static constexpr int kTopBandHeight = 50;
    static constexpr int kBottomBandHeight = 30;
    static constexpr int kBackgroundWidth = 100;

    static bool write(const std::string& root);
};
