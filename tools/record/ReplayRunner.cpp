#include "record/ReplayRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "highscore/HighscoreFile.h"
#include "support/FixedPictures.h"
#include "support/GameDigest.h"
#include "support/GeneratedRunFolder.h"
#include "support/HeldKeys.h"

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
