#pragma once

#include <string>

// Every picture file the game loads, drawn as simple shapes in flat colours
// with the sizes the game's rules rely on (craft 83 by 40, explosions 180 by
// 160, backgrounds 800 by 600, course 3's bands and course 4's tiles 800
// wide, the brain and each stalk segment 40 by 40 ...). They never change
// with the art, so that a run recorded against them stays valid when the
// generated pictures are redrawn.
class FixedPictures {
  public:
    // Writes them all, disguised, under folder ("data/..."). False when a
    // file could not be written.
    static bool write(const std::string& folder);
    // How many files write makes.
    static int count();
};
