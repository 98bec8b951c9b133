#include "frontend/CutscenePlayer.h"

void CutscenePlayer::loadImages(SDL_Surface*) {}
void CutscenePlayer::start(int) {}
void CutscenePlayer::setClock(int, int) {}
void CutscenePlayer::setFrame(int) {}
int CutscenePlayer::handleInput(KeyState, int) { return -1; }
int CutscenePlayer::takeSoundEvent() { return -1; }
void CutscenePlayer::draw(int) {}
