#include "WholeGameFixture.h"

#include "highscore/HighscoreFile.h"
#include "support/FixedPictures.h"
#include "support/GameDigest.h"
#include "support/ReplayRecording.h"
#include "support/TestPictures.h"

WholeGameFixture::WholeGameFixture() {
    here_ = std::make_unique<WorkingDirectory>(folder_.path());
}

WholeGameFixture::~WholeGameFixture() {
    driver_.reset();
    here_.reset();
}

void WholeGameFixture::loadFixedGame() {
    ASSERT_TRUE(FixedPictures::write(folder_.path()));
    writeDefaultHighscores();
    loadGame();
}

void WholeGameFixture::loadGame() {
    ASSERT_TRUE(here_->entered());
    // Absent pictures say "null"; the tests do not need to hear it.
    testing::internal::CaptureStdout();
    game_->loadAll(screen_.surface());
    testing::internal::GetCapturedStdout();
    driver_ = std::make_unique<GameDriver>(*game_);
}

void WholeGameFixture::beforeFrame() {
    ledgers_[0].before(game_->player1(), game_->score1());
    ledgers_[1].before(game_->player2(), game_->score2());
}

int WholeGameFixture::frame(const HeldKeys& keys, bool render) {
    beforeFrame();
    const int modeBefore = game_->mode();
    const int sound = driver_->frame(keys.keys(), render);
    afterFrame(modeBefore);
    return sound;
}

void WholeGameFixture::afterFrame(int modeBefore) {
    const int mode = game_->mode();
    if (running_) {
        const bool boss = modeBefore == ModeCourse4;
        const int frames = driver_->frames();
        EXPECT_TRUE(ledgers_[0].after(frames, game_->player1(), game_->score1(), boss));
        if (game_->playerCount() == 2) {
            EXPECT_TRUE(ledgers_[1].after(frames, game_->player2(), game_->score2(), boss));
        }
    }
    if (mode == ModeCourse1 && modeBefore != ModeCourse1) {
        // A new game: both scores start from 0.
        running_ = true;
        ledgers_[0] = ScoreLedger();
        ledgers_[1] = ScoreLedger();
    } else if (mode == ModeMenu || mode == ModeNameEntry) {
        running_ = false;
    }
}

void WholeGameFixture::idle(int frames) {
    const HeldKeys none;
    for (int i = 0; i < frames; ++i) {
        frame(none);
    }
}

void WholeGameFixture::tap(int key) {
    frame(HeldKeys{key});
    idle(1);
}

void WholeGameFixture::escape() {
    beforeFrame();
    const int modeBefore = game_->mode();
    ASSERT_EQ(0, driver_->escape()) << "Escape would have ended the program";
    afterFrame(modeBefore);
}

void WholeGameFixture::startGame(int players, int lives) {
    idle(1);           // the menu waits for Return to be up
    tap(SDLK_DOWN);    // options
    tap(SDLK_RETURN);  // the options page, on "back"
    tap(SDLK_UP);      // players
    tap(players == 2 ? SDLK_RIGHT : SDLK_LEFT);
    tap(SDLK_UP);  // starting lives; the menu keeps them from game to game
    for (int i = 0; i < 8; ++i) {
        tap(SDLK_LEFT);
    }
    for (int i = 1; i < lives; ++i) {
        tap(SDLK_RIGHT);
    }
    tap(SDLK_UP);
    tap(SDLK_UP);      // back
    tap(SDLK_RETURN);  // the first page, on "options"
    tap(SDLK_UP);      // start
    frame(HeldKeys{SDLK_RETURN});
}

ReplayRecording WholeGameFixture::recorded(const char* name) {
    ReplayRecording recording;
    const std::string path = std::string(KAVREL_SOURCE_DIR) + "/tests/whole/replays/" + name;
    EXPECT_EQ("", recording.read(path + ".txt"));
    return recording;
}

int WholeGameFixture::play(const ReplayRecording& recording, bool checked) {
    const ReplayStart& start = recording.start;
    game_->setPlayerCount(start.players);
    if (start.mode != 0) {
        enterGameAt(start.mode, start.players);
    }
    for (size_t f = 0; f < recording.frames.size(); ++f) {
        const ReplayFrame& input = recording.frames[f];
        if (input.escape) {
            escape();
        }
        HeldKeys keys;
        for (int key : input.keys) {
            keys.hold(key);
        }
        const int sound = frame(keys);
        if (checked && recording.expected.digests[f] != GameDigest::of(*game_, sound)) {
            return static_cast<int>(f) + 1;
        }
    }
    return 0;
}

void WholeGameFixture::enterGameAt(int mode, int players) {
    game_->setPlayerCount(players);
    game_->setMode(ModeCourse1);
    game_->setMode(mode);
    ledgers_[0] = ScoreLedger();
    ledgers_[1] = ScoreLedger();
    running_ = true;
}

void WholeGameFixture::typeName(const char* letters) {
    for (const char* c = letters; *c; ++c) {
        tap(*c);
    }
    frame(HeldKeys{SDLK_RETURN});
    idle(1);
}

void WholeGameFixture::openHighscorePage() {
    idle(1);
    tap(SDLK_DOWN);
    tap(SDLK_DOWN);
    frame(HeldKeys{SDLK_RETURN});
}

std::string WholeGameFixture::storedBytes() const {
    return readFileStart(folder_.file(kHighscorePath), 4096);
}

HighscoreTable WholeGameFixture::storedTable() {
    HighscoreTable table;
    readStoredHighscores(table);
    return table;
}

int WholeGameFixture::entryNamed(const HighscoreTable& table, const std::string& name) {
    for (int e = 0; e < HighscoreTable::kEntries; ++e) {
        if (name == table.slot(HighscoreTable::nameSlot(e))) {
            return e;
        }
    }
    return -1;
}
