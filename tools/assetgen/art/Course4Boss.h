#pragma once

#include "assetgen/AssetWriter.h"

// The brain of course 4 with its stalk, the shots of the wall's mouths and
// the brain's beam.
class Course4Boss {
  public:
    // Writes the brain, the stalk segment and their flashing forms
    // ("data/L4/4023.obx", "4024", "4036", "4037"), the three shots ("4025"
    // to "4027"), the beam's opening frames ("4029" to "4033") and the beam
    // ("4034", "4035").
    static void make(AssetWriter& out);

  private:
    static void makeBrainAndStalk(AssetWriter& out);
    static void makeProjectiles(AssetWriter& out);
    static void makeBeamOpening(AssetWriter& out);
    static void makeBeam(AssetWriter& out);
};
