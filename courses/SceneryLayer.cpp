#include "courses/SceneryLayer.h"

#include <cstdlib>

void SceneryLayer::spreadOut(const ObxImage* pictures) {
    for (SceneryObject& object : objects_) {
        place(object, std::rand() % rule_.resetSpeedModulus + rule_.resetSpeedBase, pictures, true);
    }
}

// An object that comes in with speed 0 stays parked just off the right edge
// until the next reset, so a layer whose newcomers may stand still thins out.
void SceneryLayer::spawn(const ObxImage* pictures) {
    const int slot = firstFreeSlot(objects_);
    if (slot >= 0) {
        place(objects_[slot], std::rand() % rule_.speedModulus + rule_.speedBase, pictures, false);
    }
}

void SceneryLayer::place(SceneryObject& object, int speed, const ObxImage* pictures, bool spread) {
    object.speed = speed;
    object.image = std::rand() % rule_.pictureCount;
    object.takeSize(pictures[object.image]);
    object.x = spread ? std::rand() % 800 : 800;
    object.y = std::rand() % rule_.yModulus + rule_.yBase;
    object.active = true;
}

void SceneryLayer::move() {
    for (SceneryObject& object : objects_) {
        if (object.active) {
            object.move();
        }
    }
}

void SceneryLayer::draw(const ObxImage* pictures, SDL_Surface* screen) const {
    for (const SceneryObject& object : objects_) {
        if (object.active) {
            pictures[object.image].draw(screen, object.x, object.y);
        }
    }
}
