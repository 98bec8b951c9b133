// Recorded runs replayed against the fixed test pictures: every frame must
// come out as it did when the run was recorded. The recordings live in
// tests/whole/replays/. When a rule changes on purpose, record them again:
//
//   KAVREL_RECORD_REPLAYS=outcomes build/tests/test_whole --gtest_filter='Replay*'
//     keeps each recording's keys and writes the outcome they have now;
//   KAVREL_RECORD_REPLAYS=all build/tests/test_whole --gtest_filter='Replay*'
//     flies every scenario below again for new keys as well.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ReplayRecording.h"
#include "ReplayRunner.h"
#include "support/CoursePilot.h"
#include "support/FixedPictures.h"
#include "support/GeneratedRunFolder.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

// Chooses the input of each frame when a recording is made afresh; returns
// false when the run is over.
using ScenarioInput = std::function<bool(const Game& game, int frame, ReplayFrame& input)>;

struct Scenario {
    const char* name;
    const char* about;
    ReplayStart start;
    std::function<ScenarioInput()> make;
};

std::string recordingPath(const std::string& name) {
    return std::string(KAVREL_SOURCE_DIR) + "/tests/whole/replays/" + name + ".txt";
}

std::string recordMode() {
    const char* mode = std::getenv("KAVREL_RECORD_REPLAYS");
    return mode ? mode : "";
}

// Scripted key presses: each step holds its keys for some frames.
class Script {
  public:
    Script& hold(std::vector<int> keys, int frames) {
        for (int i = 0; i < frames; ++i) {
            frames_.push_back(ReplayFrame{false, keys});
        }
        return *this;
    }
    Script& tap(int key) { return hold({key}, 1).hold({}, 1); }
    Script& idle(int frames) { return hold({}, frames); }
    // Takes the next scripted frame; false when the script is used up.
    bool next(ReplayFrame& input) {
        if (at_ >= frames_.size()) {
            return false;
        }
        input = frames_[at_++];
        return true;
    }
    size_t length() const { return frames_.size(); }

  private:
    std::vector<ReplayFrame> frames_;
    size_t at_ = 0;
};

ReplayFrame pilotFrame(CoursePilot& pilot, const Game& game) {
    Uint8 held[SDLK_LAST] = {};
    pilot.press(game, held);
    ReplayFrame input;
    for (int key = 0; key < SDLK_LAST; ++key) {
        if (held[key]) {
            input.keys.push_back(key);
        }
    }
    return input;
}

// The menu's pages and options, the opening skipped with Escape, and course
// 1 for two players with a pause.
ScenarioInput menuToCourse1() {
    auto script = std::make_shared<Script>();
    script->idle(1).tap(SDLK_DOWN).tap(SDLK_RETURN).tap(SDLK_UP).tap(SDLK_RIGHT);
    script->tap(SDLK_UP).tap(SDLK_LEFT).tap(SDLK_UP).tap(SDLK_UP).tap(SDLK_RETURN);
    script->tap(SDLK_DOWN).tap(SDLK_RETURN).idle(10).tap(SDLK_RETURN);
    script->tap(SDLK_DOWN).tap(SDLK_RETURN).idle(10).tap(SDLK_RETURN);
    script->tap(SDLK_UP).tap(SDLK_UP).tap(SDLK_UP).hold({SDLK_RETURN}, 1).idle(90);
    auto pilot = std::make_shared<CoursePilot>();
    return [script, pilot](const Game& game, int frame, ReplayFrame& input) {
        if (script->next(input)) {
            return true;
        }
        const int flown = frame - static_cast<int>(script->length());
        input = pilotFrame(*pilot, game);
        input.escape = flown == 1;  // skips the rest of the opening
        if (flown == 200 || flown == 240) {
            input.keys.push_back(SDLK_SPACE);
        }
        return flown <= 700;
    };
}

// One player in course 2: flies well, dives into the water, then rams the
// nearest hazard until the craft is hit, and flies well again.
ScenarioInput course2Crash() {
    auto pilot = std::make_shared<CoursePilot>();
    auto crashed = std::make_shared<bool>(false);
    return [pilot, crashed](const Game& game, int frame, ReplayFrame& input) {
        if (frame > 200 && frame <= 240) {
            input = ReplayFrame{false, {SDLK_DOWN}};
            return true;
        }
        *crashed = *crashed || game.player1().state() == Exploding;
        pilot->setRamming(frame > 240 && !*crashed);
        input = pilotFrame(*pilot, game);
        return frame <= 700;
    };
}

// Two players in course 3: player 1 flies well, player 2 holds W into the
// top band until out of lives.
ScenarioInput course3TwoPlayers() {
    auto pilot = std::make_shared<CoursePilot>();
    return [pilot](const Game& game, int frame, ReplayFrame& input) {
        input = pilotFrame(*pilot, game);
        std::vector<int>& keys = input.keys;
        keys.erase(std::remove_if(keys.begin(), keys.end(),
                                  [](int k) { return k == SDLK_a || k == SDLK_s || k == SDLK_d; }),
                   keys.end());
        if (std::find(keys.begin(), keys.end(), SDLK_w) == keys.end()) {
            keys.push_back(SDLK_w);
        }
        return frame <= 800;
    };
}

// One player through the boss fight, the closing cutscene and the name
// entry back to the menu.
ScenarioInput bossToNameEntry() {
    auto pilot = std::make_shared<CoursePilot>();
    auto script = std::make_shared<Script>();
    script->tap(SDLK_a).tap(SDLK_c).tap(SDLK_e).hold({SDLK_RETURN}, 1).idle(5);
    return [pilot, script](const Game& game, int frame, ReplayFrame& input) {
        if (game.mode() == ModeCourse4 || game.mode() == ModeCutscene2) {
            input = pilotFrame(*pilot, game);
            return frame < 5000;
        }
        return script->next(input);
    };
}

const Scenario kScenarios[] = {
    {"menu-to-course1",
     "the menu's options, highscore and information pages, two players and two lives, the "
     "opening skipped with Escape, course 1 with a pause",
     {0, 1},
     &menuToCourse1},
    {"course2-crash",
     "one player in course 2: the water, a crash and flying on",
     {ModeCourse2, 1},
     &course2Crash},
    {"course3-two-players",
     "two players in course 3, the second out of lives in the top band",
     {ModeCourse3, 2},
     &course3TwoPlayers},
    {"boss-to-name-entry",
     "one player kills the brain, watches the closing cutscene and types a name",
     {ModeCourse4, 1},
     &bossToNameEntry},
};

class ReplayTest : public ::testing::TestWithParam<Scenario> {
  protected:
    // Flies the scenario afresh and keeps its keys.
    static ReplayRecording fly(const Scenario& scenario) {
        ReplayRecording recording;
        recording.name = scenario.name;
        recording.about = scenario.about;
        recording.start = scenario.start;
        ReplayRunner runner(scenario.start);
        EXPECT_TRUE(runner.ready());
        ScenarioInput input = scenario.make();
        ReplayFrame frame;
        for (int f = 1; input(runner.game(), f, frame); ++f) {
            recording.frames.push_back(frame);
            runner.play(frame);
            frame = ReplayFrame();
        }
        return recording;
    }

    static ReplayOutcome replay(const ReplayRecording& recording) {
        ReplayRunner runner(recording.start);
        EXPECT_TRUE(runner.ready());
        for (const ReplayFrame& frame : recording.frames) {
            runner.play(frame);
        }
        return runner.outcome();
    }
};

TEST_P(ReplayTest, ReplaysToItsRecordedOutcome) {
    const Scenario& scenario = GetParam();
    const std::string path = recordingPath(scenario.name);
    const std::string mode = recordMode();
    ReplayRecording recording;
    if (mode == "all") {
        recording = fly(scenario);
    } else {
        const std::string error = recording.read(path);
        ASSERT_EQ("", error);
    }
    const ReplayOutcome outcome = replay(recording);
    if (mode == "all" || mode == "outcomes") {
        recording.expected = outcome;
        ASSERT_TRUE(recording.write(path)) << path;
        std::printf("recorded %s: %zu frames\n", path.c_str(), recording.frames.size());
        return;
    }
    EXPECT_EQ("", ReplayRunner::firstDrift(recording.expected, outcome))
        << "replay " << scenario.name << " (" << path << ")";
}

INSTANTIATE_TEST_SUITE_P(Recordings, ReplayTest, ::testing::ValuesIn(kScenarios),
                         [](const ::testing::TestParamInfo<Scenario>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 c = c == '-' ? '_' : c;
                             }
                             return name;
                         });

}  // namespace

namespace {

// A changed key shows as a drift in the very frame it acts.
TEST(ReplayDriftTest, AChangedKeyIsNamedByItsFrame) {
    ReplayRecording recording;
    ASSERT_EQ("", recording.read(recordingPath("course2-crash")));
    ASSERT_GT(recording.frames.size(), 150u);
    recording.frames[119].keys = {SDLK_UP, SDLK_LEFT};
    ReplayRunner runner(recording.start);
    ASSERT_TRUE(runner.ready());
    for (const ReplayFrame& frame : recording.frames) {
        runner.play(frame);
    }
    EXPECT_EQ("drifts at frame 120 (recorded in mode 4, now in mode 4)",
              ReplayRunner::firstDrift(recording.expected, runner.outcome()));
}

TEST(ReplayDriftTest, ARecordingReadsBackAsItWasWritten) {
    ReplayRecording recording;
    ASSERT_EQ("", recording.read(recordingPath("menu-to-course1")));
    TempFolder folder;
    ASSERT_TRUE(recording.write(folder.file("copy.txt")));
    ReplayRecording copy;
    ASSERT_EQ("", copy.read(folder.file("copy.txt")));
    EXPECT_EQ(recording.frames, copy.frames);
    EXPECT_EQ(recording.about, copy.about);
    EXPECT_EQ(recording.expected.digests, copy.expected.digests);
    EXPECT_EQ("", ReplayRunner::firstDrift(recording.expected, copy.expected));
    int escapes = 0;
    for (const ReplayFrame& frame : copy.frames) {
        escapes += frame.escape ? 1 : 0;
    }
    EXPECT_EQ(1, escapes);
}

// The replays' pictures stand in for every picture of the generated run
// folder (whose files are the ones the game loads), each at its place.
TEST(ReplayPicturesTest, FixedPicturesStandInForEveryGeneratedPicture) {
    TempFolder fixed;
    ASSERT_TRUE(FixedPictures::write(fixed.path()));
    const auto listPictures = [](const std::string& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder + "/data")) {
            const std::string name = fs::relative(entry.path(), folder).string();
            if (entry.path().extension() == ".obx" && name != "data/M/007.obx") {
                names.insert(name);
            }
        }
        return names;
    };
    const std::set<std::string> pictures = listPictures(fixed.path());
    EXPECT_EQ(listPictures(GeneratedRunFolder::path()), pictures);
    EXPECT_EQ(FixedPictures::count(), static_cast<int>(pictures.size()));
}

}  // namespace
