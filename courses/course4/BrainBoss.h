#pragma once

#include "assets/ObxImage.h"
#include "courses/FieldPiece.h"

// The brain on its stalk of nine segments: where it drifts, how it wobbles,
// the clock of its beam attack and its hit points. The chamber around it
// (walls, mouths and volleys) belongs to the course.
//
// The brain and the segments form one chain of ten pieces, brain first, all
// with the size of the segment picture: the brain is hit-tested with that
// picture, whatever its own picture looks like.
class BrainBoss {
  public:
    static constexpr int kSegments = 9;
    static constexpr int kHistory = 150;
    static constexpr int kHitPoints = 3;
    static constexpr int kAttackCycle = 220;
    static constexpr int kChargeStart = 161;
    static constexpr int kFireStart = 175;
    static constexpr int kBeamHarmful = 185;
    static constexpr int kAttackReach = 520;  // the beam starts only left of this
    static constexpr int kRetreatX = 620;
    static constexpr int kRetreatY = 300;

    enum Phase : int { Drifting = 0, Charging = 1, Firing = 2 };

    // Back to the middle of the chamber with full hit points. The clock, the
    // y history and the segments' y carry over, as the stalk only settles
    // once it is on screen.
    void reset(const ObxImage& segment);

    // Counts one boss step of the attack cycle and sets the phase. dying
    // cancels a cycle the way a retreat does.
    void countAttack(bool dying);
    // The charge's shake: up at even steps, down at odd ones.
    void shakeWhileCharging();
    // The drift point creeps one pixel per axis towards its target.
    void drift();
    // A new target every 90 drift steps; a retreat instead hurries the drift
    // point towards the right and ends once the brain has got there.
    void retargetOrRetreat();
    // The end of a drift step: count it, wobble the brain about its drift
    // point and let the stalk follow.
    void settle(int chamberX);
    // A ram: the brain flees to the right and any attack stops. Returns the
    // hit points left.
    int hurt();
    void startClock() { bossClock_ = 0; }

    const FieldPiece& brain() const { return chain_[0]; }
    // Segment k, 1 (next to the brain) to 9 (next to the chamber).
    const FieldPiece& segment(int k) const { return chain_[k]; }
    int bossClock() const { return bossClock_; }
    int attackTimer() const { return attackTimer_; }
    int attackPhase() const { return attackPhase_; }
    int retreating() const { return retreating_; }
    int hitPoints() const { return hitPoints_; }
    int targetX() const { return targetX_; }
    int targetY() const { return targetY_; }
    int yHistory(int i) const { return yHistory_[i]; }
    bool beamHarmful() const { return attackTimer_ >= kBeamHarmful; }

    // Direct placement, for tests and the snapshot tool.
    void setAttack(int timer, int phase);
    void setRetreating(int retreating) { retreating_ = retreating; }
    void setBrainPosition(int x, int y);
    void setDriftPoint(int baseX, int baseY, int targetX, int targetY);
    void setBossClock(int clock) { bossClock_ = clock; }
    void setHitPoints(int hitPoints) { hitPoints_ = hitPoints; }

  private:
    void newTarget();
    void wobble(int chamberX);
    void layStalkX(int chamberX);
    void rememberY();
    void layStalkY();

    FieldPiece chain_[kSegments + 1];
    int yHistory_[kHistory] = {};
    int bossClock_ = 0;
    int baseX_ = 400;
    int baseY_ = 250;
    int targetX_ = 400;
    int targetY_ = 250;
    int retreating_ = 0;
    int hitPoints_ = kHitPoints;
    int attackTimer_ = 0;
    int attackPhase_ = Drifting;
};
