#include "support/ReplayRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "highscore/HighscoreFile.h"
#include "support/FixedPictures.h"
#include "support/GameDigest.h"
#include "support/GeneratedRunFolder.h"
#include "support/HeldKeys.h"

namespace {

// The mode the game was in after a frame, by the recorded mode changes.
int modeAt(const std::vector<ModeChange>& modes, int frame) {
    int mode = 0;
    for (const ModeChange& change : modes) {
        if (change.frame <= frame) {
            mode = change.mode;
        }
    }
    return mode;
}

std::string describe(const ModeChange& change) {
    return "mode " + std::to_string(change.mode) + " at frame " + std::to_string(change.frame);
}

}  // namespace

ReplayRunner::ReplayRunner(const ReplayStart& start, bool generatedPictures) {
    here_ = std::make_unique<WorkingDirectory>(folder_.path());
    const bool written = generatedPictures ? GeneratedRunFolder::copyInto(folder_.path(), {"data"})
                                           : FixedPictures::write(folder_.path());
    if (!here_->entered() || !written) {
        return;
    }
    writeDefaultHighscores();
    testing::internal::CaptureStdout();
    game_->loadAll(screen_.surface());
    // Every picture is there: not one "null".
    ready_ = testing::internal::GetCapturedStdout().empty();
    std::srand(1);
    game_->setPlayerCount(start.players);
    if (start.mode != 0) {
        // A later course is entered as a new game would reach it.
        game_->setMode(ModeCourse1);
        game_->setMode(start.mode);
    }
    driver_ = std::make_unique<GameDriver>(*game_);
}

ReplayRunner::~ReplayRunner() {
    driver_.reset();
    here_.reset();
}

void ReplayRunner::play(const ReplayFrame& frame) {
    if (frame.escape) {
        driver_->escape();
    }
    HeldKeys keys;
    for (int key : frame.keys) {
        keys.hold(key);
    }
    const int sound = driver_->frame(keys.keys());
    digests_.push_back(GameDigest::of(*game_, sound));
}

ReplayOutcome ReplayRunner::outcome() const {
    ReplayOutcome o;
    o.modes = driver_->modeChanges();
    o.mode = game_->mode();
    o.score[0] = game_->score1();
    o.score[1] = game_->score2();
    o.lives[0] = game_->player1().lives();
    o.lives[1] = game_->player2().lives();
    o.status[0] = game_->status1();
    o.status[1] = game_->status2();
    o.digests = digests_;
    return o;
}

std::string ReplayRunner::firstDrift(const ReplayOutcome& expected, const ReplayOutcome& actual) {
    std::ostringstream why;
    const size_t frames = std::min(expected.digests.size(), actual.digests.size());
    for (size_t i = 0; i < frames; ++i) {
        if (expected.digests[i] != actual.digests[i]) {
            const int frame = static_cast<int>(i) + 1;
            why << "drifts at frame " << frame << " (recorded in mode "
                << modeAt(expected.modes, frame) << ", now in mode " << modeAt(actual.modes, frame)
                << ")";
            return why.str();
        }
    }
    if (expected.digests.size() != actual.digests.size()) {
        why << "ran " << actual.digests.size() << " frames, recorded " << expected.digests.size();
        return why.str();
    }
    for (size_t i = 0; i < std::max(expected.modes.size(), actual.modes.size()); ++i) {
        if (i >= expected.modes.size() || i >= actual.modes.size() ||
            expected.modes[i].frame != actual.modes[i].frame ||
            expected.modes[i].mode != actual.modes[i].mode) {
            why << "mode change " << i << ": recorded "
                << (i < expected.modes.size() ? describe(expected.modes[i]) : "none") << ", now "
                << (i < actual.modes.size() ? describe(actual.modes[i]) : "none");
            return why.str();
        }
    }
    for (int p = 0; p < 2; ++p) {
        if (expected.score[p] != actual.score[p] || expected.lives[p] != actual.lives[p] ||
            expected.status[p] != actual.status[p]) {
            why << "player " << p + 1 << " ends with score " << actual.score[p] << ", lives "
                << actual.lives[p] << ", status " << actual.status[p] << "; recorded "
                << expected.score[p] << ", " << expected.lives[p] << ", " << expected.status[p];
            return why.str();
        }
    }
    return expected.mode == actual.mode ? "" : "ends in another mode";
}
