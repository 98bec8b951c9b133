#include "record/BossPilot.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kAccel = Autopilot::kAccel;
constexpr float kWidth = Autopilot::kCraftWidth;
constexpr float kHeight = Autopilot::kCraftHeight;
constexpr int kHorizon = 22;
constexpr float kMargin = 4.0f;
// The beam is dodged from a little before it starts to hurt.
constexpr int kBeamFeared = BrainBoss::kBeamHarmful - 2;

bool craftOverlaps(const BossPilot::Craft& c, float x, float y, float w, float h) {
    return c.x < x + w + kMargin && c.x + kWidth > x - kMargin && c.y < y + h + kMargin &&
           c.y + kHeight > y - kMargin;
}

int brakeFor(float v) {
    if (v > kAccel / 2) {
        return -1;
    }
    return v < -kAccel / 2 ? 1 : 0;
}

}  // namespace

bool BossPilot::mayRam(const Level4& level) {
    return level.state() == BossFight && level.boss().retreating() == 0;
}

void BossPilot::choose(const Level4& level, const Craft& craft, int& dx, int& dy) const {
    const int holds[4] = {1, 3, 6, 10};
    double best = -1e18;
    dx = dy = 0;
    for (int hold : holds) {
        for (int px = -1; px <= 1; ++px) {
            for (int py = -1; py <= 1; ++py) {
                const double score = rate(level, craft, Plan{px, py, hold});
                if (score > best) {
                    best = score;
                    dx = px;
                    dy = py;
                }
            }
        }
    }
}

double BossPilot::rate(const Level4& level, const Craft& start, const Plan& plan) const {
    float goalX = 0.0f, goalY = 0.0f;
    waitingPoint(level, goalX, goalY);
    Craft c = start;
    for (int frame = 1; frame <= kHorizon; ++frame) {
        if (frame <= plan.holdFrames) {
            Autopilot::step(c, plan.dx, plan.dy);
        } else {
            Autopilot::step(c, brakeFor(c.vx), brakeFor(c.vy));
        }
        if (hitAt(level, c, frame)) {
            return -1e6 + frame * 1e4 - std::hypot(c.x - goalX, c.y - goalY);
        }
        if (ramsAt(level, c)) {
            return 1e6 - frame * 10 - 20.0 * (std::fabs(c.vx) + std::fabs(c.vy));
        }
    }
    return -std::hypot(c.x - goalX, c.y - goalY) - 3.0 * (std::fabs(c.vx) + std::fabs(c.vy));
}

// The ram point puts the nose into the brain's middle; otherwise the pilot
// waits at the left, out of the brain's row.
void BossPilot::waitingPoint(const Level4& level, float& x, float& y) const {
    const FieldPiece& brain = level.boss().brain();
    if (mayRam(level)) {
        x = static_cast<float>(brain.x + 14) - kWidth;
        y = static_cast<float>(brain.y + 20 - 28);
        return;
    }
    // Off the left wall, so that there is room to dodge either way.
    x = 120.0f;
    y = level.state() == BossFight && brain.y + 20 < 300 ? 460.0f : 200.0f;
    if (level.state() == Playing) {
        y = 290.0f;
    }
}

bool BossPilot::hitAt(const Level4& level, const Craft& c, int frame) const {
    const CourseState state = level.state();
    if (state == BossDeath) {
        return false;
    }
    if (state != BossFight && (c.y < 54.0f || c.y + kHeight > 546.0f)) {
        return true;  // the bands
    }
    return hitsObstacleOrShot(level, c, frame) || hitsChamber(level, c, frame);
}

bool BossPilot::hitsObstacleOrShot(const Level4& level, const Craft& c, int frame) const {
    for (int i = 0; i < Level4::kObstacleSlots; ++i) {
        const Obstacle& o = level.obstacle(i);
        if (o.active && craftOverlaps(c, static_cast<float>(o.x - o.speed * frame),
                                      static_cast<float>(o.y), o.width, o.height)) {
            return true;
        }
    }
    const bool arriving = level.state() == ChamberArrival;
    if (arriving && level.chamberX() - 5 * frame >= Level4::kChamberStop) {
        return false;  // shots do not hurt yet
    }
    const int drift = arriving ? 2 : 0;
    for (int i = 0; i < Level4::kProjectileSlots; ++i) {
        const Projectile& p = level.projectile(i);
        if (!p.active) {
            continue;
        }
        const float px = static_cast<float>(p.centreX() - (p.speedX + drift) * frame);
        const float py = static_cast<float>(p.centreY() - p.speedY * frame);
        if (craftOverlaps(c, px - 2, py - 2, 4.0f, 4.0f)) {
            return true;
        }
    }
    return false;
}

bool BossPilot::hitsChamber(const Level4& level, const Craft& c, int frame) const {
    if (level.state() == Playing) {
        return false;
    }
    const int shift = level.state() == ChamberArrival ? 5 * frame : 0;
    const Level4Pictures& pictures = level.pictures();
    const Box& ceiling = pictures.chamberSolid[0];
    const Box& floor = pictures.chamberSolid[2];
    const float left = static_cast<float>(level.chamberX() - shift);
    if (c.x + kWidth > left &&
        (c.y < ceiling.y + ceiling.height + kMargin || c.y + kHeight > 465 + floor.y - kMargin)) {
        return true;
    }
    const float wall = static_cast<float>(level.frontWall().x + pictures.frontWallSolid.x - shift);
    if (c.x + kWidth + kMargin > wall) {
        return true;
    }
    const BrainBoss& boss = level.boss();
    if ((level.state() == ChamberArrival || boss.retreating() == 0) &&
        hitsStalk(boss, c, static_cast<float>(shift))) {
        return true;
    }
    const int timer = boss.attackTimer() + frame;
    if (boss.attackPhase() != BrainBoss::Drifting && timer >= kBeamFeared &&
        timer < BrainBoss::kAttackCycle) {
        const FieldPiece& b = boss.brain();
        return craftOverlaps(c, static_cast<float>(b.x - 491), static_cast<float>(b.y + 10), 513.0f,
                             26.0f);
    }
    return false;
}

// A segment's next height jumps between the brain's old height and that
// height pulled towards the anchor, so the whole span between them is feared.
bool BossPilot::hitsStalk(const BrainBoss& boss, const Craft& c, float shift) const {
    for (int k = 1; k <= BrainBoss::kSegments; ++k) {
        const FieldPiece& s = boss.segment(k);
        const int h = boss.yHistory(4 * k - 1);
        const double t = (280 - h) * 0.1 * k + h;
        const float top = static_cast<float>(std::min<double>(std::min(s.y, h), t));
        const float bottom = static_cast<float>(std::max<double>(std::max(s.y, h), t));
        if (craftOverlaps(c, s.x - shift - 2, top, s.width + 4, bottom - top + s.height)) {
            return true;
        }
    }
    return false;
}

bool BossPilot::ramsAt(const Level4& level, const Craft& c) const {
    if (!mayRam(level)) {
        return false;
    }
    // The nose into the brain's left half, short of the stalk.
    const FieldPiece& b = level.boss().brain();
    const float noseX = c.x + kWidth, noseY = c.y + 28.0f;
    return noseX > b.x + 8 && noseX < b.x + 20 && noseY > b.y + 8 && noseY < b.y + 32;
}
