#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "courses/course1/Level1.h"
#include "courses/course2/Level2.h"
#include "courses/course3/Level3.h"
#include "courses/course4/Level4.h"
#include "frontend/CutscenePlayer.h"
#include "frontend/Menu.h"
#include "game/Types.h"
#include "highscore/HighscoreScreen.h"
#include "player/Player.h"

// The one owner of all game state: the current screen, both crafts, the
// menu, the four courses, the name entry, the cutscenes, the clock, the
// scores and the HUD pictures.
class Game {
public:
    void loadAll(SDL_Surface* screen);
    void setMode(int mode);
    int mode() const { return mode_; }
    void perFrameTick();
    void perSecondTick();
    int update(KeyState keys);
    void render();
    int getMusicVolume() const;
    void gameOver();

private:
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
};
