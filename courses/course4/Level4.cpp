#include "courses/course4/Level4.h"

void Level4::loadImages(SDL_Surface*) {}
void Level4::reset() {}
void Level4::perSecondTick(int, int, bool) {}
int Level4::updatePlayer1(float, float, bool) { return -1; }
int Level4::updatePlayer2(float, float, bool) { return -1; }
int Level4::takeSoundEvent() { return -1; }
bool Level4::inBossFight() const { return false; }
int Level4::takeBounce() { return 0; }
bool Level4::isFinished() const { return false; }
void Level4::draw() {}
void Level4::drawFade() {}
