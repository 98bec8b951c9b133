#include "courses/course4/Level4Fixture.h"

class Level4DrawTest : public Level4Fixture {
  protected:
    void drawOnBlank() {
        screen.fill(kBlank.r, kBlank.g, kBlank.b);
        level.draw();
    }
    static constexpr TestRgb kBlank{77, 77, 77};
};

TEST_F(Level4DrawTest, TheApproachShowsNothingOfTheChamber) {
    runFrames(10);
    level.setProjectile(0, shotAt(100, 200));
    level.boss().setBrainPosition(300, 200);
    level.setChamberX(-200);
    drawOnBlank();
    EXPECT_TRUE(pixelIs(105, 205, kBlank));
    EXPECT_TRUE(pixelIs(320, 220, kBlank));
    EXPECT_TRUE(pixelIs(780, 300, kBlank));  // the front wall's solid part
    EXPECT_TRUE(pixelIs(400, 20, kTopBand));
    EXPECT_TRUE(pixelIs(400, 580, kBottomBand));
    EXPECT_TRUE(pixelIs(400, 5, kTopBand));  // bands over the background
}

TEST_F(Level4DrawTest, TheFightDrawsShotsUnderTheChamberAndTheBrainOverItsStalk) {
    enterBossFight();
    freezeBrainAt(430, 250);
    level.setProjectile(0, shotAt(100, 200));
    level.setProjectile(1, shotAt(760, 200));  // behind the front wall
    drawOnBlank();
    EXPECT_TRUE(pixelIs(105, 205, kShot));
    EXPECT_TRUE(pixelIs(765, 205, kWall));
    EXPECT_TRUE(pixelIs(100, 30, kChamber));
    EXPECT_TRUE(pixelIs(445, 265, kBrain));  // where segment 1 lies under it
    EXPECT_TRUE(pixelIs(485, 265, kSegment));
    // In the fight the bands are not drawn at all; only the floor's solid
    // part shows at the bottom.
    EXPECT_TRUE(pixelIs(400, 555, kBlank));
}

TEST_F(Level4DrawTest, TheBeamOpensInFivePicturesAndThenAlternates) {
    enterBossFight();
    freezeBrainAt(430, 250);
    BrainBoss& boss = level.boss();
    for (int timer = 161; timer <= 219; ++timer) {
        const int phase = timer < 175 ? BrainBoss::Charging : BrainBoss::Firing;
        boss.setAttack(timer, phase);
        drawOnBlank();
        const bool opening = timer >= 175 && timer <= 184;
        const bool beam = timer >= 185;
        if (opening) {
            EXPECT_TRUE(pixelIs(430 - 47 + 5, 250 - 37 + 5, openingColour((timer - 175) / 2)))
                << timer;
        } else {
            EXPECT_TRUE(pixelIs(430 - 47 + 5, 250 - 37 + 5, kBlank)) << timer;
        }
        const TestRgb beamColour = timer % 2 == 0 ? kBeam0 : kBeam1;
        EXPECT_EQ(pixelIs(100, 250 + 12 + 5, beamColour), beam) << timer;
        if (!beam) {
            EXPECT_TRUE(pixelIs(100, 250 + 12 + 5, kBlank)) << timer;
        }
    }
}

TEST_F(Level4DrawTest, AHurtBrainFlashesOnEvenSteps) {
    enterBossFight();
    freezeBrainAt(430, 250);
    level.boss().setRetreating(1);
    level.boss().setAttack(10, BrainBoss::Drifting);
    drawOnBlank();
    EXPECT_TRUE(pixelIs(435, 255, kBrainFlash));
    EXPECT_TRUE(
        pixelIs(level.boss().segment(9).x + 20, level.boss().segment(9).y + 20, kSegmentFlash));
    level.boss().setAttack(11, BrainBoss::Drifting);
    drawOnBlank();
    EXPECT_TRUE(pixelIs(435, 255, kBrain));
    level.boss().setRetreating(0);
    level.boss().setAttack(10, BrainBoss::Drifting);
    drawOnBlank();
    EXPECT_TRUE(pixelIs(435, 255, kBrain));
}

TEST_F(Level4DrawTest, TheCuesComeByCourseFrame) {
    enterBossFight();
    freezeBrainAt(430, 250);
    level.takeSoundEvent();
    struct Case {
        int frame;
        bool warning;
        bool arrow;
    };
    const Case cases[] = {{580, false, false}, {581, true, false}, {679, true, false},
                          {680, false, false}, {681, false, true}, {729, false, true},
                          {730, false, false}};
    for (const Case& c : cases) {
        level.setCourseFrames(c.frame);
        drawOnBlank();
        EXPECT_EQ(pixelIs(305, 105, kCue), c.warning) << c.frame;
        // With the brain at (430, 250) the arrow stands at (190, 230).
        EXPECT_EQ(pixelIs(190, 230, kArrow), c.arrow) << c.frame;
        EXPECT_FALSE(pixelIs(189, 229, kArrow)) << c.frame;
    }
    EXPECT_EQ(level.takeSoundEvent(), -1);
}

TEST_F(Level4DrawTest, TheBossMusicCueIsOneSlotThatAnUpdateCanReplace) {
    level.takeSoundEvent();
    level.setCourseFrames(519);
    drawOnBlank();
    EXPECT_EQ(level.peekSound(), -1);
    level.setCourseFrames(520);
    drawOnBlank();
    EXPECT_EQ(level.takeSoundEvent(), 8);
    drawOnBlank();
    // A crash in the next update replaces the cue.
    EXPECT_EQ(level.updatePlayer1(100.0f, 10.0f, true), 5);
    EXPECT_EQ(level.takeSoundEvent(), 10);
}

TEST_F(Level4DrawTest, TheFadeDarkensTheWholeScreenWithTheDeathClock) {
    enterBossFight();
    screen.fill(200, 200, 200);
    level.drawFade();
    EXPECT_TRUE(pixelIs(10, 10, TestRgb{200, 200, 200}));
    level.boss().setHitPoints(1);
    level.hurtBrain();
    level.boss().setBossClock(32);  // alpha 128
    for (const int corner : {0, 1}) {
        screen.fill(200, 200, 200);
        level.drawFade();
        Uint8 r = 0, g = 0, b = 0;
        screen.rgbAt(corner * 799, corner * 599, r, g, b);
        EXPECT_NEAR(r, 100, 2);
    }
    level.boss().setBossClock(64);  // 256 wraps to transparent
    screen.fill(200, 200, 200);
    level.drawFade();
    EXPECT_TRUE(pixelIs(400, 300, TestRgb{200, 200, 200}));
}
