#include "game/Game.h"

void Game::loadAll(SDL_Surface* screen) {
    screen_ = screen;
    mode_ = ModeMenu;
}
void Game::setMode(int mode) { mode_ = mode; }
void Game::perFrameTick() {}
void Game::perSecondTick() {}
int Game::update(KeyState) { return kNoSound; }
void Game::render() {}
int Game::getMusicVolume() const { return menu_.musicVolume(); }
void Game::gameOver() { setMode(ModeMenu); }
