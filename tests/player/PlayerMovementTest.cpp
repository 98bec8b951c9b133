#include <gtest/gtest.h>

#include <initializer_list>

#include "player/Player.h"
#include "support/HeldKeys.h"

namespace {

void fly(Player& p, const HeldKeys& k, int frames) {
    for (int i = 0; i < frames; ++i) {
        p.updateInput(k.keys());
    }
}

// Hit, explode in place and come back: the craft is then Respawning.
void explodeAndReturn(Player& p) {
    p.setLives(5);
    p.hit(0);
    fly(p, HeldKeys(), 49);
}

TEST(PlayerMovement, SpeedBuildsWithInertiaAndStays) {
    Player p;
    p.start(1, 1);
    fly(p, HeldKeys{SDLK_RIGHT}, 10);
    EXPECT_FLOAT_EQ(13.0f, p.vx());
    EXPECT_EQ(0.0f, p.vy());
    const float x = p.x();
    fly(p, HeldKeys(), 3);
    EXPECT_FLOAT_EQ(13.0f, p.vx()) << "the speed stays when the key is released";
    EXPECT_FLOAT_EQ(x + 39.0f, p.x());

    // Right and Left together change nothing.
    fly(p, HeldKeys{SDLK_RIGHT, SDLK_LEFT}, 4);
    EXPECT_FLOAT_EQ(13.0f, p.vx());

    // Up and down, and the position follows the speed of the same frame.
    Player q;
    q.start(1, 1);
    fly(q, HeldKeys{SDLK_UP}, 2);
    EXPECT_FLOAT_EQ(-2.6f, q.vy());
    EXPECT_FLOAT_EQ(200.0f - 1.3f - 2.6f, q.y());
    fly(q, HeldKeys{SDLK_DOWN}, 3);
    EXPECT_FLOAT_EQ(1.3f, q.vy());
}

TEST(PlayerMovement, WallsStopOnlyTheSpeedAcrossThem) {
    Player p;
    p.start(1, 1);
    fly(p, HeldKeys{SDLK_RIGHT, SDLK_DOWN}, 40);
    EXPECT_EQ(717.0f, p.x());
    EXPECT_EQ(0.0f, p.vx());
    EXPECT_EQ(560.0f, p.y());
    EXPECT_EQ(0.0f, p.vy());

    // Away from the right wall at once.
    fly(p, HeldKeys{SDLK_LEFT}, 1);
    EXPECT_FLOAT_EQ(717.0f - 1.3f, p.x());

    // Into the top wall while still moving left: only vy is stopped.
    Player q;
    q.start(1, 1);
    fly(q, HeldKeys{SDLK_UP}, 20);
    EXPECT_EQ(0.0f, q.y());
    EXPECT_EQ(0.0f, q.vy());
    fly(q, HeldKeys{SDLK_LEFT, SDLK_UP}, 3);
    EXPECT_FLOAT_EQ(-3.9f, q.vx());
    EXPECT_EQ(0.0f, q.y());
    fly(q, HeldKeys(), 20);
    EXPECT_EQ(0.0f, q.x());
    EXPECT_EQ(0.0f, q.vx());
}

// The speed after one frame with these keys held, from rest in open space.
Position speedAfter(int number, int playerCount, std::initializer_list<int> held) {
    Player p(number);
    p.start(1, playerCount);
    p.steerTo(300, 300);
    p.updateInput(HeldKeys(held).keys());
    return Position{p.vx(), p.vy()};
}

TEST(PlayerMovement, KeySetsForOneAndTwoPlayers) {
    const int arrows[] = {SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN};
    const int letters[] = {SDLK_d, SDLK_a, SDLK_w, SDLK_s};
    const Position speed[] = {{1.3f, 0}, {-1.3f, 0}, {0, -1.3f}, {0, 1.3f}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const float vx = speed[i].x, vy = speed[i].y;
        // One player: either key, and both together count once.
        for (auto keys :
             {std::initializer_list<int>{arrows[i]}, {letters[i]}, {arrows[i], letters[i]}}) {
            EXPECT_FLOAT_EQ(vx, speedAfter(1, 1, keys).x);
            EXPECT_FLOAT_EQ(vy, speedAfter(1, 1, keys).y);
        }
        // Two players: arrows for player 1, letters for player 2.
        EXPECT_FLOAT_EQ(vx, speedAfter(1, 2, {arrows[i]}).x);
        EXPECT_FLOAT_EQ(vy, speedAfter(1, 2, {arrows[i]}).y);
        EXPECT_FLOAT_EQ(vx, speedAfter(2, 2, {letters[i]}).x);
        EXPECT_FLOAT_EQ(vy, speedAfter(2, 2, {letters[i]}).y);
        for (const Position& ignored :
             {speedAfter(1, 2, {letters[i]}), speedAfter(2, 2, {arrows[i]})}) {
            EXPECT_EQ(0.0f, ignored.x);
            EXPECT_EQ(0.0f, ignored.y);
        }
    }
}

TEST(PlayerMovement, WaterHalvesTheSpeedAfterTheWalls) {
    Player p;
    p.start(2, 1);
    p.steerTo(100.0f, 520.0f);
    fly(p, HeldKeys{SDLK_RIGHT}, 40);
    EXPECT_NEAR(1.3f, p.vx(), 1e-5);
    const float x = p.x();
    fly(p, HeldKeys{SDLK_RIGHT}, 1);
    EXPECT_NEAR(3.9f, p.x() - x, 1e-4) << "2.6 before the halving and 1.3 after";

    // Above the line nothing is taken away.
    Player dry;
    dry.start(2, 1);
    dry.steerTo(100.0f, 400.0f);
    fly(dry, HeldKeys{SDLK_RIGHT}, 4);
    EXPECT_FLOAT_EQ(5.2f, dry.vx());

    // The second move comes after the walls, so it can carry the craft a
    // little past the right edge until the next frame stops it there.
    Player edge;
    edge.start(2, 1);
    edge.steerTo(715.5f, 520.0f);
    fly(edge, HeldKeys{SDLK_RIGHT}, 1);
    EXPECT_FLOAT_EQ(715.5f + 1.3f + 0.65f, edge.x());
    EXPECT_FLOAT_EQ(0.65f, edge.vx());
    fly(edge, HeldKeys{SDLK_RIGHT}, 1);
    EXPECT_EQ(717.0f, edge.x());
    EXPECT_EQ(0.0f, edge.vx());
}

TEST(PlayerMovement, ReturningCraftInCourse3StaysInsideTheChannel) {
    Player p;
    p.start(3, 1);
    explodeAndReturn(p);
    ASSERT_EQ(Respawning, p.state());
    fly(p, HeldKeys{SDLK_UP}, 18);
    EXPECT_EQ(36.0f, p.y());
    EXPECT_EQ(0.0f, p.vy());
    fly(p, HeldKeys{SDLK_DOWN}, 28);
    EXPECT_EQ(524.0f, p.y());
    ASSERT_EQ(Respawning, p.state());
    EXPECT_EQ(96, p.stateTimer());
    // The band still holds in the frame in which the craft flies again.
    fly(p, HeldKeys{SDLK_DOWN}, 4);
    ASSERT_EQ(Flying, p.state());
    EXPECT_EQ(100, p.stateTimer());
    EXPECT_EQ(524.0f, p.y());
    fly(p, HeldKeys{SDLK_DOWN}, 8);
    EXPECT_EQ(560.0f, p.y());
    fly(p, HeldKeys{SDLK_UP}, 40);
    EXPECT_EQ(0.0f, p.y());

    // Other courses have no such band.
    Player q;
    q.start(2, 1);
    explodeAndReturn(q);
    fly(q, HeldKeys{SDLK_UP}, 20);
    EXPECT_EQ(Respawning, q.state());
    EXPECT_EQ(0.0f, q.y());
}

TEST(PlayerMovement, CourseEndSteeringTakesOver) {
    Player p;
    p.start(1, 1);
    fly(p, HeldKeys{SDLK_RIGHT}, 2);
    p.setFinishFrame(-1);
    EXPECT_EQ(Docking, p.state());
    EXPECT_FALSE(p.isFlying());
    p.steerTo(400.0f, 123.5f);
    EXPECT_EQ(400.0f, p.x());
    EXPECT_EQ(123.5f, p.y());
    EXPECT_FLOAT_EQ(2.6f, p.vx()) << "steering does not touch the speed";
    EXPECT_EQ(1, p.updateInput(HeldKeys{SDLK_RIGHT}.keys()));
    EXPECT_EQ(400.0f, p.x()) << "keys do not move a steered craft";
    EXPECT_FLOAT_EQ(2.6f, p.vx());

    p.setFinishFrame(0);
    EXPECT_EQ(Departing, p.state());
    p.start(2, 1);
    EXPECT_EQ(Flying, p.state());
}

TEST(PlayerMovement, BounceThrowsTheCraftBackAtHalfSpeed) {
    Player p;
    p.start(4, 1);
    p.steerTo(300.0f, 300.0f);
    fly(p, HeldKeys{SDLK_RIGHT, SDLK_UP}, 4);
    p.bounce();
    EXPECT_FLOAT_EQ(-2.6f, p.vx());
    EXPECT_FLOAT_EQ(2.6f, p.vy());
}

}  // namespace
