#pragma once

#include "assetgen/AssetWriter.h"

// The boss chamber of course 4: its ceiling, its side and its floor, the
// wall at the right with the two mouths that spit the shots, and the recess
// behind that wall where the stalk is rooted.
class Course4Chamber {
  public:
    // Writes "data/L4/4018.obx" to "data/L4/4022.obx".
    static void make(AssetWriter& out);

  private:
    static void makeCeilingAndFloor(AssetWriter& out);
    static void makeFrontWall(AssetWriter& out);
    static void makeBackWall(AssetWriter& out);
};
