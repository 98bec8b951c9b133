#include "courses/course4/Level4Fixture.h"

#include <cstdio>
#include <cstdlib>

#include "support/WorkingDirectory.h"

void Level4Fixture::SetUp() {
    writePictures();
    {
        WorkingDirectory inFolder(folder_.path());
        ASSERT_TRUE(inFolder.entered());
        level_.loadImages(screen_.surface());
    }
    srand(1);
    level_.reset();
}

void Level4Fixture::write(const char* relative, int width, int height, TestRgb c) const {
    ASSERT_TRUE(writeSolidPicture(folder_.file(relative), width, height, c));
}

void Level4Fixture::writePictures() const {
    write("data/M/m001.obx", 84, 40, kCraft);
    write("data/L4/4038.obx", 800, 10, kBackground);
    write("data/L4/4039.obx", 800, 50, kTopBand);
    write("data/L4/4040.obx", 800, 50, kBottomBand);
    write("data/L4/bt.obx", 20, 10, kCue);
    write("data/L4/arrow.obx", 20, 10, kArrow);
    write("data/L4/4041.obx", 60, 60, kObstacle);
    for (int n = 4005; n <= 4010; ++n) {
        write(("data/L4/" + std::to_string(n) + ".obx").c_str(), 60, 60, kObstacle);
    }
    for (int n = 4012; n <= 4017; ++n) {
        write(("data/L4/" + std::to_string(n) + ".obx").c_str(), 30, 30, kScenery);
    }
    write("data/M/m039.obx", 10, 10, kDigit);
    write("data/M/m040.obx", 10, 10, kDigit);
    write("data/M/m044.obx", 10, 10, kDigit);
    write("data/M/m054.obx", 40, 40, kBonus);
    write("data/M/m055.obx", 40, 40, kBonus);
    writeChamberPictures();
    writeBossPictures();
}

void Level4Fixture::writeChamberPictures() const {
    write("data/L4/4018.obx", 1000, 60, kChamber);
    TestPicture rightSide(74, 366, kTransparent);
    rightSide.fillRect(0, 300, 74, 66, kChamber);
    ASSERT_TRUE(rightSide.write(folder_.file("data/L4/4019.obx")));
    TestPicture floor(1000, 135, kTransparent);
    floor.fillRect(0, 95, 1000, 40, kChamber);
    ASSERT_TRUE(floor.write(folder_.file("data/L4/4020.obx")));
    TestPicture frontWall(160, 600, kTransparent);
    frontWall.fillRect(100, 0, 60, 600, kWall);
    ASSERT_TRUE(frontWall.write(folder_.file("data/L4/4021.obx")));
    write("data/L4/4022.obx", 10, 10, kBackWall);
}

void Level4Fixture::writeBossPictures() const {
    write("data/L4/4023.obx", 40, 40, kBrain);
    write("data/L4/4024.obx", 40, 40, kSegment);
    write("data/L4/4036.obx", 40, 40, kBrainFlash);
    write("data/L4/4037.obx", 40, 40, kSegmentFlash);
    for (int n = 4025; n <= 4027; ++n) {
        write(("data/L4/" + std::to_string(n) + ".obx").c_str(), 10, 10, kShot);
    }
    write("data/L4/4028.obx", 40, 30, kFade);
    for (int i = 0; i < 5; ++i) {
        write(("data/L4/" + std::to_string(4029 + i) + ".obx").c_str(), 10, 10, openingColour(i));
    }
    write("data/L4/4034.obx", 513, 24, kBeam0);
    write("data/L4/4035.obx", 513, 24, kBeam1);
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
