#include "game/Game.h"

#include <cstdio>

#include "highscore/GameOver.h"

namespace {

constexpr int kPauseKey = SDLK_SPACE;

bool isCourse(int mode) {
    return mode >= ModeCourse1 && mode <= ModeCourse4;
}

bool isCutscene(int mode) {
    return mode == ModeCutscene0 || mode == ModeCutscene1 || mode == ModeCutscene2;
}

}  // namespace

CourseRules<Game, Player> Game::rules() {
    return CourseRules<Game, Player>(*this, Crew<Player>{player1_, player2_, playerCount_, status1_,
                                                         status2_, score1_, score2_});
}

void Game::loadAll(SDL_Surface* screen) {
    paused_ = 0;
    pauseKeyHeld_ = false;
    playerCount_ = 1;
    screen_ = screen;
    player1_.loadImages(screen);
    player2_.loadImages(screen);
    menu_.loadImages(screen);
    highscoreScreen_.loadImages(screen);
    level1_.loadImages(screen);
    level2_.loadImages(screen);
    level3_.loadImages(screen);
    level4_.loadImages(screen);
    cutscenePlayer_.loadImages(screen);
    mode_ = ModeMenu;
    menu_.enter(1);
    loadHudImages();
}

void Game::setOptions(const MenuOptions& options) {
    setPlayerCount(options.players);
    menu_.setOptions(options);
}

void Game::loadHudImages() {
    leftLabel_.load("data/M/m037.obx", screen_);
    rightLabel_.load("data/M/m038.obx", screen_);
    lifeIcon1_.load("data/MU/mu001.obx", screen_);
    lifeIcon2_.load("data/M2/m201.obx", screen_);
    loadNumberedObxImages(digitImages_, 10, "data/M/m%03d.obx", 39, screen_);
    bannerCommon_.load("data/M/m049.obx", screen_);
    loadNumberedObxImages(bannerCourses_, kCourseCount, "data/M/m%03d.obx", 50, screen_);
    pauseImage_.load("data/M/pause.obx", screen_);
}

void Game::resetClock() {
    frameCounter_ = 0;
    seconds_ = 0;
    minutes_ = 0;
}

void Game::setMode(int mode) {
    mode_ = mode;
    switch (mode) {
        case ModeCutscene0:
            resetClock();
            cutscenePlayer_.start(0);
            break;
        case ModeCutscene1:
            resetClock();
            cutscenePlayer_.start(1);
            break;
        case ModeCutscene2:
            resetClock();
            cutscenePlayer_.start(2);
            break;
        case ModeMenu:
            // A pause left standing would freeze the next game's cutscene.
            paused_ = 0;
            menu_.enter(playerCount_);
            break;
        case ModeCourse1:
            startGame();
            break;
        case ModeCourse2:
            resetClock();
            rules().enterCourse(2);
            level2_.reset();
            break;
        case ModeCourse3:
            resetClock();
            rules().enterCourse(3);
            level3_.reset();
            break;
        case ModeCourse4:
            resetClock();
            rules().enterCourse(4);
            level4_.reset();
            break;
        case ModeNameEntry:
            highscoreScreen_.enter(finalScore_, startingLives_);
            break;
        default:
            break;
    }
}

void Game::startGame() {
    startingLives_ = menu_.startingLives();
    resetClock();
    rules().startGame(startingLives_);
    level1_.reset();
}

void Game::perFrameTick() {
    if (paused_ == 1) {
        return;
    }
    ++frameCounter_;
    if (isCutscene(mode_)) {
        cutscenePlayer_.setFrame(frameCounter_);
    }
}

void Game::perSecondTick() {
    if (paused_ == 1) {
        return;
    }
    if (++seconds_ == 60) {
        seconds_ = 0;
        ++minutes_;
    }
    const bool someoneFlying = player1_.isFlying() || (playerCount_ == 2 && player2_.isFlying());
    switch (mode_) {
        case ModeCutscene0:
        case ModeCutscene1:
        case ModeCutscene2:
            cutscenePlayer_.setClock(seconds_, minutes_);
            break;
        case ModeCourse1:
            level1_.perSecondTick(seconds_, minutes_, someoneFlying);
            break;
        case ModeCourse2:
            level2_.perSecondTick(seconds_, minutes_, someoneFlying);
            break;
        case ModeCourse3:
            level3_.perSecondTick(seconds_, minutes_, someoneFlying);
            break;
        case ModeCourse4:
            level4_.perSecondTick(seconds_, minutes_, someoneFlying);
            break;
        default:
            break;
    }
}

int Game::getMusicVolume() const {
    return menu_.musicVolume();
}

void Game::gameOver() {
    setMode(decideGameOver(score1_, score2_, finalScore_));
}

void Game::takePauseKey(KeyState keys) {
    if (!keys[kPauseKey]) {
        pauseKeyHeld_ = false;
        return;
    }
    if (!pauseKeyHeld_) {
        paused_ = paused_ == 1 ? 0 : 1;
        pauseKeyHeld_ = true;
    }
}

int Game::update(KeyState keys) {
    if (isCourse(mode_)) {
        takePauseKey(keys);
        if (paused_ == 1) {
            return kNoSound;
        }
    }
    switch (mode_) {
        case ModeCutscene0:
            return cutsceneFrame(keys, 0, ModeCourse1);
        case ModeCutscene1:
            return cutsceneFrame(keys, 1, ModeCourse4);
        case ModeCutscene2:
            return finalCutsceneFrame(keys);
        case ModeMenu:
            if (menu_.handleInput(keys) == 1000) {
                playerCount_ = menu_.playerCount();
                setMode(ModeCutscene0);
            }
            return menu_.takeSoundEvent();
        case ModeNameEntry:
            if (highscoreScreen_.handleInput(keys) == 1) {
                setMode(ModeMenu);
            }
            // The title music the menu queued starts as the menu opens.
            return menu_.takeSoundEvent();
        default:
            return courseFrame(keys);
    }
}

int Game::cutsceneFrame(KeyState keys, int scene, int nextMode) {
    if (cutscenePlayer_.handleInput(keys, scene) == 1000) {
        setMode(nextMode);
    }
    return cutscenePlayer_.takeSoundEvent();
}

int Game::finalCutsceneFrame(KeyState keys) {
    if (cutscenePlayer_.handleInput(keys, 2) == 1000) {
        gameOver();
        return kTitleMusic;
    }
    return cutscenePlayer_.takeSoundEvent();
}

int Game::courseFrame(KeyState keys) {
    switch (mode_) {
        case ModeCourse1:
            return rules().raceFrame(level1_, keys, ModeCourse2);
        case ModeCourse2:
            return rules().raceFrame(level2_, keys, ModeCourse3);
        case ModeCourse3:
            return rules().raceFrame(level3_, keys, ModeCutscene1);
        case ModeCourse4:
            return rules().bossFrame(level4_, keys);
        default:
            return kNoSound;
    }
}

void Game::render() {
    switch (mode_) {
        case ModeCutscene0:
            cutscenePlayer_.draw(0);
            break;
        case ModeCutscene1:
            cutscenePlayer_.draw(1);
            break;
        case ModeCutscene2:
            cutscenePlayer_.draw(2);
            break;
        case ModeMenu:
            menu_.draw();
            break;
        case ModeNameEntry:
            highscoreScreen_.draw();
            break;
        default:
            drawCourseFrame();
            break;
    }
}

void Game::drawCourseFrame() {
    switch (mode_) {
        case ModeCourse1:
            rules().draw(level1_, 1);
            break;
        case ModeCourse2:
            rules().draw(level2_, 2);
            break;
        case ModeCourse3:
            rules().draw(level3_, 3);
            break;
        case ModeCourse4:
            rules().draw(level4_, 4);
            break;
        default:
            break;
    }
}

void Game::drawHud() {
    if (mode_ == ModeMenu) {
        return;
    }
    leftLabel_.draw(screen_, 20, 20);
    drawLifeIcons(lifeIcon1_, player1_.lives(), 20);
    rightLabel_.draw(screen_, 590, 20);
    drawScore(score1_, 20);
    if (playerCount_ == 2) {
        drawLifeIcons(lifeIcon2_, player2_.lives(), 60);
        drawScore(score2_, 60);
    }
    if (paused_ == 1) {
        pauseImage_.draw(screen_, 400 - pauseImage_.width() / 2, 300 - pauseImage_.height() / 2);
    }
}

void Game::drawLifeIcons(const ObxImage& icon, int lives, int y) {
    for (int i = 0; i < lives; ++i) {
        icon.draw(screen_, 120 + 35 * i, y);
    }
}

void Game::drawScore(int score, int y) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", score);
    drawDigits(690, y, text);
}

void Game::drawDigits(int x, int y, const char* text) {
    for (int i = 0; text[i] != '\0'; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digitImages_[text[i] - '0'].draw(screen_, x + kDigitSpacing * i, y);
        }
    }
}

void Game::drawBanner(int course) {
    if (minutes_ != 0 || seconds_ >= 3 || course < 1 || course > kCourseCount) {
        return;
    }
    bannerCommon_.draw(screen_, 320, 280);
    bannerCourses_[course - 1].draw(screen_, 420, 280);
}
