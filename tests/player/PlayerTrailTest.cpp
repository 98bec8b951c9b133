#include <gtest/gtest.h>

#include "player/Player.h"
#include "support/HeldKeys.h"
#include "support/RandCalls.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

// The trail shares the one rand sequence with the courses: every step of
// courses 2 to 4 and of the boss fight (5) takes two values for the new
// particle and one per slot, also from a wreck or a craft being steered.
TEST(PlayerTrail, EachStepTakesSixtyTwoValuesAndNoneInCourse1) {
    for (int course : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(course);
        Player p;
        p.start(course == 5 ? 4 : course, 1);
        p.setCourse(course);
        p.setLives(2);
        const int expected = course == 1 ? 0 : 62;
        const SeededRand seq;
        p.steerTo(100.0f, 300.0f);
        EXPECT_EQ(expected, seq.taken());
        p.hit(4);
        std::srand(1);
        p.updateInput(HeldKeys().keys());
        EXPECT_EQ(expected, seq.taken()) << "the wreck trails too";
        p.setFinishFrame(2);
        std::srand(1);
        p.updateInput(HeldKeys().keys());
        EXPECT_EQ(expected, seq.taken()) << "and so does a departing craft";
    }
}

// Exhaust streams left and rises; bubbles wobble either way and rise. A new
// particle leaves from the craft itself (83 by 40).
TEST(PlayerTrail, ExhaustStreamsLeftBubblesWobbleAndBothRise) {
    for (int course : {2, 3, 4, 5}) {
        SCOPED_TRACE(course);
        Player p;
        p.start(course == 5 ? 4 : course, 1);
        p.setCourse(course);
        for (int i = 0; i < 70; ++i) {
            p.steerTo(400.0f, 300.0f);
        }
        Position before[Player::kTrailLength];
        for (int k = 0; k < Player::kTrailLength; ++k) {
            before[k] = p.trailParticle(k);
        }
        const int fresh = p.trailIndex();
        p.steerTo(400.0f, 300.0f);
        const Position born = p.trailParticle(fresh);
        EXPECT_TRUE(born.x > 390 && born.x < 483 && born.y > 300 && born.y < 340)
            << born.x << "," << born.y;
        int left = 0, right = 0;
        for (int k = 0; k < Player::kTrailLength; ++k) {
            if (k == fresh) {
                continue;
            }
            const float dx = p.trailParticle(k).x - before[k].x;
            ASSERT_FLOAT_EQ(before[k].y - 3, p.trailParticle(k).y) << k;
            ASSERT_LE(dx, course == 5 ? 3.0f : -1.0f) << k;
            ASSERT_GE(dx, course == 5 ? -3.0f : -10.0f) << k;
            left += dx < 0;
            right += dx > 0;
        }
        EXPECT_EQ(course == 5, right > 0 && left > 0);
    }
}

TEST(PlayerTrail, RingWrapsAfterSixtyParticlesAndCourse1UsesNone) {
    Player p;
    p.start(1, 1);
    for (int i = 0; i < 70; ++i) {
        p.updateInput(HeldKeys{SDLK_RIGHT}.keys());
    }
    EXPECT_EQ(70, p.trailIndex()) << "the index counts on without wrapping";
    EXPECT_EQ(-100.0f, p.trailParticle(0).x);

    // Switched to an exhaust course without a restart, the index that ran
    // past the ring must not write outside it.
    p.setCourse(2);
    p.steerTo(300.0f, 300.0f);
    EXPECT_EQ(1, p.trailIndex());
    EXPECT_GT(p.trailParticle(0).x, 290.0f);
    for (int i = 1; i < 59; ++i) {
        p.steerTo(100.0f, 300.0f);
    }
    EXPECT_EQ(59, p.trailIndex());
    p.steerTo(400.0f, 300.0f);
    EXPECT_EQ(0, p.trailIndex());
    EXPECT_GT(p.trailParticle(59).x, 390.0f) << "the sixtieth particle went into the last slot";
    p.steerTo(400.0f, 300.0f);
    EXPECT_GT(p.trailParticle(0).x, 390.0f);
}

TEST(PlayerTrail, LoadingDrawsAVariantForEachOfTheSixtySlots) {
    TempFolder folder;
    WorkingDirectory here(folder.path());
    ASSERT_TRUE(here.entered());
    Player p;
    const SeededRand seq;
    testing::internal::CaptureStdout();  // every picture is missing here
    p.loadImages(nullptr);
    testing::internal::GetCapturedStdout();
    int used[Player::kTrailVariants] = {};
    for (int k = 0; k < Player::kTrailLength; ++k) {
        ASSERT_GE(p.trailVariant(k), 0);
        ASSERT_LT(p.trailVariant(k), Player::kTrailVariants);
        ++used[p.trailVariant(k)];
    }
    for (int count : used) {
        EXPECT_GT(count, 0);
    }
    EXPECT_EQ(60, seq.taken());
}

}  // namespace
