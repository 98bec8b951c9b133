#include <gtest/gtest.h>

#include "player/Player.h"
#include "support/HeldKeys.h"
#include "support/SeededRand.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

TEST(PlayerTrail, ExhaustOfCourses2To4TakesTheValuesInOrder) {
    for (int course : {2, 3, 4}) {
        SCOPED_TRACE(course);
        Player p;
        p.start(course, 1);
        const SeededRand seq;
        p.steerTo(100.25f, 300.5f);

        // The new particle: x first, then y, then every slot drifts, slot 0 first.
        EXPECT_FLOAT_EQ(100.25f + 5 + seq[0] % 25 - (seq[2] % 5 + 5), p.trailParticle(0).x);
        EXPECT_FLOAT_EQ(300.5f + 15 + seq[1] % 10 - 3, p.trailParticle(0).y);
        for (int k = 1; k < Player::kTrailLength; ++k) {
            ASSERT_FLOAT_EQ(-100.0f - (seq[2 + k] % 5 + 5), p.trailParticle(k).x) << k;
        }
        EXPECT_EQ(1, p.trailIndex());
        EXPECT_EQ(62, seq.taken());
    }
}

TEST(PlayerTrail, BubblesWobbleAndRise) {
    Player p;
    p.start(4, 1);
    p.setCourse(5);
    const SeededRand seq;
    p.steerTo(200.0f, 100.0f);
    EXPECT_FLOAT_EQ(200.0f + 5 + seq[0] % 40 - 3 + seq[2] % 6, p.trailParticle(0).x);
    EXPECT_FLOAT_EQ(100.0f + 15 + seq[1] % 10 - 3, p.trailParticle(0).y);
    for (int k = 1; k < Player::kTrailLength; ++k) {
        ASSERT_FLOAT_EQ(-100.0f - 3 + seq[2 + k] % 6, p.trailParticle(k).x) << k;
    }
    EXPECT_EQ(62, seq.taken());
}

TEST(PlayerTrail, RingWrapsAfterSixtyParticles) {
    Player p;
    p.start(2, 1);
    for (int i = 0; i < 59; ++i) {
        p.steerTo(100.0f, 300.0f);
    }
    EXPECT_EQ(59, p.trailIndex());
    p.steerTo(400.0f, 300.0f);
    EXPECT_EQ(0, p.trailIndex());
    EXPECT_GT(p.trailParticle(59).x, 390.0f) << "the sixtieth particle went into the last slot";
    p.steerTo(400.0f, 300.0f);
    EXPECT_GT(p.trailParticle(0).x, 390.0f);
    EXPECT_EQ(1, p.trailIndex());
}

TEST(PlayerTrail, Course1UsesNoParticlesAndNoRandomValues) {
    Player p;
    p.start(1, 1);
    const SeededRand seq(10);
    for (int i = 0; i < 70; ++i) {
        p.updateInput(HeldKeys{SDLK_RIGHT}.keys());
    }
    EXPECT_EQ(70, p.trailIndex()) << "the index counts on without wrapping";
    EXPECT_EQ(0, seq.taken());
    EXPECT_EQ(-100.0f, p.trailParticle(0).x);

    // Switched to an exhaust course without a restart, the index that ran
    // past the ring must not write outside it.
    p.setCourse(2);
    p.steerTo(300.0f, 300.0f);
    EXPECT_EQ(1, p.trailIndex());
    EXPECT_GT(p.trailParticle(0).x, 290.0f);
}

TEST(PlayerTrail, ExplodingAndSteeredCraftsKeepTheTrailGoing) {
    Player p;
    p.start(3, 1);
    p.setLives(2);
    p.hit(4);
    const SeededRand seq;
    p.updateInput(HeldKeys().keys());
    EXPECT_EQ(62, seq.taken()) << "the wreck trails too";

    p.setFinishFrame(2);
    std::srand(1);
    p.updateInput(HeldKeys().keys());
    EXPECT_EQ(62, seq.taken());
}

TEST(PlayerTrail, LoadingDrawsOneVariantPerSlot) {
    TempFolder folder;
    WorkingDirectory here(folder.path());
    ASSERT_TRUE(here.entered());
    Player p;
    const SeededRand seq(100);
    testing::internal::CaptureStdout();  // every picture is missing here
    p.loadImages(nullptr);
    testing::internal::GetCapturedStdout();
    for (int k = 0; k < Player::kTrailLength; ++k) {
        ASSERT_EQ(seq[k] % 4, p.trailVariant(k)) << k;
    }
    EXPECT_EQ(60, seq.taken());
}

}  // namespace
