#include "courses/ObstacleSlots.h"

#include <cstdlib>

void ObstacleSlots::clear() {
    for (int i = 0; i < count_; ++i) {
        obstacles_[i].active = false;
        popups_[i].reset();
    }
}

void ObstacleSlots::place(int slot, int image, const ObxImage& picture, int x, int y, int speed) {
    Obstacle& o = obstacles_[slot];
    o.active = true;
    o.speed = speed;
    o.image = image;
    o.takeSize(picture);
    o.x = x;
    o.y = y;
    o.frameCounter = 0;
    rings_[slot].arm();
}

int ObstacleSlots::firstFree() const {
    for (int i = 0; i < count_; ++i) {
        if (!obstacles_[i].active) {
            return i;
        }
    }
    return -1;
}

void ObstacleSlots::spawn(const SpawnRule& rule, const ObxImage* pictures) {
    if (std::rand() % rule.chanceModulus < rule.chanceAtLeast) {
        return;
    }
    const int slot = firstFree();
    if (slot < 0) {
        return;
    }
    const int speed = std::rand() % rule.speedModulus + rule.speedBase;
    const int image = rule.pictureCount > 1 ? std::rand() % rule.pictureCount : 0;
    const ObxImage& picture = pictures[image];
    int y = std::rand() % rule.yModulus + rule.yBase;
    if (rule.rollsBottomEdge) {
        y -= picture.height();
    }
    place(slot, image, picture, 800, y, speed);
}

void ObstacleSlots::advance(float x, float y, bool canCollide, const ObxImage* pictures,
                            PendingSound& sound, int& result) {
    for (int i = 0; i < count_; ++i) {
        popups_[i].age();
        Obstacle& o = obstacles_[i];
        if (!o.active) {
            continue;
        }
        o.move();
        if (animation_) {
            animation_(o);
        }
        if (canCollide && crashes(i, x, y, pictures, sound, result)) {
            return;
        }
    }
}

void ObstacleSlots::test(float x, float y, const ObxImage* pictures, PendingSound& sound,
                         int& result) {
    for (int i = 0; i < count_; ++i) {
        if (obstacles_[i].active && crashes(i, x, y, pictures, sound, result)) {
            return;
        }
    }
}

bool ObstacleSlots::crashes(int slot, float x, float y, const ObxImage* pictures,
                            PendingSound& sound, int& result) {
    const Obstacle& o = obstacles_[slot];
    const ObxImage& picture = pictures[o.image];
    const Box area = crashArea_ == CrashArea::ShownPicture
                         ? Box{o.x, o.y, picture.width(), picture.height()}
                         : o.box();
    return testObstacle(x, y, o, area, picture, rings_[slot], popups_[slot], sound, result);
}

int ObstacleSlots::addBoxes(Box* out, int capacity, int count) const {
    for (int i = 0; i < count_; ++i) {
        if (obstacles_[i].active && count < capacity) {
            out[count++] = obstacles_[i].box();
        }
    }
    return count;
}

void ObstacleSlots::draw(const ObxImage* pictures, SDL_Surface* screen) const {
    for (int i = 0; i < count_; ++i) {
        const Obstacle& o = obstacles_[i];
        if (o.active) {
            pictures[o.image].draw(screen, o.x, o.y);
        }
    }
}

void ObstacleSlots::drawPopups(const PopupDigits& digits, SDL_Surface* screen) const {
    for (int i = 0; i < count_; ++i) {
        drawScorePopup(popups_[i], digits, screen);
    }
}
