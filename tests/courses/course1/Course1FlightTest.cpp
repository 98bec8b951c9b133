#include <cstdlib>

#include "Level1Fixture.h"
#include "support/Autopilot.h"

namespace {

struct FlightLog {
    int frames = 0;
    int crashes = 0;
    int points = 0;
    int passes = 0;
    int bonuses = 0;
    bool finished = false;
};

// Flies course 1 alone, with the craft moved by the pilot's own model of
// the craft's movement.
FlightLog fly(Level1& level, Autopilot pilot) {
    FlightLog log;
    CraftMotion craft{50.0f, 200.0f, 0.0f, 0.0f};
    Box boxes[Level1::kSlots];
    int seconds = 0;
    while (!log.finished && log.frames < 3000) {
        ++log.frames;
        if (log.frames % 30 == 0) {
            level.perSecondTick(++seconds, 0, level.isPlaying());
        }
        if (level.isPlaying()) {
            int dx = 0;
            int dy = 0;
            const int n = level.hazardBoxes(boxes, Level1::kSlots);
            pilot.choose(craft, boxes, n, dx, dy);
            Autopilot::step(craft, dx, dy);
        } else {
            const Position p = level.steerOutro(craft.x, craft.y);
            craft.x = p.x;
            craft.y = p.y;
            log.finished = level.progress() == 100;
        }
        const int result = level.updatePlayer1(craft.x, craft.y, level.isPlaying());
        if (result > 0 && result <= 1000) {
            ++log.crashes;
            ADD_FAILURE() << "crashed in frame " << log.frames << " at " << craft.x << ","
                          << craft.y;
        } else if (result > 1000 && result < 2000) {
            log.points += result - 1000;
            ++log.passes;
        } else if (result >= 2000) {
            ++log.bonuses;
        }
    }
    return log;
}

// The pilot used by the whole-game tests gets through course 1 with no
// crash, both keeping clear and hunting near passes, and the hunt pays.
TEST_F(Level1Test, TheAutopilotFliesTheWholeCourseUnharmed) {
    srand(1);
    level.reset();
    const FlightLog plain = fly(level, Autopilot());
    EXPECT_TRUE(plain.finished);
    EXPECT_EQ(0, plain.crashes);
    EXPECT_LT(plain.frames, 1500);

    srand(1);
    level.reset();
    AutopilotOptions options;
    options.seekNearPasses = true;
    const FlightLog hunt = fly(level, Autopilot(options));
    EXPECT_TRUE(hunt.finished);
    EXPECT_EQ(0, hunt.crashes);
    EXPECT_GT(hunt.points, plain.points);
    EXPECT_GT(hunt.passes, 10);
}

}  // namespace
