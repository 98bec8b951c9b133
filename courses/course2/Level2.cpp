#include "courses/course2/Level2.h"

#include <algorithm>

#include "courses/ImageFile.h"

namespace {

// The files in load order (the file numbers in turn) and the entry each fills.
const ImageFile kImageFiles[Level2::kImageCount] = {
    {"data/L2/2001.obx", 0},  {"data/L2/2002.obx", 1},  {"data/L2/2003.obx", 2},
    {"data/L2/2004.obx", 9},  {"data/L2/2005.obx", 10}, {"data/L2/2006.obx", 11},
    {"data/L2/2007.obx", 12}, {"data/L2/2008.obx", 3},  {"data/L2/2009.obx", 4},
    {"data/L2/2010.obx", 5},  {"data/L2/2011.obx", 6},  {"data/L2/2012.obx", 7},
    {"data/L2/2013.obx", 8},  {"data/L2/2014.obx", 13}, {"data/L2/2015.obx", 14},
    {"data/L2/2016.obx", 15}, {"data/M/m039.obx", 16},  {"data/M/m040.obx", 17},
    {"data/M/m044.obx", 18},  {"data/M/m054.obx", 19},  {"data/M/m055.obx", 20},
};

constexpr int kLastSpawnSecond = 32;  // no obstacle spawns from this second on
constexpr int kGateStop = 538;
constexpr float kFinishedAt = 580.0f;
constexpr int kFloorSpeed = 5;
constexpr int kSweeperSpeed = 20;

// Each kind rolls a chance of its own; the height rolled is that of the
// obstacle's bottom edge. Kind 3 has a single picture.
constexpr ObstacleSlots::SpawnRule kKind1Rule{50, 49, 15, 5, 2, 600, 0, true};
constexpr ObstacleSlots::SpawnRule kKind2Rule{20, 19, 15, 5, 5, 600, 0, true};
constexpr ObstacleSlots::SpawnRule kKind3Rule{90, 80, 15, 5, 1, 600, 0, true};
constexpr SceneryLayer::Rule kLayerRule{6, 1, 7, 0, 4, 600, -100};

// The kind-1 creature: picture 0 for 19 frames, picture 1 for 21.
void animate(Course2Object& o) {
    ++o.frameCounter;
    if (o.frameCounter < 20) {
        o.image = 0;
    } else if (o.frameCounter < 40) {
        o.image = 1;
    } else {
        o.frameCounter = 0;
    }
}

// What a pilot must keep clear of: the obstacle's box and the picture shown.
Box hazardBox(const Course2Object& o, const ObxImage& picture) {
    return Box{o.x, o.y, std::max(o.width, picture.width()), std::max(o.height, picture.height())};
}

}  // namespace

// The crash test reads the drawn picture at the obstacle's place. The box an
// obstacle keeps comes from the picture chosen at spawn; should an animated
// obstacle's pictures differ in size, this keeps every pixel read inside the
// picture actually shown.
Level2::Level2()
    : outro_(kGateStop, kFinishedAt),
      kinds_{ObstacleSlots(kKind1Slots, &animate, ObstacleSlots::CrashArea::ShownPicture),
             ObstacleSlots(kKind2Slots, nullptr, ObstacleSlots::CrashArea::ShownPicture),
             ObstacleSlots(kKind3Slots, nullptr, ObstacleSlots::CrashArea::ShownPicture)},
      layer_(kLayerRule) {}

void Level2::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    loadImageTable(images_, kImageFiles, screen);
    prepareFadingDigits(images_[kDigitZero], images_[kDigitOne], images_[kDigitFive], screen);
}

void Level2::reset() {
    state_ = Playing;
    outro_.reset();
    pendingSound_.raise(2);
    bonus_.active = false;
    sweeper_.active = false;
    for (ObstacleSlots& slots : kinds_) {
        slots.clear();
    }
    layer_.spreadOut(&images_[kLayerPicture]);
    for (int t = 0; t < 2; ++t) {
        Course2Object& tile = floorTiles_[t];
        tile.takeSize(images_[kFloorTile]);
        tile.speed = kFloorSpeed;
        tile.x = t == 0 ? 0 : tile.width;
        tile.y = 600 - tile.height;
    }
}

void Level2::placeObstacle(int number, int slot, int picture, int x, int y, int speed) {
    kinds_[index(number)].place(slot, picture, pictures(number)[picture], x, y, speed);
}

void Level2::placeSweeper(int x) {
    launchSweeper();
    sweeper_.x = x;
}

void Level2::launchSweeper() {
    sweeper_.active = true;
    sweeper_.speed = kSweeperSpeed;
    sweeper_.image = 0;
    sweeper_.frameCounter = 0;
    sweeper_.takeSize(images_[kSweeperPicture]);
    sweeper_.x = 800;
    sweeper_.y = 0;
}

// A tile that has left the screen goes back to the right edge, wherever the
// other one is.
void Level2::moveFloor() {
    for (Course2Object& tile : floorTiles_) {
        tile.x -= tile.speed;
        if (tile.x < -tile.width) {
            tile.x = 800;
        }
    }
}

void Level2::perSecondTick(int seconds, int minutes, bool someoneFlying) {
    seconds_ = seconds;
    minutes_ = minutes;
    if (seconds > 35 && someoneFlying) {
        state_ = Approach;
    } else if (state_ == Playing && seconds < kLastSpawnSecond) {
        kinds_[2].spawn(kKind3Rule, pictures(3));
    }
    bonus_.launchOnTime(seconds, 15, 25, images_[kDoublingBonus], images_[kHalvingBonus]);
    if (seconds % 30 == 0) {
        launchSweeper();
    }
}

bool Level2::hitsSweeper(float x, float y) {
    if (!craftHitsImage(x, y, sweeper_.box(), images_[kSweeperPicture])) {
        return false;
    }
    pendingSound_.raise(10);
    return true;
}

// A crash ends the scan of its own kind only.
int Level2::updatePlayer1(float x, float y, bool canCollide) {
    layer_.spawn(&images_[kLayerPicture]);
    if (state_ == Playing && seconds_ < kLastSpawnSecond) {
        kinds_[0].spawn(kKind1Rule, pictures(1));
        kinds_[1].spawn(kKind2Rule, pictures(2));
    }
    if (state_ != FlyOff) {
        moveFloor();
    }
    layer_.move();
    int result = 0;
    for (int k = 1; k <= 3; ++k) {
        kinds_[index(k)].advance(x, y, canCollide, pictures(k), pendingSound_, result);
    }
    bonus_.advance(x, y, canCollide, result);
    if (sweeper_.active) {
        sweeper_.move();
        if (canCollide && hitsSweeper(x, y)) {
            return sweeper_.speed;
        }
    }
    return result;
}

int Level2::updatePlayer2(float x, float y, bool canCollide) {
    int result = 0;
    if (!canCollide) {
        return result;
    }
    for (int k = 1; k <= 3; ++k) {
        kinds_[index(k)].test(x, y, pictures(k), pendingSound_, result);
    }
    if (bonus_.active) {
        bonus_.takenBy(x, y, result);
    }
    if (sweeper_.active && hitsSweeper(x, y)) {
        return sweeper_.speed;
    }
    return result;
}

int Level2::takeSoundEvent() {
    return pendingSound_.take();
}

bool Level2::isPlaying() const {
    return state_ == Playing;
}

Position Level2::steerOutro(float x, float y) {
    return outro_.steer(state_, x, y);
}

int Level2::hazardBoxes(Box* out, int capacity) const {
    int n = 0;
    for (int k = 1; k <= 3; ++k) {
        for (int i = 0; i < slotCount(k) && n < capacity; ++i) {
            const Course2Object& o = obstacle(k, i);
            if (o.active) {
                out[n++] = hazardBox(o, pictures(k)[o.image]);
            }
        }
    }
    if (sweeper_.active && n < capacity) {
        out[n++] = sweeper_.box();
    }
    return n;
}

void Level2::draw() {
    images_[kBackground].draw(screen_, 0, 0);
    layer_.draw(&images_[kLayerPicture], screen_);
    images_[kGate].draw(screen_, outro_.gateX(), 0);
    for (int k = 1; k <= 3; ++k) {
        kinds_[index(k)].draw(pictures(k), screen_);
    }
    bonus_.draw(images_[kDoublingBonus], images_[kHalvingBonus], screen_);
    if (sweeper_.active) {
        images_[kSweeperPicture].draw(screen_, sweeper_.x, sweeper_.y);
    }
}

void Level2::drawFloor() {
    images_[kFloorTile].draw(screen_, floorTiles_[0].x, floorTiles_[0].y);
    images_[kFloorTile].draw(screen_, floorTiles_[1].x, floorTiles_[0].y);
}

void Level2::drawPopups() {
    const PopupDigits digits{&images_[kDigitZero], &images_[kDigitOne], &images_[kDigitFive]};
    for (const ObstacleSlots& slots : kinds_) {
        slots.drawPopups(digits, screen_);
    }
}
