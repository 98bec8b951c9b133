#include "courses/BonusObject.h"

#include <cstdlib>

void BonusObject::launch(int bonusKind, const ObxImage& picture) {
    kind = bonusKind;
    width = picture.width();
    height = picture.height();
    active = true;
    speed = kSpeed;
    x = 800;
    y = std::rand() % 300 + 100;
}

void BonusObject::launchOnTime(int seconds, int halvingSecond, int doublingSecond,
                               const ObxImage& doubling, const ObxImage& halving) {
    if (seconds == halvingSecond && !active) {
        launch(1, halving);
    }
    if (seconds == doublingSecond && !active) {
        launch(0, doubling);
    }
}

bool BonusObject::takenBy(float craftX, float craftY, int& result) {
    if (!craftTouchesBox(craftX, craftY, box())) {
        return false;
    }
    result = kind == 1 ? kHalves : kDoubles;
    active = false;
    return true;
}

// The bonus that has just left the screen is still tested where it ended up.
void BonusObject::advance(float craftX, float craftY, bool canCollide, int& result) {
    if (!active) {
        return;
    }
    move();
    if (canCollide) {
        takenBy(craftX, craftY, result);
    }
}

void BonusObject::draw(const ObxImage& doubling, const ObxImage& halving,
                       SDL_Surface* screen) const {
    if (active) {
        (kind == 1 ? halving : doubling).draw(screen, x, y);
    }
}
