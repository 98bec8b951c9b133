#pragma once

#include "courses/CourseObject.h"
#include "game/Types.h"

// The end of a course with a gate: while the gate slides in from the right
// edge to gateStop, the crafts are gathered into a small box at the left;
// once the gate stands and a craft is in the box, the course flies them
// right into it, and it is over when they reach finishedAt.
class GateOutro {
  public:
    GateOutro(int gateStop, float finishedAt) : gateStop_(gateStop), finishedAt_(finishedAt) {}

    void reset() { gateX_ = kGateStart; }
    // One frame of steering for the craft at (x, y); Approach becomes FlyOff
    // once the gathering is done. In any other state the craft stays put.
    Position steer(CourseState& state, float x, float y);
    // The fly-off picture to show: one more for every 50 pixels from x 150
    // on, at most 8; 100 once the crafts are in the gate; -1 before the
    // fly-off.
    int progress(CourseState state) const;

    int gateX() const { return gateX_; }
    void setGateX(int x) { gateX_ = x; }

  private:
    static constexpr int kGateStart = 800;

    Position gather(CourseState& state);

    int gateStop_;
    float finishedAt_;
    int gateX_ = kGateStart;
    float x_ = 0.0f;
    float y_ = 0.0f;
};
