#include "highscore/HighscoreScreen.h"

void HighscoreScreen::loadImages(SDL_Surface*) {}
void HighscoreScreen::enter(int, int) {}
int HighscoreScreen::handleInput(KeyState) { return 0; }
void HighscoreScreen::draw() {}
