// kavrel-record: flies the recorded runs afresh with the pilots and writes
// their keys and outcomes. Run by hand when a rule changes on purpose:
//   kavrel-record [--outcomes] [NAME...]
// after a build; without names it records all. With --outcomes it keeps each
// recording's keys and writes the outcome they have now.
// The test replays go to tests/whole/replays/ (flown on the fixed test
// pictures), the benchmark's timelines to tools/bench/timelines/ (flown on
// the generated pictures of the build's run folder). No test runs this.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "record/CoursePilot.h"
#include "record/ReplayRunner.h"
#include "record/ReplayWriter.h"
#include "support/ReplayRecording.h"

namespace {

// Chooses the input of each frame; returns false when the run is over.
using ScenarioInput = std::function<bool(const Game& game, int frame, ReplayFrame& input)>;

struct Scenario {
    const char* name;
    const char* about;
    ReplayStart start;
    bool generated;  // the build's generated pictures, for the benchmark
    std::function<ScenarioInput()> make;
};

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
    Script& type(const char* letters) {
        for (const char* c = letters; *c; ++c) {
            tap(*c);
        }
        return hold({SDLK_RETURN}, 1).idle(1);
    }
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

bool isCourse(int mode) {
    return mode >= ModeCourse1 && mode <= ModeCourse4;
}

// From the menu's first page: the options page sets the players and the
// starting lives (from 3), then the game starts.
void startGame(Script& script, int players, int lives) {
    script.idle(1).tap(SDLK_DOWN).tap(SDLK_RETURN).tap(SDLK_UP);
    script.tap(players == 2 ? SDLK_RIGHT : SDLK_LEFT).tap(SDLK_UP);
    for (int l = 3; l != lives; l += lives > 3 ? 1 : -1) {
        script.tap(lives > 3 ? SDLK_RIGHT : SDLK_LEFT);
    }
    script.tap(SDLK_UP).tap(SDLK_UP).tap(SDLK_RETURN).tap(SDLK_UP).hold({SDLK_RETURN}, 1);
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

// Player 1 flies well, player 2 holds W into the top band until out of
// lives: course 3 for 800 frames, or course 4 until it is left.
ScenarioInput secondPlayerOut(bool boss) {
    auto pilot = std::make_shared<CoursePilot>();
    return [pilot, boss](const Game& game, int frame, ReplayFrame& input) {
        input = pilotFrame(*pilot, game);
        std::vector<int>& keys = input.keys;
        keys.erase(std::remove_if(keys.begin(), keys.end(),
                                  [](int k) { return k == SDLK_a || k == SDLK_s || k == SDLK_d; }),
                   keys.end());
        if (std::find(keys.begin(), keys.end(), SDLK_w) == keys.end()) {
            keys.push_back(SDLK_w);
        }
        return boss ? game.mode() == ModeCourse4 && frame < 5000 : frame <= 800;
    };
}

// One player through the boss fight, the closing cutscene and the name
// entry back to the menu.
ScenarioInput bossToNameEntry() {
    auto pilot = std::make_shared<CoursePilot>();
    auto script = std::make_shared<Script>();
    script->type("ace").idle(4);
    return [pilot, script](const Game& game, int frame, ReplayFrame& input) {
        if (game.mode() == ModeCourse4 || game.mode() == ModeCutscene2) {
            input = pilotFrame(*pilot, game);
            return frame < 5000;
        }
        return script->next(input);
    };
}

// A whole game from the menu: every cutscene watched, every course flown,
// the name typed, and the highscore page opened.
ScenarioInput wholeGame(int players, int lives, const char* name) {
    auto pilot = std::make_shared<CoursePilot>();
    auto start = std::make_shared<Script>();
    startGame(*start, players, lives);
    auto end = std::make_shared<Script>();
    end->type(name).idle(1).tap(SDLK_DOWN).tap(SDLK_DOWN).hold({SDLK_RETURN}, 1);
    return [pilot, start, end](const Game& game, int, ReplayFrame& input) {
        if (start->next(input)) {
            return true;
        }
        if (isCourse(game.mode())) {
            input = pilotFrame(*pilot, game);
            return true;
        }
        const int mode = game.mode();
        return mode == ModeNameEntry || mode == ModeMenu ? end->next(input) : true;
    };
}

// A one-life game from the menu, the opening skipped: near passes in course
// 1, then at the nearest obstacle until the crash ends the game.
ScenarioInput course1Crash() {
    auto pilot = std::make_shared<CoursePilot>();
    auto start = std::make_shared<Script>();
    startGame(*start, 1, 1);
    auto flown = std::make_shared<int>(0);
    return [pilot, start, flown](const Game& game, int, ReplayFrame& input) {
        if (start->next(input)) {
            return true;
        }
        pilot->setRamming(++*flown > 400);
        input = pilotFrame(*pilot, game);
        input.escape = *flown == 1;
        return game.mode() != ModeNameEntry && game.mode() != ModeMenu;
    };
}

// The benchmark's course flights, two players, as long as the course lasts.
ScenarioInput wholeCourse() {
    auto pilot = std::make_shared<CoursePilot>();
    auto mode = std::make_shared<int>(0);
    return [pilot, mode](const Game& game, int frame, ReplayFrame& input) {
        *mode = frame == 1 ? game.mode() : *mode;
        input = pilotFrame(*pilot, game);
        return game.mode() == *mode && frame < 8000;
    };
}

const Scenario kScenarios[] = {
    {"menu-to-course1",
     "the menu's options, highscore and information pages, two players and two lives, the "
     "opening skipped with Escape, course 1 with a pause",
     {0, 1},
     false,
     &menuToCourse1},
    {"course2-crash",
     "one player in course 2: the water, a crash and flying on",
     {ModeCourse2, 1},
     false,
     &course2Crash},
    {"course3-two-players",
     "two players in course 3, the second out of lives in the top band",
     {ModeCourse3, 2},
     false,
     [] { return secondPlayerOut(false); }},
    {"boss-second-player-out",
     "two players in course 4, the second out of lives in the top band, the first kills the brain",
     {ModeCourse4, 2},
     false,
     [] { return secondPlayerOut(true); }},
    {"boss-to-name-entry",
     "one player kills the brain, watches the closing cutscene and types a name",
     {ModeCourse4, 1},
     false,
     &bossToNameEntry},
    {"whole-game-one-player",
     "one player with three lives from the menu through every course, "
     "the boss and the name entry to the highscore page",
     {0, 1},
     false,
     [] { return wholeGame(1, 3, "pilot"); }},
    {"whole-game-two-players",
     "two players with four lives from the menu through every course, "
     "the boss and the name entry to the highscore page",
     {0, 1},
     false,
     [] { return wholeGame(2, 4, "duo"); }},
    {"course1-crash",
     "a one-life game: near passes in course 1, then a crash ends it",
     {0, 1},
     false,
     &course1Crash},
    {"bench-course1", "two players through course 1", {ModeCourse1, 2}, true, &wholeCourse},
    {"bench-course2", "two players through course 2", {ModeCourse2, 2}, true, &wholeCourse},
    {"bench-course3", "two players through course 3", {ModeCourse3, 2}, true, &wholeCourse},
    {"bench-course4",
     "two players through course 4 to the brain's death",
     {ModeCourse4, 2},
     true,
     &wholeCourse},
};

int record(const Scenario& scenario, bool outcomesOnly) {
    const std::string path =
        std::string(KAVREL_SOURCE_DIR) +
        (scenario.generated ? "/tools/bench/timelines/" : "/tests/whole/replays/") + scenario.name +
        ".txt";
    ReplayRecording recording;
    if (outcomesOnly && !recording.read(path).empty()) {
        std::fprintf(stderr, "kavrel-record: cannot read %s\n", path.c_str());
        return 1;
    }
    recording.name = scenario.name;
    recording.about = scenario.about;
    recording.start = scenario.start;
    ReplayRunner runner(scenario.start, scenario.generated);
    if (!runner.ready()) {
        std::fprintf(stderr, "kavrel-record: %s: the pictures did not load\n", scenario.name);
        return 1;
    }
    // Afresh, the scenario chooses every frame's keys; otherwise the
    // recording's own keys are played again.
    ScenarioInput input = scenario.make();
    ReplayFrame frame;
    for (size_t f = 0; outcomesOnly ? f < recording.frames.size()
                                    : input(runner.game(), static_cast<int>(f) + 1, frame);
         ++f) {
        if (outcomesOnly) {
            frame = recording.frames[f];
        } else {
            recording.frames.push_back(frame);
        }
        runner.play(frame);
        frame = ReplayFrame();
    }
    recording.expected = runner.outcome();
    if (!ReplayWriter::write(recording, path)) {
        std::fprintf(stderr, "kavrel-record: cannot write %s\n", path.c_str());
        return 1;
    }
    std::printf("%s: %zu frames, ends in mode %d\n", path.c_str(), recording.frames.size(),
                runner.game().mode());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const bool outcomesOnly = argc > 1 && std::strcmp(argv[1], "--outcomes") == 0;
    const int first = outcomesOnly ? 2 : 1;
    int failed = 0;
    for (const Scenario& scenario : kScenarios) {
        bool wanted = argc == first;
        for (int i = first; i < argc; ++i) {
            wanted = wanted || std::strcmp(argv[i], scenario.name) == 0;
        }
        failed += wanted ? record(scenario, outcomesOnly) : 0;
    }
    return failed == 0 ? 0 : 1;
}
