#include "CourseBench.h"

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "AllocationCounter.h"
#include "BenchContext.h"
#include "BenchReport.h"
#include "BenchRunCopy.h"
#include "FrameTimings.h"
#include "app/FrameStep.h"
#include "game/Game.h"
#include "support/ReplayRecording.h"
#include "support/WorkingDirectory.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kQuickFrames = 150;
constexpr int kMaxFrames = 8000;
constexpr double kRenderBlits = 3.0;
constexpr double kFadeRenderBlits = 6.0;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// One logic frame and one render, each timed and its allocations counted.
// The frame that leaves the course is timed but its allocations are not
// counted: ending a game reads and writes the highscore file by design.
void timedFrame(Game& game, FrameStep& step, const Uint8* keys, FrameTimings& timings) {
    const int mode = game.mode();
    long before = AllocationCounter::count();
    Clock::time_point start = Clock::now();
    step.logicFrame(keys);
    const double ms = msSince(start);
    timings.addUpdate(ms, game.mode() == mode ? AllocationCounter::count() - before : 0);
    before = AllocationCounter::count();
    start = Clock::now();
    game.render();
    timings.addRender(msSince(start), AllocationCounter::count() - before);
}

// A course entered as the recorder entered it: a new game, then the course.
void enterCourse(Game& game, const ReplayStart& start) {
    std::srand(1);
    game.setPlayerCount(start.players);
    game.setMode(ModeCourse1);
    game.setMode(start.mode);
}

// The keys a timeline holds in one frame (SDLK_LAST entries).
void holdKeys(const ReplayFrame& frame, Uint8* keys) {
    for (int key : frame.keys) {
        keys[key] = 1;
    }
}

// Flies a recorded timeline (its keys, recorded on the generated pictures)
// while the game stays in the course it starts in; each frame's timings go
// to the sink that sink(level 4 state) picks.
template <class Sink>
void flyTimeline(const ReplayRecording& timeline, int limit, Game& game, Sink sink) {
    enterCourse(game, timeline.start);
    FrameStep step(game);
    const int mode = timeline.start.mode;
    for (size_t f = 0;
         f < timeline.frames.size() && static_cast<int>(f) < limit && game.mode() == mode; ++f) {
        Uint8 keys[SDLK_LAST] = {};
        holdKeys(timeline.frames[f], keys);
        timedFrame(game, step, keys, sink(game.level4().state()));
    }
}

// The key direction (-1, 0, 1) on one axis that brings a craft at position
// with speed towards rest at target, braking in time.
int steerTowards(float position, float speed, float target) {
    const float brakingDistance = speed * std::abs(speed) / (2.0f * float(Player::kAccel));
    const float ahead = target - (position + brakingDistance);
    return std::abs(ahead) < 1.0f ? 0 : (ahead > 0.0f ? 1 : -1);
}

// Player 1 hovers with its top just at the band's lower edge during the
// approach, then just under the chamber ceiling's solid part: every frame
// tests its probe points among the band's and the chamber's pixels.
void hugBands(const BenchContext& context, Game& game, FrameTimings& band, FrameTimings& chamber) {
    std::srand(1);
    game.setPlayerCount(1);
    game.setMode(ModeCourse1);
    game.setMode(ModeCourse4);
    FrameStep step(game);
    const int limit = context.quick ? kQuickFrames : 2500;
    for (int frame = 0; frame < limit && game.mode() == ModeCourse4; ++frame) {
        const Level4& level = game.level4();
        const bool approach = level.state() == Playing;
        const Box& ceiling = level.pictures().chamberSolid[0];
        const float y =
            static_cast<float>(approach ? level.topBand(0).height : ceiling.y + ceiling.height) -
            2.0f;
        const Player& craft = game.player1();
        Uint8 keys[SDLK_LAST] = {};
        const int dx = steerTowards(craft.x(), craft.vx(), 300.0f);
        const int dy = steerTowards(craft.y(), craft.vy(), y);
        keys[dx > 0 ? SDLK_RIGHT : SDLK_LEFT] = dx != 0;
        keys[dy > 0 ? SDLK_DOWN : SDLK_UP] = dy != 0;
        timedFrame(game, step, keys, approach ? band : chamber);
    }
}

}  // namespace

int benchCourses(BenchContext& context, BenchReport& report) {
    BenchRunCopy copy(context.runFolder, false);
    WorkingDirectory inside(copy.path());
    if (!inside.entered()) {
        return -1;
    }
    std::unique_ptr<Game> game = std::make_unique<Game>();
    game->loadAll(context.screen);
    ReplayRecording timelines[4];
    for (int course = 0; course < 4; ++course) {
        const std::string path = std::string(KAVREL_BENCH_TIMELINES) + "/bench-course" +
                                 std::to_string(course + 1) + ".txt";
        if (!timelines[course].read(path).empty()) {
            return -1;
        }
    }
    const char* names[3] = {"course 1", "course 2", "course 3"};
    const int limit = context.quick ? kQuickFrames : kMaxFrames;
    for (int course = 0; course < 3; ++course) {
        FrameTimings timings(names[course]);
        flyTimeline(timelines[course], limit, *game, [&](int) -> FrameTimings& { return timings; });
        timings.report(context, report, kRenderBlits);
    }
    // Course 4 to the brain's death: the approach, the fight and the fade.
    FrameTimings approach("course 4"), fight("boss fight"), fade("boss fade");
    flyTimeline(timelines[3], context.quick ? 3 * kQuickFrames : kMaxFrames, *game,
                [&](int state) -> FrameTimings& {
                    return state == Playing ? approach : state == BossDeath ? fade : fight;
                });
    approach.report(context, report, kRenderBlits);
    fight.report(context, report, kRenderBlits);
    fade.report(context, report, kFadeRenderBlits);
    FrameTimings band("4: on band"), chamber("4: chamber");
    hugBands(context, *game, band, chamber);
    band.report(context, report, kRenderBlits);
    chamber.report(context, report, kRenderBlits);
    return 0;
}
