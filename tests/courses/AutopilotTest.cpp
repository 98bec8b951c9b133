#include "support/Autopilot.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Autopilot, ModelMovesLikeACraft) {
    CraftMotion c{100.0f, 100.0f, 0.0f, 0.0f};
    for (int i = 0; i < 10; ++i) {
        Autopilot::step(c, 1, 0);
    }
    EXPECT_NEAR(13.0f, c.vx, 1e-4f);
    EXPECT_NEAR(100.0f + 1.3f * 55.0f, c.x, 1e-3f);
    Autopilot::step(c, 0, 0);
    EXPECT_NEAR(13.0f, c.vx, 1e-4f) << "speed stays when the key is let go";

    CraftMotion wall{710.0f, 5.0f, 9.0f, -9.0f};
    Autopilot::step(wall, 0, 0);
    EXPECT_FLOAT_EQ(717.0f, wall.x);
    EXPECT_FLOAT_EQ(0.0f, wall.vx);
    EXPECT_FLOAT_EQ(0.0f, wall.y);
    EXPECT_FLOAT_EQ(0.0f, wall.vy);
}

// From any speed the controller comes to rest at the target, within half a
// step, and does not swing past it.
TEST(Autopilot, ApproachComesToRestOnTheTarget) {
    for (float target : {0.0f, 3.0f, 57.0f, 300.0f}) {
        for (float speed : {-13.0f, -2.6f, 0.0f, 5.2f, 11.7f}) {
            float x = 100.0f;
            float v = speed;
            int frames = 0;
            for (; frames < 200; ++frames) {
                if (std::fabs(x - target) <= 0.65f && std::fabs(v) < 0.01f) {
                    break;
                }
                v += Autopilot::kAccel * static_cast<float>(Autopilot::approach(x, v, target));
                x += v;
            }
            EXPECT_LT(frames, 60) << target << " from speed " << speed;
            EXPECT_NEAR(target, x, 0.66f) << target << " from speed " << speed;
        }
    }
}

TEST(Autopilot, PressesItsOwnCraftsKeysOnly) {
    Uint8 keys[SDLK_LAST];
    std::fill(keys, keys + SDLK_LAST, 1);
    AutopilotOptions options;
    options.homeX = 400.0f;
    options.homeY = 100.0f;
    Autopilot arrows(options);
    arrows.steer(CraftMotion{100.0f, 400.0f, 0.0f, 0.0f}, nullptr, 0, keys);
    int pressed = 0;
    for (int k = 0; k < SDLK_LAST; ++k) {
        pressed += keys[k] ? 1 : 0;
    }
    EXPECT_EQ(2, pressed);
    EXPECT_TRUE(keys[SDLK_RIGHT] && keys[SDLK_UP]);

    options.keys = AutopilotKeys::Wasd;
    Autopilot wasd(options);
    wasd.steer(CraftMotion{700.0f, 0.0f, 0.0f, 0.0f}, nullptr, 0, keys);
    EXPECT_TRUE(keys[SDLK_a] && keys[SDLK_s]);
    EXPECT_FALSE(keys[SDLK_LEFT] || keys[SDLK_DOWN] || keys[SDLK_d] || keys[SDLK_w]);
}

bool overlaps(const CraftMotion& c, const Box& b) {
    return c.x < b.x + b.width && c.x + 83.0f > b.x && c.y + 3.0f < b.y + b.height &&
           c.y + 40.0f > b.y;
}

// A wall of two obstacles with one gap between them comes at the craft at
// its home: the pilot finds the gap and comes back home afterwards.
TEST(Autopilot, ThreadsAGapAndReturnsHome) {
    Autopilot pilot;
    CraftMotion craft{250.0f, 250.0f, 0.0f, 0.0f};
    Box wall[2] = {{800, 0, 100, 300}, {800, 360, 100, 240}};
    for (int frame = 0; frame < 150; ++frame) {
        int dx = 0;
        int dy = 0;
        pilot.choose(craft, wall, 2, dx, dy);
        Autopilot::step(craft, dx, dy);
        for (Box& b : wall) {
            b.x -= 12;
            ASSERT_FALSE(overlaps(craft, b)) << "frame " << frame;
        }
    }
    EXPECT_NEAR(250.0f, craft.x, 2.0f);
    EXPECT_NEAR(250.0f, craft.y, 2.0f);
}

}  // namespace
