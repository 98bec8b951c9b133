#include "courses/course4/BrainBoss.h"

#include <cmath>
#include <cstdlib>

namespace {

// One step of at most `step` pixels from value towards goal, never past it
// unless the step is larger than what is left (the retreat's 4 pixels may
// overshoot, and the next step comes back).
int towards(int value, int goal, int step) {
    if (value > goal) {
        return value - step;
    }
    if (value < goal) {
        return value + step;
    }
    return value;
}

// One degree in radians, to the precision the wobble has always used.
constexpr double kDegree = 0.0174532925;

}  // namespace

void BrainBoss::reset(const ObxImage& segment) {
    baseX_ = targetX_ = 400;
    baseY_ = targetY_ = 250;
    hitPoints_ = kHitPoints;
    retreating_ = 0;
    attackTimer_ = 0;
    attackPhase_ = Drifting;
    for (FieldPiece& piece : chain_) {
        piece.width = segment.width();
        piece.height = segment.height();
        piece.x = 800;
    }
}

void BrainBoss::countAttack(bool dying) {
    ++attackTimer_;
    if (attackTimer_ == kChargeStart - 1) {
        if (retreating_ == 1 || dying || brain().x > kAttackReach) {
            attackTimer_ = 0;
        }
    } else if (attackTimer_ >= kChargeStart && attackTimer_ < kFireStart) {
        attackPhase_ = Charging;
    } else if (attackTimer_ >= kFireStart && attackTimer_ < kAttackCycle) {
        attackPhase_ = Firing;
    } else if (attackTimer_ >= kAttackCycle) {
        attackPhase_ = Drifting;
        attackTimer_ = 0;
    }
}

void BrainBoss::shakeWhileCharging() {
    chain_[0].y += attackTimer_ % 2 == 0 ? -3 : 3;
}

void BrainBoss::drift() {
    baseX_ = towards(baseX_, targetX_, 1);
    baseY_ = towards(baseY_, targetY_, 1);
}

void BrainBoss::newTarget() {
    targetX_ = rand() % 150 + 350;
    targetY_ = rand() % 400 + 100;
}

void BrainBoss::retargetOrRetreat() {
    if (bossClock_ % 90 == 0 && retreating_ == 0) {
        newTarget();
        return;
    }
    if (retreating_ != 1) {
        return;
    }
    baseX_ = towards(baseX_, targetX_, 4);
    baseY_ = towards(baseY_, targetY_, 4);
    if (brain().x >= kRetreatX) {
        retreating_ = 0;
        newTarget();
    }
}

void BrainBoss::settle(int chamberX) {
    ++bossClock_;
    wobble(chamberX);
    layStalkX(chamberX);
    rememberY();
    layStalkY();
}

void BrainBoss::wobble(int chamberX) {
    const double s = std::sin(bossClock_ * 10 * kDegree);
    chain_[0].x = static_cast<int>(10 * s + chamberX + baseX_ + 200);
    chain_[0].y = static_cast<int>(20 * s + baseY_);
}

void BrainBoss::layStalkX(int chamberX) {
    const int brainX = chain_[0].x;
    for (int k = 1; k <= kSegments; ++k) {
        chain_[k].x = static_cast<int>((chamberX + 820 - brainX) * 0.1 * k + 1 + brainX);
    }
}

void BrainBoss::rememberY() {
    for (int i = kHistory - 1; i > 0; --i) {
        yHistory_[i] = yHistory_[i - 1];
    }
    yHistory_[0] = chain_[0].y;
}

// Each segment follows the brain's height of 4k steps ago, pulled k tenths
// of the way towards the anchor's height; it takes the pulled value only
// when that lies on the side of the old height it is already on.
void BrainBoss::layStalkY() {
    for (int k = 1; k <= kSegments; ++k) {
        const int h = yHistory_[4 * k];
        const double t = (280 - h) * 0.1 * k + h;
        FieldPiece& piece = chain_[k];
        if (piece.y > h) {
            piece.y = h < t ? static_cast<int>(t) : h;
        } else {
            piece.y = h > t ? static_cast<int>(t) : h;
        }
    }
}

int BrainBoss::hurt() {
    retreating_ = 1;
    targetX_ = kRetreatX;
    targetY_ = kRetreatY;
    hitPoints_ -= 1;
    attackTimer_ = 0;
    attackPhase_ = Drifting;
    return hitPoints_;
}

void BrainBoss::setAttack(int timer, int phase) {
    attackTimer_ = timer;
    attackPhase_ = phase;
}

void BrainBoss::setBrainPosition(int x, int y) {
    chain_[0].x = x;
    chain_[0].y = y;
}

void BrainBoss::setDriftPoint(int baseX, int baseY, int targetX, int targetY) {
    baseX_ = baseX;
    baseY_ = baseY;
    targetX_ = targetX;
    targetY_ = targetY;
}
