#pragma once

#include "courses/CourseFixture.h"
#include "courses/course4/Level4.h"

class Level4Fixture : public CourseFixture<Level4, 4, Course4Pictures> {
  protected:
    // Logic frames with no craft in the way.
    void runFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            level.updatePlayer1(0.0f, 280.0f, false);
        }
    }
    void enterChamberArrival() {
        while (level.state() == Playing) {
            runFrames(1);
        }
    }
    void enterBossFight() {
        while (level.state() != BossFight) {
            runFrames(1);
        }
    }
    // No shots in the air and no attack under way.
    void calmBoss() {
        for (int i = 0; i < Level4::kProjectileSlots; ++i) {
            level.setProjectile(i, Projectile{});
        }
        level.boss().setAttack(0, BrainBoss::Drifting);
    }
    // Settles the brain at (x, y) with its stalk laid out behind it, then
    // freezes it: the beam is opening, so the steps of the next few frames
    // leave it where it is and the beam does not hurt yet. At clock 0 the
    // wobble is nil, so a held drift point puts the brain exactly there;
    // enough such steps fill the stalk's memory with that height.
    void freezeBrainAt(int x, int y) {
        calmBoss();
        BrainBoss& boss = level.boss();
        boss.setDriftPoint(x, y, x, y);
        for (int step = 0; step < 40; ++step) {
            boss.setBossClock(-1);
            boss.setAttack(0, BrainBoss::Drifting);
            level.bossStep();
        }
        boss.setAttack(BrainBoss::kFireStart + 1, BrainBoss::Firing);
    }
    // The craft position whose nose pokes 20 pixels into the brain.
    float ramX() const { return static_cast<float>(level.boss().brain().x + 20 - 83); }
    float ramY() const { return static_cast<float>(level.boss().brain().y + 20 - 28); }
    // A 10 by 10 shot flying left.
    static Projectile shotAt(int x, int y, int speedX = 2, int speedY = 0) {
        return Projectile{true, 10, 10, x, y, speedX, speedY, 0};
    }
    int activeShots() const {
        int count = 0;
        for (int i = 0; i < Level4::kProjectileSlots; ++i) {
            count += level.projectile(i).active ? 1 : 0;
        }
        return count;
    }
};
