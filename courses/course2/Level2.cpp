#include "courses/course2/Level2.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The files in load order (the file numbers in turn) and the entry each fills.
struct ImageFile {
    const char* path;
    int entry;
};
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
constexpr int kFlyOffEnd = 600;
constexpr int kFinishedAt = 580;
constexpr int kFloorSpeed = 5;
constexpr int kSweeperSpeed = 20;
constexpr int kBonusSpeed = 20;

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

// The box the crash test reads: the drawn picture at the obstacle's place.
// The box an obstacle keeps comes from the picture chosen at spawn; should
// an animated obstacle's pictures differ in size, this keeps every pixel
// read inside the picture actually shown.
Box drawnBox(const Course2Object& o, const ObxImage& picture) {
    return Box{o.x, o.y, picture.width(), picture.height()};
}

// What a pilot must keep clear of: the obstacle's box and the picture shown.
Box hazardBox(const Course2Object& o, const ObxImage& picture) {
    return Box{o.x, o.y, std::max(o.width, picture.width()), std::max(o.height, picture.height())};
}

}  // namespace

void Level2::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    for (const ImageFile& file : kImageFiles) {
        loadObxImage(images_[file.entry], file.path, screen);
    }
}

void Level2::reset() {
    state_ = Playing;
    gateX_ = 800;
    pendingSound_.raise(2);
    bonus_.active = false;
    sweeper_.active = false;
    for (int k = 1; k <= 3; ++k) {
        const KindView view = kind(k);
        for (int i = 0; i < view.count; ++i) {
            view.obstacles[i].active = false;
            view.popups[i].reset();
        }
    }
    for (SceneryObject& s : layer_) {
        s.speed = std::rand() % 6 + 1;
        s.image = std::rand() % 4;
        s.takeSize(images_[kLayerPicture + s.image]);
        s.x = std::rand() % 800;
        s.y = std::rand() % 600 - 100;
        s.active = true;
    }
    for (int t = 0; t < 2; ++t) {
        Course2Object& tile = floorTiles_[t];
        tile.takeSize(images_[kFloorTile]);
        tile.speed = kFloorSpeed;
        tile.x = t == 0 ? 0 : tile.width;
        tile.y = 600 - tile.height;
    }
}

Level2::KindView Level2::kind(int number) {
    switch (number) {
        case 1:
            return KindView{obstacles1_, rings1_, popups1_, kKind1Slots, kKind1Picture, true};
        case 2:
            return KindView{obstacles2_, rings2_, popups2_, kKind2Slots, kKind2Picture, false};
        default:
            return KindView{obstacles3_, rings3_, popups3_, kKind3Slots, kKind3Picture, false};
    }
}

void Level2::placeObstacle(int number, int slot, int picture, int x, int y, int speed) {
    const KindView view = kind(number);
    Course2Object& o = view.obstacles[slot];
    o.active = true;
    o.image = picture;
    o.takeSize(images_[view.firstPicture + picture]);
    o.x = x;
    o.y = y;
    o.speed = speed;
    o.frameCounter = 0;
    view.rings[slot].arm();
}

void Level2::placeSweeper(int x) {
    launchSweeper();
    sweeper_.x = x;
}

void Level2::spawnLayer() {
    const int slot = firstFreeSlot(layer_);
    if (slot < 0) {
        return;
    }
    SceneryObject& s = layer_[slot];
    s.speed = std::rand() % 7;
    s.image = std::rand() % 4;
    s.takeSize(images_[kLayerPicture + s.image]);
    s.x = 800;
    s.y = std::rand() % 600 - 100;
    s.active = true;
}

// The roll comes first and is made even when the kind has no free slot.
// pictureCount 1 means the picture is fixed and no roll chooses it.
void Level2::spawnKind(KindView view, int chanceModulus, int chanceAtLeast, int pictureCount) {
    if (std::rand() % chanceModulus < chanceAtLeast) {
        return;
    }
    int slot = -1;
    for (int i = 0; i < view.count && slot < 0; ++i) {
        if (!view.obstacles[i].active) {
            slot = i;
        }
    }
    if (slot < 0) {
        return;
    }
    Course2Object& o = view.obstacles[slot];
    o.active = true;
    o.speed = std::rand() % 15 + 5;
    o.image = pictureCount > 1 ? std::rand() % pictureCount : 0;
    o.takeSize(images_[view.firstPicture + o.image]);
    o.x = 800;
    o.y = std::rand() % 600 - o.height;
    o.frameCounter = 0;
    view.rings[slot].arm();
}

void Level2::spawnKind1() {
    spawnKind(kind(1), 50, 49, 2);
}
void Level2::spawnKind2() {
    spawnKind(kind(2), 20, 19, 5);
}
void Level2::spawnKind3() {
    spawnKind(kind(3), 90, 80, 1);
}

void Level2::launchBonus(int bonusKind) {
    bonus_.kind = bonusKind;
    const ObxImage& picture = images_[bonusKind == 1 ? kHalvingBonus : kDoublingBonus];
    bonus_.width = picture.width();
    bonus_.height = picture.height();
    bonus_.active = true;
    bonus_.speed = kBonusSpeed;
    bonus_.x = 800;
    bonus_.y = std::rand() % 300 + 100;
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
        spawnKind3();
    }
    if (seconds == 15 && !bonus_.active) {
        launchBonus(1);
    }
    if (seconds == 25 && !bonus_.active) {
        launchBonus(0);
    }
    if (seconds % 30 == 0) {
        launchSweeper();
    }
}

// One kind's slots in order. advance (player 1's pass) also ages the popups
// and moves and animates the obstacles. A crash ends this kind's scan only.
void Level2::scanKind(KindView view, float x, float y, bool canCollide, bool advance, int& result) {
    for (int i = 0; i < view.count; ++i) {
        if (advance) {
            view.popups[i].age();
        }
        Course2Object& o = view.obstacles[i];
        if (!o.active) {
            continue;
        }
        if (advance) {
            o.move();
            if (view.animated) {
                animate(o);
            }
        }
        if (!canCollide) {
            continue;
        }
        testNearPasses(x, y, o.box(), view.rings[i], view.popups[i], pendingSound_, result);
        const ObxImage& picture = images_[view.firstPicture + o.image];
        if (craftHitsImage(x, y, drawnBox(o, picture), picture)) {
            result = o.speed;
            pendingSound_.raise(10);
            return;
        }
    }
}

bool Level2::testBonus(float x, float y, int& result) {
    if (!craftTouchesBox(x, y, bonus_.box())) {
        return false;
    }
    result = bonus_.kind == 1 ? 3000 : 2000;
    bonus_.active = false;
    return true;
}

bool Level2::hitsSweeper(float x, float y) {
    if (!craftHitsImage(x, y, sweeper_.box(), images_[kSweeperPicture])) {
        return false;
    }
    pendingSound_.raise(10);
    return true;
}

int Level2::updatePlayer1(float x, float y, bool canCollide) {
    spawnLayer();
    if (state_ == Playing && seconds_ < kLastSpawnSecond) {
        spawnKind1();
        spawnKind2();
    }
    if (state_ != FlyOff) {
        moveFloor();
    }
    for (SceneryObject& s : layer_) {
        if (s.active) {
            s.move();
        }
    }
    int result = 0;
    for (int k = 1; k <= 3; ++k) {
        scanKind(kind(k), x, y, canCollide, true, result);
    }
    if (bonus_.active) {
        bonus_.move();
        if (canCollide) {
            testBonus(x, y, result);
        }
    }
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
        scanKind(kind(k), x, y, true, false, result);
    }
    if (bonus_.active) {
        testBonus(x, y, result);
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
    outroX_ = x;
    outroY_ = y;
    if (state_ == Approach) {
        if (outroX_ > 108.0f) {
            outroX_ -= 3.0f;
        } else if (outroX_ < 100.0f) {
            outroX_ += 3.0f;
        }
        if (outroY_ > 258.0f) {
            outroY_ -= 3.0f;
        } else if (outroY_ < 250.0f) {
            outroY_ += 3.0f;
        }
        if (gateX_ > kGateStop) {
            gateX_ -= 2;
        }
        if (outroX_ >= 100.0f && outroX_ <= 108.0f && outroY_ >= 250.0f && outroY_ <= 258.0f &&
            gateX_ <= kGateStop) {
            state_ = FlyOff;
        }
        return Position{outroX_, outroY_};
    }
    if (state_ == FlyOff && outroX_ < kFlyOffEnd) {
        outroX_ += 10.0f;
        outroY_ += 1.0f;
        return Position{outroX_, outroY_};
    }
    return Position{x, y};
}

int Level2::progress() const {
    if (state_ != FlyOff) {
        return -1;
    }
    if (outroX_ >= kFinishedAt) {
        return 100;
    }
    if (outroX_ >= 500.0f) {
        return 8;
    }
    return outroX_ < 150.0f ? 0 : static_cast<int>((outroX_ - 100.0f) / 50.0f);
}

int Level2::hazardBoxes(Box* out, int capacity) const {
    int n = 0;
    for (int k = 1; k <= 3; ++k) {
        const Course2Object* obstacles = obstaclesOf(k);
        const int firstPicture = k == 1 ? kKind1Picture : k == 2 ? kKind2Picture : kKind3Picture;
        for (int i = 0; i < slotCount(k) && n < capacity; ++i) {
            const Course2Object& o = obstacles[i];
            if (o.active) {
                out[n++] = hazardBox(o, images_[firstPicture + o.image]);
            }
        }
    }
    if (sweeper_.active && n < capacity) {
        out[n++] = sweeper_.box();
    }
    return n;
}

void Level2::drawKind(const Course2Object* obstacles, int count, int firstPicture) {
    for (int i = 0; i < count; ++i) {
        if (obstacles[i].active) {
            images_[firstPicture + obstacles[i].image].draw(screen_, obstacles[i].x,
                                                            obstacles[i].y);
        }
    }
}

void Level2::draw() {
    images_[kBackground].draw(screen_, 0, 0);
    for (const SceneryObject& s : layer_) {
        if (s.active) {
            images_[kLayerPicture + s.image].draw(screen_, s.x, s.y);
        }
    }
    images_[kGate].draw(screen_, gateX_, 0);
    drawKind(obstacles1_, kKind1Slots, kKind1Picture);
    drawKind(obstacles2_, kKind2Slots, kKind2Picture);
    drawKind(obstacles3_, kKind3Slots, kKind3Picture);
    if (bonus_.active) {
        images_[bonus_.kind == 1 ? kHalvingBonus : kDoublingBonus].draw(screen_, bonus_.x,
                                                                        bonus_.y);
    }
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
    for (const ScorePopup& p : popups1_) {
        drawScorePopup(p, digits, screen_);
    }
    for (const ScorePopup& p : popups2_) {
        drawScorePopup(p, digits, screen_);
    }
    for (const ScorePopup& p : popups3_) {
        drawScorePopup(p, digits, screen_);
    }
}
