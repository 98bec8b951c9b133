#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "player/Player.h"

// Which craft the autopilot flies: player 1's arrows or player 2's W, A, S, D.
enum class AutopilotKeys { Arrows, Wasd };

// Where a craft is and how fast it goes, in pixels and pixels per frame.
struct CraftMotion {
    float x;
    float y;
    float vx;
    float vy;
};

struct AutopilotOptions {
    AutopilotKeys keys = AutopilotKeys::Arrows;
    // Fly close along obstacles (inside their inner ring) instead of giving
    // them a wide berth.
    bool seekNearPasses = false;
    // Where the craft waits when nothing is in the way.
    float homeX = 250.0f;
    float homeY = 250.0f;
    // The craft is kept between these tops (course 2's water, course 3's
    // bands); leaving the band is costly, not forbidden.
    float minY = 0.0f;
    float maxY = 560.0f;
    // Hazards drift left by minDrift..maxDrift pixels per frame; the planner
    // assumes any speed in between, so a hazard's unknown speed never
    // surprises it. Standing hazards (bands) are fine with any range.
    int minDrift = 10;
    int maxDrift = 14;
    // Pixels kept free between the craft's crash points and the part of a
    // hazard's box that can be hit (its box less 2 pixels all round).
    int clearance = 2;
};

// A small planning pilot for tests, one per craft. Every frame it tries a
// few hundred places to fly to (lanes over the whole height, the edges of
// every hazard, home), flies each on a model of the craft's inertia with a
// bang-bang controller, and presses the first keys of the flight that stays
// clear of the hazards longest and, once clear, stays nearest home (or
// passes closest, when seeking near passes). It follows each hazard from
// frame to frame to learn its drift; a hazard it has not seen move yet may
// drift at any speed of the options' range.
class Autopilot {
  public:
    static constexpr float kAccel = 1.3f;
    static constexpr float kCraftWidth = Player::kWidth;
    static constexpr float kCraftHeight = Player::kHeight;
    static constexpr int kMaxHazards = 64;

    explicit Autopilot(const AutopilotOptions& options = AutopilotOptions()) : options_(options) {}

    const AutopilotOptions& options() const { return options_; }
    void setOptions(const AutopilotOptions& options) { options_ = options; }

    // Call once per logic frame, before the craft moves, with the hazards as
    // the course left them in the previous frame. Clears keys (SDLK_LAST
    // entries) and presses this frame's keys. Hazards past kMaxHazards are
    // ignored.
    void steer(const CraftMotion& craft, const Box* hazards, int hazardCount, Uint8* keys);

    // The same choice as a direction: -1, 0 or 1 on each axis (right and
    // down positive).
    void choose(const CraftMotion& craft, const Box* hazards, int hazardCount, int& dx, int& dy);

    // One frame of the craft's own movement with a direction held: speed
    // changes by kAccel, then position, then the screen walls stop it.
    static void step(CraftMotion& craft, int dx, int dy);

    // The key direction (-1, 0, 1) on one axis that brings a craft at
    // position with speed to rest at target as fast as it can.
    static int approach(float position, float speed, float target);

  private:
    // A hazard with the range of drifts it may have.
    struct Track {
        Box box;
        int minDrift;
        int maxDrift;
    };
    struct Target {
        float x;
        float y;
    };
    static constexpr int kMaxTargets = 512;

    void follow(const Box* hazards, int count);
    int makeTargets(const CraftMotion& craft, Target* out) const;
    double rate(const CraftMotion& craft, const Target& target) const;
    bool collides(const CraftMotion& craft, const Track& hazard, int frame) const;
    double closeness(const CraftMotion& craft, const Track& hazard, int frame) const;
    double homeCost(const CraftMotion& craft) const;
    float laneRoom(const CraftMotion& craft, int frame) const;

    AutopilotOptions options_;
    Track tracks_[kMaxHazards] = {};
    int trackCount_ = 0;
    Box previous_[kMaxHazards] = {};
    int previousCount_ = 0;
};
