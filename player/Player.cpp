#include "player/Player.h"

void Player::loadImages(SDL_Surface*) {}
void Player::start(int course, int) { course_ = course; }
int Player::updateInput(KeyState) { return 1; }
void Player::steerTo(float x, float y) {
    x_ = x;
    y_ = y;
}
void Player::setFinishFrame(int) {}
void Player::bounce() {}
void Player::hit(int) {}
void Player::draw() {}
