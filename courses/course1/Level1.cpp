#include "courses/course1/Level1.h"

#include "courses/ImageFile.h"

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

constexpr int kCourseMusic = 1;

// Up to y 749: some obstacles start wholly below the screen and cross unseen.
constexpr int kPictures = Level1::kObstaclePictures;
constexpr ObstacleSlots::SpawnRule kObstacleRule{20, 17, 5, 10, kPictures, 750, 0, false};
// Newcomers of both layers may come with speed 0; the far layer has one
// picture, yet a picture number is still rolled for it.
constexpr SceneryLayer::Rule kNearRule{6, 1, 7, 0, 7, 600, -100};
constexpr SceneryLayer::Rule kFarRule{2, 1, 3, 0, 1, 600, -100};

// The gate stops at x 500; the crafts are in it at x 600.
constexpr int kGateStop = 500;
constexpr float kFinishedAt = 600.0f;

}  // namespace

Level1::Level1() : outro_(kGateStop, kFinishedAt), nearLayer_(kNearRule), farLayer_(kFarRule) {}

void Level1::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    loadImageTable(images_, kImageFiles, screen);
    prepareFadingDigits(images_[kDigitZero], images_[kDigitOne], images_[kDigitFive], screen);
}

void Level1::reset() {
    state_ = Playing;
    outro_.reset();
    pendingSound_.raise(kCourseMusic);
    bonus_.active = false;
    obstacles_.clear();
    nearLayer_.spreadOut(&images_[kFirstNear]);
    farLayer_.spreadOut(&images_[kFarPicture]);
}

void Level1::placeObstacle(int slot, int picture, int x, int y, int speed) {
    if (picture < 0 || picture >= kObstaclePictures) {
        picture = 0;
    }
    obstacles_.place(slot, picture, obstaclePictures()[picture], x, y, speed);
}

void Level1::perSecondTick(int seconds, int minutes, bool someoneFlying) {
    seconds_ = seconds;
    minutes_ = minutes;
    // Waits for a flying craft, so no one is taken to the gate mid-explosion.
    if (seconds >= kEndSecond && someoneFlying) {
        state_ = Approach;
        return;
    }
    bonus_.launchOnTime(seconds, kHalvingSecond, kDoublingSecond, images_[kDoublingBonus],
                        images_[kHalvingBonus]);
}

int Level1::updatePlayer1(float x, float y, bool canCollide) {
    nearLayer_.spawn(&images_[kFirstNear]);
    farLayer_.spawn(&images_[kFarPicture]);
    if (state_ == Playing && seconds_ < kLastSpawnSecond) {
        obstacles_.spawn(kObstacleRule, obstaclePictures());
    }
    int result = 0;
    obstacles_.advance(x, y, canCollide, obstaclePictures(), pendingSound_, result);
    bonus_.advance(x, y, canCollide, result);
    nearLayer_.move();
    farLayer_.move();
    return result;
}

// Player 2 sees the field where player 1's update left it and shares its rings.
int Level1::updatePlayer2(float x, float y, bool canCollide) {
    int result = 0;
    if (canCollide) {
        obstacles_.test(x, y, obstaclePictures(), pendingSound_, result);
        if (bonus_.active) {
            bonus_.takenBy(x, y, result);
        }
    }
    return result;
}

Position Level1::steerOutro(float x, float y) {
    return outro_.steer(state_, x, y);
}

int Level1::hazardBoxes(Box* out, int capacity) const {
    return obstacles_.addBoxes(out, capacity, 0);
}

void Level1::draw() {
    images_[kBackground].draw(screen_, 0, 0);
    farLayer_.draw(&images_[kFarPicture], screen_);
    nearLayer_.draw(&images_[kFirstNear], screen_);
    images_[kGate].draw(screen_, outro_.gateX(), kGateY);
    obstacles_.draw(obstaclePictures(), screen_);
    // The bonus is shown here too, so a player can see what is coming.
    bonus_.draw(images_[kDoublingBonus], images_[kHalvingBonus], screen_);
    drawPopups();
}

void Level1::drawPopups() {
    const PopupDigits digits{&images_[kDigitZero], &images_[kDigitOne], &images_[kDigitFive]};
    obstacles_.drawPopups(digits, screen_);
}
