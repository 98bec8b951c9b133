#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "courses/course1/Level1.h"
#include "courses/course2/Level2.h"
#include "courses/course3/Level3.h"
#include "courses/course4/Level4.h"
#include "frontend/CutscenePlayer.h"
#include "frontend/Menu.h"
#include "game/CourseRules.h"
#include "game/Types.h"
#include "highscore/HighscoreScreen.h"
#include "player/Player.h"

// The one owner of all game state: the current screen, both crafts, the
// menu, the four courses, the name entry, the cutscenes, the clock, the
// scores and the HUD pictures.
class Game {
  public:
    static constexpr int kCourseCount = 4;
    static constexpr int kDigitSpacing = 18;
    static constexpr int kTitleMusic = 0;

    Game() = default;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Loads every picture and opens the menu.
    void loadAll(SDL_Surface* screen);
    // Enters a mode and runs its entry actions.
    void setMode(int mode);
    void perFrameTick();
    void perSecondTick();
    // One logic frame; returns the frame's SoundEvent.
    int update(KeyState keys);
    void render();
    int getMusicVolume() const;
    void gameOver();

    void drawHud();
    // Draws the digits of text from (x, y), 18 pixels a character; other
    // characters keep their place but draw nothing.
    void drawDigits(int x, int y, const char* text);
    // The course banner, during the first three seconds of a course.
    void drawBanner(int course);

    // The player count the next game starts with (the menu sets it; the
    // snapshot tool too).
    void setPlayerCount(int count) { playerCount_ = count == 2 ? 2 : 1; }

    // The options page's settings remembered from an earlier run.
    void setOptions(const MenuOptions& options);

    int mode() const { return mode_; }
    const Menu& menu() const { return menu_; }
    int playerCount() const { return playerCount_; }
    int score1() const { return score1_; }
    int score2() const { return score2_; }
    int status1() const { return status1_; }
    int status2() const { return status2_; }
    int startingLives() const { return startingLives_; }
    int finalScore() const { return finalScore_; }
    bool isPaused() const { return paused_ == 1; }
    int frameCounter() const { return frameCounter_; }
    int seconds() const { return seconds_; }
    int minutes() const { return minutes_; }
    const Player& player1() const { return player1_; }
    const Player& player2() const { return player2_; }
    const Level1& level1() const { return level1_; }
    const Level2& level2() const { return level2_; }
    const Level3& level3() const { return level3_; }
    const Level4& level4() const { return level4_; }

  private:
    CourseRules<Game, Player> rules();
    void loadHudImages();
    void resetClock();
    void startGame();
    void takePauseKey(KeyState keys);
    int cutsceneFrame(KeyState keys, int scene, int nextMode);
    int finalCutsceneFrame(KeyState keys);
    int courseFrame(KeyState keys);
    void drawCourseFrame();
    void drawLifeIcons(const ObxImage& icon, int lives, int y);
    void drawScore(int score, int y);

    int mode_ = ModeMenu;
    Player player1_{1};
    Player player2_{2};
    Menu menu_;
    Level1 level1_;
    Level2 level2_;
    Level3 level3_;
    Level4 level4_;
    HighscoreScreen highscoreScreen_;
    CutscenePlayer cutscenePlayer_;
    SDL_Surface* screen_ = nullptr;

    ObxImage leftLabel_;
    ObxImage rightLabel_;
    ObxImage digitImages_[10];
    ObxImage bannerCommon_;
    ObxImage bannerCourses_[kCourseCount];
    ObxImage lifeIcon1_;
    ObxImage lifeIcon2_;
    ObxImage pauseImage_;

    int frameCounter_ = 0;
    int seconds_ = 0;
    int minutes_ = 0;
    int score1_ = 0;
    int score2_ = 0;
    int startingLives_ = 0;
    int paused_ = 0;
    bool pauseKeyHeld_ = false;
    int playerCount_ = 1;
    int status1_ = 0;
    int status2_ = 0;
    int finalScore_ = 0;
};
