#pragma once

#include "courses/course4/Level4.h"
#include "record/Autopilot.h"

// A test pilot for course 4 that knows the course from the inside: it dodges
// obstacles, shots, bands, the chamber, the stalk and the beam by predicting
// where they will be, waits while the brain is out of reach, and rams the
// brain whenever a ram can be flown without being hit on the way.
//
// Every frame it tries each direction held for a few frames followed by
// braking, on a model of the craft's inertia, and picks the first direction
// of the best flight: a ram soonest, else the longest without a hit that
// ends nearest its waiting point.
class BossPilot {
  public:
    using Craft = CraftMotion;

    // The direction to press this frame: -1, 0 or 1 on each axis (right and
    // down positive).
    void choose(const Level4& level, const Craft& craft, int& dx, int& dy) const;

    // True while the brain may be rammed (the fight is on and it is not
    // retreating).
    static bool mayRam(const Level4& level);

  private:
    struct Plan {
        int dx;
        int dy;
        int holdFrames;
    };
    // A flight's worth: high for an early ram, low for an early hit.
    double rate(const Level4& level, const Craft& start, const Plan& plan) const;
    bool hitAt(const Level4& level, const Craft& craft, int frame) const;
    bool hitsObstacleOrShot(const Level4& level, const Craft& craft, int frame) const;
    bool hitsChamber(const Level4& level, const Craft& craft, int frame) const;
    bool hitsStalk(const BrainBoss& boss, const Craft& c, float shift) const;
    bool ramsAt(const Level4& level, const Craft& craft) const;
    void waitingPoint(const Level4& level, float& x, float& y) const;
};
