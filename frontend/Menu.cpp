#include "frontend/Menu.h"

void Menu::loadImages(SDL_Surface*) {}
void Menu::enter(int playerCount) { playerCount_ = playerCount; }
int Menu::handleInput(KeyState) { return -1; }
int Menu::takeSoundEvent() { return -1; }
void Menu::draw() {}
