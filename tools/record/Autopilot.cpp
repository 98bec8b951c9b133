#include "record/Autopilot.h"

#include <cmath>
#include <cstring>

#include "support/HeldKeys.h"

namespace {

constexpr int kLookAhead = 48;
constexpr float kMaxX = 800.0f - Autopilot::kCraftWidth;
constexpr float kMaxY = 600.0f - Autopilot::kCraftHeight;
constexpr float kLaneStep = 8.0f;
// Crashes are tested at points from 3 below the craft's top, and only
// inside an obstacle's box less 2 pixels all round.
constexpr float kCraftTop = 3.0f;
constexpr float kInset = 2.0f;
// Home and its neighbours across, so the craft can back away or press on.
constexpr float kSideStep = 120.0f;

// A hit in frame t costs more the sooner it comes; any hit outweighs every
// other concern.
constexpr double kHitCost = 1.0e6;
constexpr double kBandCost = 20.0;
constexpr double kStrayCostX = 0.05;
constexpr double kStrayCostY = 0.02;
constexpr double kCrowdingCost = 2.0;
constexpr double kNearPassReward = 60.0;
// Within this of the left wall a craft can no longer back away.
constexpr float kWallRoom = 30.0f;
constexpr double kWallCost = 4.0;
// Against the top or bottom edge a craft has one way out instead of two.
constexpr float kEdgeRoom = 80.0f;
constexpr double kEdgeCost = 1.0;
// A craft wedged between hazards above and below has no way out when a
// third one comes; this much free height around it is wanted.
constexpr float kWantedRoom = 160.0f;
constexpr double kPocketCost = 2.0;
// Beyond the clearance, this much room is welcome when not seeking passes.
constexpr float kComfort = 24.0f;
// Points inside this distance of an obstacle's box lie in its inner ring.
constexpr float kInnerRing = 10.0f;

// How far a craft moving at speed (0 or more) still travels when it brakes
// from now on: its speed drops by one step before every move.
float brakingDistance(float speed) {
    const float steps = std::floor(speed / Autopilot::kAccel + 0.5f);
    return steps * speed - Autopilot::kAccel * steps * (steps + 1.0f) / 2.0f;
}

// How far apart two ranges are; 0 or less when they overlap.
float gap(float low1, float high1, float low2, float high2) {
    return low1 > high2 ? low1 - high2 : low2 - high1;
}

float clamp(float v, float low, float high) {
    return v < low ? low : (v > high ? high : v);
}

}  // namespace

void Autopilot::step(CraftMotion& c, int dx, int dy) {
    c.vx = static_cast<float>(c.vx + Player::kAccel * dx);
    c.vy = static_cast<float>(c.vy + Player::kAccel * dy);
    c.x += c.vx;
    c.y += c.vy;
    if (c.x < 0.0f) {
        c.x = 0.0f;
        c.vx = 0.0f;
    }
    if (c.x + kCraftWidth > 800.0f) {
        c.x = kMaxX;
        c.vx = 0.0f;
    }
    if (c.y + kCraftHeight > 600.0f) {
        c.y = kMaxY;
        c.vy = 0.0f;
    }
    if (c.y < 0.0f) {
        c.y = 0.0f;
        c.vy = 0.0f;
    }
}

// Of speeding up, coasting and braking, takes the fastest whose whole way to
// rest still ends at the target.
int Autopilot::approach(float position, float speed, float target) {
    const float distance = std::fabs(target - position);
    const int toward = target >= position ? 1 : -1;
    const float closing = speed * static_cast<float>(toward);
    const float slack = kAccel / 2.0f;
    if (closing < -slack) {
        return toward;
    }
    const float faster = closing + kAccel;
    if (faster + brakingDistance(faster) <= distance + slack) {
        return toward;
    }
    if (closing <= slack) {
        return 0;
    }
    return closing + brakingDistance(closing) <= distance + slack ? 0 : -toward;
}

// Follows each hazard from the previous frame: one of the same size and
// height that stood a plausible drift further right is the same hazard.
void Autopilot::follow(const Box* hazards, int count) {
    trackCount_ = count < kMaxHazards ? count : kMaxHazards;
    for (int i = 0; i < trackCount_; ++i) {
        const Box& h = hazards[i];
        Track& t = tracks_[i];
        t = Track{h, options_.minDrift, options_.maxDrift};
        for (int j = 0; j < previousCount_; ++j) {
            const Box& p = previous_[j];
            const int drift = p.x - h.x;
            if (p.y == h.y && p.width == h.width && p.height == h.height &&
                drift >= options_.minDrift && drift <= options_.maxDrift) {
                t.minDrift = t.maxDrift = drift;
                break;
            }
        }
    }
    for (int i = 0; i < trackCount_; ++i) {
        previous_[i] = hazards[i];
    }
    previousCount_ = trackCount_;
}

// Lanes over the whole height, the rows just clear of every hazard's top
// and bottom, and home; each at home's x, the craft's own x and to either
// side of home.
int Autopilot::makeTargets(const CraftMotion& craft, Target* out) const {
    float rows[kMaxTargets / 4];
    int rowCount = 0;
    const int maxRows = kMaxTargets / 4;
    for (float y = 0.0f; y <= kMaxY && rowCount < maxRows; y += kLaneStep) {
        rows[rowCount++] = y;
    }
    const float edge = static_cast<float>(options_.clearance) + 1.0f - kInset;
    for (int i = 0; i < trackCount_ && rowCount + 2 <= maxRows - 1; ++i) {
        const Box& b = tracks_[i].box;
        const float above = static_cast<float>(b.y) - kCraftHeight - edge;
        const float below = static_cast<float>(b.y + b.height) + edge - kCraftTop;
        rows[rowCount++] = clamp(above, 0.0f, kMaxY);
        rows[rowCount++] = clamp(below, 0.0f, kMaxY);
    }
    rows[rowCount++] = clamp(options_.homeY, 0.0f, kMaxY);
    const float columns[4] = {options_.homeX, craft.x, options_.homeX - kSideStep,
                              options_.homeX + kSideStep};
    int count = 0;
    for (const float x : columns) {
        for (int r = 0; r < rowCount; ++r) {
            out[count++] = Target{clamp(x, 0.0f, kMaxX), rows[r]};
        }
    }
    return count;
}

// Where the hazard may be after frame more frames, for any drift in its
// range, grown by the clearance; the craft's whole box must stay out of it.
bool Autopilot::collides(const CraftMotion& c, const Track& h, int frame) const {
    const float grow = static_cast<float>(options_.clearance) - kInset;
    const Box& b = h.box;
    const float left = static_cast<float>(b.x - h.maxDrift * frame) - grow;
    const float right = static_cast<float>(b.x + b.width - h.minDrift * frame) + grow;
    const float top = static_cast<float>(b.y) - grow;
    const float bottom = static_cast<float>(b.y + b.height) + grow;
    return gap(c.x, c.x + kCraftWidth, left, right) < 0.0f &&
           gap(c.y + kCraftTop, c.y + kCraftHeight, top, bottom) < 0.0f;
}

// When seeking near passes, a reward for the craft's top or bottom middle in
// the hazard's inner ring at its likely place; otherwise a cost for crowding
// it.
double Autopilot::closeness(const CraftMotion& c, const Track& h, int frame) const {
    const float drift = 0.5f * static_cast<float>(h.minDrift + h.maxDrift);
    const float left = static_cast<float>(h.box.x) - drift * static_cast<float>(frame);
    const float right = left + static_cast<float>(h.box.width);
    const float top = static_cast<float>(h.box.y);
    const float bottom = top + static_cast<float>(h.box.height);
    const float dy = gap(c.y, c.y + kCraftHeight, top, bottom);
    if (options_.seekNearPasses) {
        const float middle = c.x + kCraftWidth / 2.0f;
        const bool over = left - kInnerRing < middle && middle < right + kInnerRing;
        return over && dy < kInnerRing ? kNearPassReward : 0.0;
    }
    const float dx = gap(c.x, c.x + kCraftWidth, left, right);
    const float room = static_cast<float>(options_.clearance) + kComfort;
    if (dx < room && dy < room) {
        return -kCrowdingCost * (room - (dx > dy ? dx : dy));
    }
    return 0.0;
}

double Autopilot::homeCost(const CraftMotion& c) const {
    double cost = kStrayCostX * std::fabs(c.x - options_.homeX) +
                  kStrayCostY * std::fabs(c.y - options_.homeY);
    if (c.x < kWallRoom) {
        cost += kWallCost * (kWallRoom - c.x);
    }
    if (c.y < kEdgeRoom) {
        cost += kEdgeCost * (kEdgeRoom - c.y);
    } else if (c.y > kMaxY - kEdgeRoom) {
        cost += kEdgeCost * (c.y - (kMaxY - kEdgeRoom));
    }
    if (c.y < options_.minY) {
        cost += kBandCost * (options_.minY - c.y);
    } else if (c.y > options_.maxY) {
        cost += kBandCost * (c.y - options_.maxY);
    }
    return cost;
}

// The free height of the lane the craft flies in, between the hazards over
// its column above and below it (or the screen's edges).
float Autopilot::laneRoom(const CraftMotion& c, int frame) const {
    float above = 0.0f;
    float below = 600.0f;
    for (int i = 0; i < trackCount_; ++i) {
        const Track& h = tracks_[i];
        const float left = static_cast<float>(h.box.x - h.maxDrift * frame);
        const float right = static_cast<float>(h.box.x + h.box.width - h.minDrift * frame);
        if (gap(c.x, c.x + kCraftWidth, left, right) >= 0.0f) {
            continue;
        }
        const float top = static_cast<float>(h.box.y);
        const float bottom = top + static_cast<float>(h.box.height);
        if (bottom <= c.y && bottom > above) {
            above = bottom;
        } else if (top >= c.y + kCraftHeight && top < below) {
            below = top;
        }
    }
    return below - above - kCraftHeight;
}

double Autopilot::rate(const CraftMotion& craft, const Target& target) const {
    CraftMotion c = craft;
    double score = 0.0;
    for (int t = 1; t <= kLookAhead; ++t) {
        step(c, approach(c.x, c.vx, target.x), approach(c.y, c.vy, target.y));
        for (int i = 0; i < trackCount_; ++i) {
            if (collides(c, tracks_[i], t)) {
                return -kHitCost * (kLookAhead + 1 - t);
            }
            score += closeness(c, tracks_[i], t);
        }
        const float room = laneRoom(c, t);
        if (room < kWantedRoom) {
            score -= kPocketCost * (kWantedRoom - room);
        }
        score -= homeCost(c);
    }
    return score;
}

void Autopilot::choose(const CraftMotion& craft, const Box* hazards, int hazardCount, int& dx,
                       int& dy) {
    follow(hazards, hazardCount);
    Target targets[kMaxTargets];
    const int count = makeTargets(craft, targets);
    double best = 0.0;
    dx = dy = 0;
    for (int i = 0; i < count; ++i) {
        const double score = rate(craft, targets[i]);
        if (i == 0 || score > best) {
            best = score;
            dx = approach(craft.x, craft.vx, targets[i].x);
            dy = approach(craft.y, craft.vy, targets[i].y);
        }
    }
}

void Autopilot::steer(const CraftMotion& craft, const Box* hazards, int hazardCount, Uint8* keys) {
    std::memset(keys, 0, SDLK_LAST);
    int dx = 0;
    int dy = 0;
    choose(craft, hazards, hazardCount, dx, dy);
    HeldKeys::holdDirection(keys, options_.keys == AutopilotKeys::Arrows, dx, dy);
}
