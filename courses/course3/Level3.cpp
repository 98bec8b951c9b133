#include "courses/course3/Level3.h"

#include <cstdlib>

#include "courses/ImageFile.h"

namespace {

const char* const kImageFiles[Level3::kImageCount] = {
    "data/L3/1001.obx", "data/L3/1002.obx", "data/L3/1003.obx", "data/L3/1004.obx",
    "data/L3/1005.obx", "data/L3/1006.obx", "data/L3/1007.obx", "data/L3/1008.obx",
    "data/L3/1009.obx", "data/L3/1010.obx", "data/L3/1011.obx", "data/L3/1012.obx",
    "data/L3/1013.obx", "data/L3/1014.obx", "data/L3/1015.obx", "data/L3/1016.obx",
    "data/L3/1017.obx", "data/L3/1018.obx", "data/L3/1019.obx", "data/M/m039.obx",
    "data/M/m040.obx",  "data/M/m044.obx",  "data/M/m054.obx",  "data/M/m055.obx",
};

constexpr int kBackground = 0;
constexpr int kTopBand = 1;
constexpr int kBottomBand = 2;
constexpr int kDigitZero = 19;
constexpr int kDigitOne = 20;
constexpr int kDigitFive = 21;

constexpr int kBackgroundSpeed = 2;
constexpr int kBandSpeed = 5;
constexpr int kCraftHeight = 40;

// The animated obstacle shows picture 8 and picture 9 for 3 frames each.
constexpr int kAnimatedFirst = 8;
constexpr int kAnimatedSecond = 9;

// The fly-off: right at 10 a frame, drawn into the band 250..258 at 3 a frame.
constexpr float kOutroStepX = 10.0f;
constexpr float kOutroStepY = 3.0f;
constexpr float kOutroBandTop = 250.0f;
constexpr float kOutroBandBottom = 258.0f;
constexpr float kOutroExitX = 800.0f;

constexpr ObstacleSlots::SpawnRule kObstacleRule{90, 87, 15, 10, 9, 400, 40, false};
constexpr SceneryLayer::Rule kSceneryRule{10, 5, 10, 5, Level3::kSceneryPictures, 500, 40};

}  // namespace

Level3::Level3() : obstacles_(kSlots, &Level3::animate), scenery_(kSceneryRule) {}

void Level3::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    loadImageTable(images_, kImageFiles, screen);
    prepareFadingDigits(images_[kDigitZero], images_[kDigitOne], images_[kDigitFive], screen);
}

void Level3::reset() {
    state_ = Playing;
    pendingSound_.raise(3);
    bonus_.active = false;
    placePair(farBackground_, images_[kBackground], 0, kBackgroundSpeed);
    placePair(topBand_, images_[kTopBand], 0, kBandSpeed);
    const ObxImage& bottom = images_[kBottomBand];
    placePair(bottomBand_, bottom, 600 - bottom.height(), kBandSpeed);
    obstacles_.clear();
    scenery_.spreadOut(&sceneryPicture(0));
}

void Level3::scrollField() {
    scrollPair(farBackground_);
    scrollPair(topBand_);
    scrollPair(bottomBand_);
}

void Level3::animate(Obstacle& obstacle) {
    if (obstacle.image != kAnimatedFirst && obstacle.image != kAnimatedSecond) {
        return;
    }
    ++obstacle.frameCounter;
    if (obstacle.frameCounter == 3) {
        obstacle.image = kAnimatedSecond;
    } else if (obstacle.frameCounter == 6) {
        obstacle.image = kAnimatedFirst;
        obstacle.frameCounter = 0;
    }
}

// The top band's height serves both edges, so the channel is symmetric.
bool Level3::touchesBand(float y) const {
    const float h = static_cast<float>(bandHeight());
    return y < h || y + kCraftHeight > 600.0f - h;
}

int Level3::updatePlayer1(float x, float y, bool canCollide) {
    if (state_ != FlyOff) {
        scrollField();
    }
    int result = 0;
    if (canCollide && touchesBand(y)) {
        result = kBandContact;
        pendingSound_.raise(10);
    }
    scenery_.spawn(&sceneryPicture(0));
    if (state_ == Playing && seconds_ < 32) {
        obstacles_.spawn(kObstacleRule, &obstaclePicture(0));
    }
    obstacles_.advance(x, y, canCollide, &obstaclePicture(0), pendingSound_, result);
    // A bonus that has just left the screen is not taken any more.
    if (bonus_.active) {
        bonus_.move();
        if (canCollide && bonus_.active) {
            bonus_.takenBy(x, y, result);
        }
    }
    scenery_.move();
    return result;
}

int Level3::updatePlayer2(float x, float y, bool canCollide) {
    int result = 0;
    if (!canCollide) {
        return result;
    }
    if (touchesBand(y)) {
        result = kBandContact;
        pendingSound_.raise(10);
    }
    obstacles_.test(x, y, &obstaclePicture(0), pendingSound_, result);
    if (bonus_.active) {
        bonus_.takenBy(x, y, result);
    }
    return result;
}

void Level3::perSecondTick(int seconds, int minutes, bool someoneFlying) {
    seconds_ = seconds;
    minutes_ = minutes;
    if (seconds > 35 && someoneFlying) {
        state_ = Approach;
        return;
    }
    bonus_.launchOnTime(seconds, 15, 25, bonusPicture(0), bonusPicture(1));
}

int Level3::takeSoundEvent() {
    return pendingSound_.take();
}

bool Level3::isPlaying() const {
    return state_ == Playing;
}

Position Level3::steerOutro(float x, float y) {
    const bool flyingOff = state_ == FlyOff;
    outroX_ = x;
    outroY_ = y;
    if (state_ == Approach) {
        outroX_ += kOutroStepX;
        if (outroY_ > kOutroBandBottom) {
            outroY_ -= kOutroStepY;
        } else if (outroY_ < kOutroBandTop) {
            outroY_ += kOutroStepY;
        }
        if (outroX_ > kOutroExitX && kOutroBandTop <= outroY_ && outroY_ <= kOutroBandBottom) {
            state_ = FlyOff;
        }
    }
    if (flyingOff) {
        outroX_ += kOutroStepX;
    }
    return Position{outroX_, outroY_};
}

int Level3::progress() const {
    if (state_ != FlyOff) {
        return -1;
    }
    return outroX_ >= 760.0f ? 100 : 0;
}

int Level3::hazardBoxes(Box* out, int capacity) const {
    int count = obstacles_.addBoxes(out, capacity, 0);
    const int h = bandHeight();
    const Box bands[2] = {Box{0, 0, 800, h}, Box{0, 600 - h, 800, h}};
    for (const Box& band : bands) {
        if (count < capacity) {
            out[count++] = band;
        }
    }
    return count;
}

void Level3::draw() {
    drawPair(farBackground_, images_[kBackground], screen_);
    drawPair(topBand_, images_[kTopBand], screen_);
    drawPair(bottomBand_, images_[kBottomBand], screen_);
    scenery_.draw(&sceneryPicture(0), screen_);
    obstacles_.draw(&obstaclePicture(0), screen_);
    bonus_.draw(bonusPicture(0), bonusPicture(1), screen_);
    drawPopups();
}

void Level3::drawPopups() {
    const PopupDigits digits{&images_[kDigitZero], &images_[kDigitOne], &images_[kDigitFive]};
    obstacles_.drawPopups(digits, screen_);
}
