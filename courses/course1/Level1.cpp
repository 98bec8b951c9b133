#include "courses/course1/Level1.h"

#include <cstdlib>

namespace {

const char* const kImageFiles[Level1::kImageCount] = {
    "data/L1/1001.obx", "data/L1/1002.obx", "data/L1/1003.obx", "data/L1/1004.obx",
    "data/L1/1005.obx", "data/L1/1006.obx", "data/L1/1007.obx", "data/L1/1007.obx",
    "data/L1/1009.obx", "data/L1/1010.obx", "data/L1/1011.obx", "data/L1/1012.obx",
    "data/L1/1013.obx", "data/L1/1014.obx", "data/L1/1015.obx", "data/L1/1016.obx",
    "data/L1/1017.obx", "data/L1/1018.obx", "data/L1/1019.obx", "data/L1/1020.obx",
    "data/M/m039.obx",  "data/M/m040.obx",  "data/M/m044.obx",  "data/M/m054.obx",
    "data/M/m055.obx",
};

// Obstacles stop coming early enough for the field to empty before the end.
constexpr int kLastSpawnSecond = 32;
constexpr int kEndSecond = 36;
constexpr int kHalvingSecond = 15;
constexpr int kDoublingSecond = 25;
constexpr int kBonusSpeed = 20;

constexpr int kCrashSound = 10;
constexpr int kCourseMusic = 1;

// The course end: the crafts gather in a small box at the left while the
// gate slides in, then fly right into it.
constexpr float kBoxLeft = 100.0f;
constexpr float kBoxRight = 108.0f;
constexpr float kBoxTop = 250.0f;
constexpr float kBoxBottom = 258.0f;
constexpr float kSteerStep = 3.0f;
constexpr int kGateStart = 800;
constexpr int kGateStop = 500;
constexpr int kGateStep = 2;
constexpr float kFlyOffEnd = 600.0f;

float stepToward(float value, float low, float high) {
    if (value > high) {
        return value - kSteerStep;
    }
    if (value < low) {
        return value + kSteerStep;
    }
    return value;
}

}  // namespace

void Level1::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    for (int i = 0; i < kImageCount; ++i) {
        loadObxImage(images_[i], kImageFiles[i], screen);
    }
}

void Level1::reset() {
    state_ = Playing;
    gateX_ = kGateStart;
    pendingSound_.raise(kCourseMusic);
    bonus_.active = false;
    for (Obstacle& o : obstacles_) {
        o.active = false;
    }
    for (SceneryObject& s : nearLayer_) {
        placeNear(s, rand() % 6 + 1, true);
    }
    for (SceneryObject& s : farLayer_) {
        placeFar(s, rand() % 2 + 1, true);
    }
    for (ScorePopup& p : popups_) {
        p.reset();
    }
}

// At reset the layers are spread over the whole width; later ones come in at
// the right edge. The caller draws the speed first; the rand order after it
// is picture, x (spread out only), y.
void Level1::placeNear(SceneryObject& s, int speed, bool spreadOut) {
    s.speed = speed;
    s.image = rand() % 7;
    s.takeSize(images_[kFirstNear + s.image]);
    s.x = spreadOut ? rand() % 800 : 800;
    s.y = rand() % 600 - 100;
    s.active = true;
}

// The far layer has one picture, yet a picture number is still drawn for it.
void Level1::placeFar(SceneryObject& s, int speed, bool spreadOut) {
    s.speed = speed;
    rand();
    s.image = 0;
    s.takeSize(images_[kFarPicture]);
    s.x = spreadOut ? rand() % 800 : 800;
    s.y = rand() % 600 - 100;
    s.active = true;
}

// A layer object that comes back with speed 0 stays parked just off the
// right edge until the next reset, so the layers thin out over a course.
void Level1::spawnNear() {
    const int slot = firstFreeSlot(nearLayer_);
    if (slot >= 0) {
        placeNear(nearLayer_[slot], rand() % 7, false);
    }
}

void Level1::spawnFar() {
    const int slot = firstFreeSlot(farLayer_);
    if (slot >= 0) {
        placeFar(farLayer_[slot], rand() % 3, false);
    }
}

void Level1::spawnObstacle() {
    if (rand() % 20 < 17) {
        return;
    }
    const int slot = firstFreeSlot(obstacles_);
    if (slot < 0) {
        return;
    }
    Obstacle& o = obstacles_[slot];
    o.active = true;
    o.speed = rand() % 5 + 10;
    o.image = rand() % kObstaclePictures;
    o.takeSize(images_[kFirstObstacle + o.image]);
    o.x = 800;
    // Up to 749: some start wholly below the screen and cross unseen.
    o.y = rand() % 750;
    rings_[slot].arm();
}

void Level1::placeObstacle(int slot, int picture, int x, int y, int speed) {
    if (picture < 0 || picture >= kObstaclePictures) {
        picture = 0;
    }
    Obstacle& o = obstacles_[slot];
    o.active = true;
    o.speed = speed;
    o.image = picture;
    o.takeSize(images_[kFirstObstacle + picture]);
    o.x = x;
    o.y = y;
    rings_[slot].arm();
}

void Level1::launchBonus(int kind) {
    bonus_.kind = kind;
    const ObxImage& picture = images_[kind == 1 ? kHalvingBonus : kDoublingBonus];
    bonus_.width = picture.width();
    bonus_.height = picture.height();
    bonus_.active = true;
    bonus_.speed = kBonusSpeed;
    bonus_.x = 800;
    bonus_.y = rand() % 300 + 100;
}

void Level1::perSecondTick(int seconds, int minutes, bool someoneFlying) {
    seconds_ = seconds;
    minutes_ = minutes;
    // Waits for a flying craft, so no one is taken to the gate mid-explosion.
    if (seconds >= kEndSecond && someoneFlying) {
        state_ = Approach;
        return;
    }
    if (seconds == kHalvingSecond && !bonus_.active) {
        launchBonus(1);
    }
    if (seconds == kDoublingSecond && !bonus_.active) {
        launchBonus(0);
    }
}

// Near passes and the crash test of one obstacle slot; true on a crash.
bool Level1::testSlot(int slot, float x, float y, int& result) {
    const Obstacle& o = obstacles_[slot];
    return testObstacle(x, y, o, images_[kFirstObstacle + o.image], rings_[slot], popups_[slot],
                        pendingSound_, result);
}

bool Level1::bonusTouched(float x, float y) {
    if (!craftTouchesBox(x, y, bonus_.box())) {
        return false;
    }
    bonus_.active = false;
    return true;
}

int Level1::updatePlayer1(float x, float y, bool canCollide) {
    spawnNear();
    spawnFar();
    if (state_ == Playing && seconds_ < kLastSpawnSecond) {
        spawnObstacle();
    }
    int result = 0;
    // A crash ends the scan: later slots are neither moved nor aged this frame.
    for (int i = 0; i < kSlots; ++i) {
        popups_[i].age();
        if (!obstacles_[i].active) {
            continue;
        }
        obstacles_[i].move();
        if (canCollide && testSlot(i, x, y, result)) {
            break;
        }
    }
    if (bonus_.active) {
        bonus_.move();
        if (canCollide && bonusTouched(x, y)) {
            result = bonus_.kind == 1 ? 3000 : 2000;
        }
    }
    moveScenery();
    lastResult1_ = result;
    return result;
}

// Player 2 sees the field where player 1's update left it and shares its rings.
int Level1::updatePlayer2(float x, float y, bool canCollide) {
    int result = 0;
    if (canCollide) {
        for (int i = 0; i < kSlots; ++i) {
            if (obstacles_[i].active && testSlot(i, x, y, result)) {
                break;
            }
        }
        if (bonus_.active && bonusTouched(x, y)) {
            result = bonus_.kind == 1 ? 3000 : 2000;
        }
    }
    lastResult2_ = result;
    return result;
}

void Level1::moveScenery() {
    for (SceneryObject& s : nearLayer_) {
        if (s.active) {
            s.move();
        }
    }
    for (SceneryObject& s : farLayer_) {
        if (s.active) {
            s.move();
        }
    }
}

Position Level1::steerOutro(float x, float y) {
    outroX_ = x;
    outroY_ = y;
    if (state_ == Approach) {
        outroX_ = stepToward(outroX_, kBoxLeft, kBoxRight);
        outroY_ = stepToward(outroY_, kBoxTop, kBoxBottom);
        if (gateX_ > kGateStop) {
            gateX_ -= kGateStep;
        }
        const bool inBox = kBoxLeft <= outroX_ && outroX_ <= kBoxRight && kBoxTop <= outroY_ &&
                           outroY_ <= kBoxBottom;
        if (inBox && gateX_ <= kGateStop) {
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

// The fly-off picture to show, one more for every 50 pixels from x 150 on;
// 100 once the crafts are inside the gate.
int Level1::progress() const {
    if (state_ != FlyOff) {
        return -1;
    }
    if (outroX_ >= kFlyOffEnd) {
        return 100;
    }
    int frame = 0;
    for (float edge = 150.0f; frame < 8 && outroX_ >= edge; edge += 50.0f) {
        ++frame;
    }
    return frame;
}

int Level1::hazardBoxes(Box* out, int capacity) const {
    int count = 0;
    for (const Obstacle& o : obstacles_) {
        if (o.active && count < capacity) {
            out[count++] = o.box();
        }
    }
    return count;
}

void Level1::draw() {
    images_[kBackground].draw(screen_, 0, 0);
    for (const SceneryObject& s : farLayer_) {
        if (s.active) {
            images_[kFarPicture].draw(screen_, s.x, s.y);
        }
    }
    for (const SceneryObject& s : nearLayer_) {
        if (s.active) {
            images_[kFirstNear + s.image].draw(screen_, s.x, s.y);
        }
    }
    images_[kGate].draw(screen_, gateX_, kGateY);
    for (const Obstacle& o : obstacles_) {
        if (o.active) {
            images_[kFirstObstacle + o.image].draw(screen_, o.x, o.y);
        }
    }
    // The bonus is shown here too, so a player can see what is coming.
    if (bonus_.active) {
        images_[bonus_.kind == 1 ? kHalvingBonus : kDoublingBonus].draw(screen_, bonus_.x,
                                                                        bonus_.y);
    }
    drawPopups();
}

void Level1::drawPopups() {
    const PopupDigits digits{&images_[kDigitZero], &images_[kDigitOne], &images_[kDigitFive]};
    for (const ScorePopup& p : popups_) {
        drawScorePopup(p, digits, screen_);
    }
}
