#include "courses/course4/Level4Fixture.h"

#include "support/CourseTestPictures.h"

void Level4Fixture::SetUp() {
    ASSERT_TRUE(Course4Pictures::write(folder_.path()));
    CourseTestPictures::loadAndReset(level_, folder_.path(), screen_.surface());
}

void Level4Fixture::runFrames(int frames) {
    for (int i = 0; i < frames; ++i) {
        level_.updatePlayer1(0.0f, 280.0f, false);
    }
}

void Level4Fixture::enterChamberArrival() {
    while (level_.state() == Playing) {
        runFrames(1);
    }
}

void Level4Fixture::enterBossFight() {
    while (level_.state() != BossFight) {
        runFrames(1);
    }
}

void Level4Fixture::calmBoss() {
    for (int i = 0; i < Level4::kProjectileSlots; ++i) {
        level_.setProjectile(i, Projectile{});
    }
    level_.boss().setAttack(0, BrainBoss::Drifting);
}

// At clock 0 the wobble is nil, so a held drift point puts the brain
// exactly there; enough such steps fill the stalk's memory with that height.
void Level4Fixture::freezeBrainAt(int x, int y) {
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

bool Level4Fixture::pixelIs(int x, int y, TestRgb c) const {
    Uint8 r = 0, g = 0, b = 0;
    screen_.rgbAt(x, y, r, g, b);
    return r == c.r && g == c.g && b == c.b;
}
