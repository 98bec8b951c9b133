#pragma once

#include <gtest/gtest.h>

#include "courses/course4/Level4.h"
#include "support/CourseTestPictures.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

// Course 4 loaded with the tests' own pictures and reset with the rand
// sequence at srand(1).
class Level4Fixture : public ::testing::Test, protected Course4Pictures {
  protected:
    void SetUp() override {
        ASSERT_TRUE(CourseTestPictures::write(folder_.path(), 4));
        CourseTestPictures::loadAndReset(level_, folder_.path(), screen_.surface());
    }

    // Logic frames with no craft in the way.
    void runFrames(int frames) {
        for (int i = 0; i < frames; ++i) {
            level_.updatePlayer1(0.0f, 280.0f, false);
        }
    }
    void enterChamberArrival() {
        while (level_.state() == Playing) {
            runFrames(1);
        }
    }
    void enterBossFight() {
        while (level_.state() != BossFight) {
            runFrames(1);
        }
    }
    // No shots in the air and no attack under way.
    void calmBoss() {
        for (int i = 0; i < Level4::kProjectileSlots; ++i) {
            level_.setProjectile(i, Projectile{});
        }
        level_.boss().setAttack(0, BrainBoss::Drifting);
    }
    // Settles the brain at (x, y) with its stalk laid out behind it, then
    // freezes it: the beam is opening, so the steps of the next few frames
    // leave it where it is and the beam does not hurt yet. At clock 0 the
    // wobble is nil, so a held drift point puts the brain exactly there;
    // enough such steps fill the stalk's memory with that height.
    void freezeBrainAt(int x, int y) {
        calmBoss();
        BrainBoss& boss = level_.boss();
        boss.setDriftPoint(x, y, x, y);
        for (int step = 0; step < 40; ++step) {
            boss.setBossClock(-1);
            boss.setAttack(0, BrainBoss::Drifting);
            level_.bossStep();
        }
        boss.setAttack(BrainBoss::kFireStart + 1, BrainBoss::Firing);
    }
    // The craft position whose nose pokes 20 pixels into the brain.
    float ramX() const { return static_cast<float>(level_.boss().brain().x + 20 - 83); }
    float ramY() const { return static_cast<float>(level_.boss().brain().y + 20 - 28); }
    // A 10 by 10 shot flying left.
    static Projectile shotAt(int x, int y, int speedX = 2, int speedY = 0) {
        return Projectile{true, 10, 10, x, y, speedX, speedY, 0};
    }
    int activeShots() const {
        int count = 0;
        for (int i = 0; i < Level4::kProjectileSlots; ++i) {
            count += level_.projectile(i).active ? 1 : 0;
        }
        return count;
    }

    bool pixelIs(int x, int y, TestRgb c) const {
        Uint8 r = 0, g = 0, b = 0;
        screen_.rgbAt(x, y, r, g, b);
        return r == c.r && g == c.g && b == c.b;
    }

    HeadlessScreen screen_;
    TempFolder folder_;
    Level4 level_;
};
