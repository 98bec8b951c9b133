#include "courses/course3/Level3.h"

#include <cstdlib>

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

// A tile goes directly behind its partner, however wide the picture is; a
// fixed wrap to x 800 would leave a strip the width of one step unpainted.
void scrollPair(FieldPiece (&pair)[2]) {
    for (FieldPiece& piece : pair) {
        piece.scroll(piece.width - piece.speed);
    }
}

void drawPair(const FieldPiece (&pair)[2], const ObxImage& picture, SDL_Surface* screen) {
    for (const FieldPiece& piece : pair) {
        picture.draw(screen, piece.x, piece.y);
    }
}

}  // namespace

void Level3::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    for (int i = 0; i < kImageCount; ++i) {
        loadObxImage(images_[i], kImageFiles[i], screen);
    }
}

void Level3::reset() {
    state_ = Playing;
    pendingSound_.raise(3);
    bonus_.active = false;
    const ObxImage& background = images_[kBackground];
    const ObxImage& top = images_[kTopBand];
    const ObxImage& bottom = images_[kBottomBand];
    for (int i = 0; i < 2; ++i) {
        farBackground_[i].place(background, i * background.width(), 0, kBackgroundSpeed);
        topBand_[i].place(top, i * top.width(), 0, kBandSpeed);
        bottomBand_[i].place(bottom, i * bottom.width(), 600 - bottom.height(), kBandSpeed);
    }
    for (Obstacle& obstacle : obstacles_) {
        obstacle.active = false;
    }
    for (SceneryObject& scenery : scenery_) {
        scenery.speed = std::rand() % 10 + 5;
        scenery.image = std::rand() % kSceneryPictures;
        placeScenery(scenery, std::rand() % 800);
    }
    for (ScorePopup& popup : popups_) {
        popup.reset();
    }
}

// The rest of a scenery object's set-up once speed and picture are drawn; y
// is drawn after x.
void Level3::placeScenery(SceneryObject& scenery, int x) {
    scenery.takeSize(sceneryPicture(scenery.image));
    scenery.x = x;
    scenery.y = std::rand() % 500 + 40;
    scenery.active = true;
}

void Level3::spawnScenery() {
    const int slot = firstFreeSlot(scenery_);
    if (slot < 0) {
        return;
    }
    SceneryObject& scenery = scenery_[slot];
    scenery.speed = std::rand() % 10 + 5;
    scenery.image = std::rand() % kSceneryPictures;
    placeScenery(scenery, 800);
}

void Level3::spawnObstacle() {
    if (std::rand() % 90 < 87) {
        return;
    }
    const int slot = firstFreeSlot(obstacles_);
    if (slot < 0) {
        return;
    }
    Obstacle& obstacle = obstacles_[slot];
    obstacle.active = true;
    obstacle.speed = std::rand() % 15 + 10;
    obstacle.image = std::rand() % 9;
    obstacle.takeSize(obstaclePicture(obstacle.image));
    obstacle.x = 800;
    obstacle.frameCounter = 0;
    rings_[slot].arm();
    obstacle.y = std::rand() % 400 + 40;
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

bool Level3::testObstacleSlot(int slot, float x, float y, int& result) {
    const Obstacle& obstacle = obstacles_[slot];
    return testObstacle(x, y, obstacle, obstaclePicture(obstacle.image), rings_[slot],
                        popups_[slot], pendingSound_, result);
}

void Level3::testBonus(float x, float y, int& result) {
    if (!bonus_.active || !craftTouchesBox(x, y, bonus_.box())) {
        return;
    }
    result = bonus_.kind == 1 ? 3000 : 2000;
    bonus_.active = false;
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
    spawnScenery();
    if (state_ == Playing && seconds_ < 32) {
        spawnObstacle();
    }
    for (int i = 0; i < kSlots; ++i) {
        popups_[i].age();
        if (!obstacles_[i].active) {
            continue;
        }
        obstacles_[i].move();
        animate(obstacles_[i]);
        if (canCollide && testObstacleSlot(i, x, y, result)) {
            break;
        }
    }
    if (bonus_.active) {
        bonus_.move();
        if (canCollide) {
            testBonus(x, y, result);
        }
    }
    for (SceneryObject& scenery : scenery_) {
        if (scenery.active) {
            scenery.move();
        }
    }
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
    for (int i = 0; i < kSlots; ++i) {
        if (obstacles_[i].active && testObstacleSlot(i, x, y, result)) {
            break;
        }
    }
    testBonus(x, y, result);
    return result;
}

void Level3::perSecondTick(int seconds, int minutes, bool someoneFlying) {
    seconds_ = seconds;
    minutes_ = minutes;
    if (seconds > 35 && someoneFlying) {
        state_ = Approach;
        return;
    }
    if (seconds == 15 && !bonus_.active) {
        launchBonus(1);
    }
    if (seconds == 25 && !bonus_.active) {
        launchBonus(0);
    }
}

void Level3::launchBonus(int kind) {
    bonus_.kind = kind;
    bonus_.width = bonusPicture(kind).width();
    bonus_.height = bonusPicture(kind).height();
    bonus_.active = true;
    bonus_.speed = 20;
    bonus_.x = 800;
    bonus_.y = std::rand() % 300 + 100;
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
    int count = 0;
    for (const Obstacle& obstacle : obstacles_) {
        if (obstacle.active && count < capacity) {
            out[count++] = obstacle.box();
        }
    }
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
    for (const SceneryObject& scenery : scenery_) {
        if (scenery.active) {
            sceneryPicture(scenery.image).draw(screen_, scenery.x, scenery.y);
        }
    }
    for (const Obstacle& obstacle : obstacles_) {
        if (obstacle.active) {
            obstaclePicture(obstacle.image).draw(screen_, obstacle.x, obstacle.y);
        }
    }
    if (bonus_.active) {
        bonusPicture(bonus_.kind).draw(screen_, bonus_.x, bonus_.y);
    }
    drawPopups();
}

void Level3::drawPopups() {
    const PopupDigits digits{&images_[kDigitZero], &images_[kDigitOne], &images_[kDigitFive]};
    for (const ScorePopup& popup : popups_) {
        drawScorePopup(popup, digits, screen_);
    }
}
