#include "app/FramePacer.h"

#include <gtest/gtest.h>

namespace {

TEST(FramePacerTest, AFrameNeedsMoreThan33Milliseconds) {
    FramePacer pacer;
    EXPECT_FALSE(pacer.frameDue(33));
    EXPECT_TRUE(pacer.frameDue(34));
    pacer.frameStarted(34);
    EXPECT_FALSE(pacer.frameDue(67));
    EXPECT_TRUE(pacer.frameDue(68));
}

TEST(FramePacerTest, AStallGivesOneFrameNotABurst) {
    FramePacer pacer;
    pacer.frameStarted(100);
    ASSERT_TRUE(pacer.frameDue(1100));
    pacer.frameStarted(1100);
    for (Uint32 now = 1100; now <= 1133; ++now) {
        EXPECT_FALSE(pacer.frameDue(now)) << now;
    }
}

TEST(FramePacerTest, TheTickCounterMayWrapAround) {
    FramePacer pacer;
    pacer.frameStarted(0xFFFFFFF0u);
    EXPECT_FALSE(pacer.frameDue(0x00000011u));  // 33 ms later
    EXPECT_TRUE(pacer.frameDue(0x00000012u));   // 34 ms later
}

}  // namespace
