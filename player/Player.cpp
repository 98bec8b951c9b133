#include "player/Player.h"

#include <cstdlib>

namespace {

constexpr float kStartX = 50.0f;
constexpr float kRightWall = 800.0f - Player::kWidth;
constexpr float kFloor = 600.0f - Player::kHeight;
constexpr float kWaterLine = 500.0f;
constexpr int kExplosionEnd = 50;
constexpr int kRespawnEnd = 100;
// Trail particles this high are hidden by the top band of courses 3 and 4.
constexpr float kTrailHiddenAbove = 35.0f;

constexpr int kKeyRight = SDLK_RIGHT;
constexpr int kKeyLeft = SDLK_LEFT;
constexpr int kKeyUp = SDLK_UP;
constexpr int kKeyDown = SDLK_DOWN;
constexpr int kKeyD = SDLK_d;
constexpr int kKeyA = SDLK_a;
constexpr int kKeyW = SDLK_w;
constexpr int kKeyS = SDLK_s;

// The flame: rows of particle copies from the top of the tongue down.
struct FlameRow {
    int copies;
    float baseOffset;
    int modulus;
    float rowOffset;
    bool bent;
};

constexpr FlameRow kFlameRows[] = {
    {6, 10.0f, 5, 18.0f, false}, {4, 5.0f, 8, 20.0f, false},  {6, 5.0f, 14, 22.0f, true},
    {8, 5.0f, 20, 24.0f, true},  {10, 5.0f, 30, 25.0f, true}, {8, 5.0f, 20, 26.0f, true},
    {6, 5.0f, 14, 28.0f, true},  {4, 5.0f, 8, 30.0f, false},  {6, 10.0f, 5, 32.0f, false},
};

}  // namespace

void Player::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    const bool second = number_ == 2;
    const char* craftFile = second ? "data/M2/test.obx" : "data/M/m001.obx";
    loadObxImage(craft_, craftFile, screen);
    loadObxImage(craftCopy_, craftFile, screen);
    loadNumberedObxImages(flyOff_, kFlyOffFrames, second ? "data/M2/m%03d.obx" : "data/M/m%03d.obx",
                          3, screen);
    if (second) {
        loadNumberedObxImages(explosion_, 4, "data/M2/exp%d.obx", 1, screen);
    } else {
        loadNumberedObxImages(explosion_, 4, "data/M/m%03d.obx", 12, screen);
    }
    loadNumberedObxImages(explosion_ + 4, kExplosionFrames - 4, "data/M/m%03d.obx", 16, screen);
    loadNumberedObxImages(exhaust2_, kTrailVariants, "data/M/m%03d.obx", 24, screen);
    loadNumberedObxImages(exhaust3_, kTrailVariants, "data/M/m%03d.obx", 28, screen);
    loadNumberedObxImages(trail4_, kTrailVariants, "data/L4/%d.obx", 4001, screen);
    loadNumberedObxImages(spare_, kSparePictures, "data/M/m%03d.obx", 32, screen);
    loadObxImage(flameParticle_, "data/M/m036.obx", screen);
    for (int k = 0; k < kTrailLength; ++k) {
        trailVariant_[k] = std::rand() % kTrailVariants;
    }
}

void Player::start(int course, int playerCount) {
    if (number_ == 1) {
        playerCount_ = playerCount;
    }
    vx_ = vy_ = 0.0f;
    trailIndex_ = 0;
    state_ = Flying;
    course_ = course;
    x_ = kStartX;
    y_ = startY();
    for (Position& p : trail_) {
        p.x = -100.0f;
    }
}

int Player::updateInput(KeyState keys) {
    if (state_ == Exploding) {
        return explosionStep();
    }
    if (state_ == Departing || state_ == Docking) {
        updateTrail();
        return 1;
    }
    const bool wasRespawning = state_ == Respawning;
    accelerate(readKeys(keys));
    x_ += vx_;
    y_ += vy_;
    applyWalls(wasRespawning);
    if (wasRespawning && ++stateTimer_ >= kRespawnEnd) {
        state_ = Flying;
    }
    slowInWater();
    updateTrail();
    return 1;
}

Player::Keys Player::readKeys(KeyState keys) const {
    Keys held{false, false, false, false};
    if (!keys) {
        return held;
    }
    const bool arrows = number_ == 1;
    const bool letters = number_ == 2 || playerCount_ != 2;
    held.right = (arrows && keys[kKeyRight]) || (letters && keys[kKeyD]);
    held.left = (arrows && keys[kKeyLeft]) || (letters && keys[kKeyA]);
    held.up = (arrows && keys[kKeyUp]) || (letters && keys[kKeyW]);
    held.down = (arrows && keys[kKeyDown]) || (letters && keys[kKeyS]);
    return held;
}

void Player::accelerate(const Keys& held) {
    // The sum is taken in double and rounded once into the stored float.
    if (held.right) {
        vx_ = static_cast<float>(vx_ + kAccel);
    }
    if (held.left) {
        vx_ = static_cast<float>(vx_ - kAccel);
    }
    if (held.up) {
        vy_ = static_cast<float>(vy_ - kAccel);
    }
    if (held.down) {
        vy_ = static_cast<float>(vy_ + kAccel);
    }
}

void Player::applyWalls(bool wasRespawning) {
    if (x_ < 0.0f) {
        x_ = 0.0f;
        vx_ = 0.0f;
    }
    if (x_ + kWidth > 800.0f) {
        x_ = kRightWall;
        vx_ = 0.0f;
    }
    if (y_ + kHeight > 600.0f) {
        y_ = kFloor;
        vy_ = 0.0f;
    }
    const bool inBand = course_ == 3 && wasRespawning;
    if (inBand && y_ + kHeight > kRespawnBottom) {
        y_ = kRespawnBottom - kHeight;
        vy_ = 0.0f;
    }
    if (inBand && y_ < kRespawnTop) {
        y_ = kRespawnTop;
        vy_ = 0.0f;
    }
    if (y_ < 0.0f) {
        y_ = 0.0f;
        vy_ = 0.0f;
    }
}

void Player::slowInWater() {
    if (course_ != 2 || !(y_ > kWaterLine)) {
        return;
    }
    vx_ = vx_ / 2.0f;
    vy_ = vy_ / 2.0f;
    x_ += vx_;
    y_ += vy_;
}

int Player::explosionStep() {
    ++stateTimer_;
    if (stateTimer_ % 2 == 0) {
        ++explosionFrame_;
    }
    x_ -= static_cast<float>(drift_);
    const bool returned = stateTimer_ == kExplosionEnd;
    if (returned) {
        returnToStart();
    }
    updateTrail();
    // A craft that somehow had no life left still leaves play instead of
    // counting into negative lives for ever.
    return returned && lives_ <= 0 ? -1 : 1;
}

void Player::returnToStart() {
    x_ = kStartX;
    y_ = startY();
    vx_ = vy_ = 0.0f;
    state_ = Respawning;
    --lives_;
}

void Player::steerTo(float x, float y) {
    x_ = x;
    y_ = y;
    updateTrail();
}

void Player::setFinishFrame(int frame) {
    if (frame >= 0) {
        state_ = Departing;
        finishFrame_ = frame;
    } else {
        state_ = Docking;
    }
}

void Player::bounce() {
    vx_ = static_cast<float>(-vx_ * 0.5);
    vy_ = static_cast<float>(-vy_ * 0.5);
}

void Player::hit(int drift) {
    // The explosion pictures are larger than the craft and drawn from the
    // same corner, so the corner moves to centre them on it.
    y_ -= 61.0f;
    x_ -= 50.0f;
    state_ = Exploding;
    stateTimer_ = 1;
    explosionFrame_ = 0;
    drift_ = drift;
}

void Player::updateTrail() {
    switch (course_) {
        case 1:
            // No particles in course 1 (it has the flame); the index only counts.
            ++trailIndex_;
            break;
        case 2:
        case 3:
        case 4:
            emitExhaust();
            driftExhaust();
            break;
        case 5:
            emitBubble();
            driftBubbles();
            break;
        default:
            break;
    }
}

// The rand() calls of the trail are made one per coordinate, x first, in
// this order: they share the program's one sequence with the courses.
void Player::emitExhaust() {
    if (trailIndex_ < 0 || trailIndex_ >= kTrailLength) {
        trailIndex_ = 0;  // course 1 lets the index run past the ring
    }
    Position& p = trail_[trailIndex_];
    p.x = x_ + 5 + std::rand() % 25;
    p.y = y_ + 15 + std::rand() % 10;
    if (++trailIndex_ == kTrailLength) {
        trailIndex_ = 0;
    }
}

void Player::emitBubble() {
    if (trailIndex_ < 0 || trailIndex_ >= kTrailLength) {
        trailIndex_ = 0;
    }
    Position& p = trail_[trailIndex_];
    p.x = x_ + 5 + std::rand() % 40;
    p.y = y_ + 15 + std::rand() % 10;
    if (++trailIndex_ == kTrailLength) {
        trailIndex_ = 0;
    }
}

void Player::driftExhaust() {
    for (Position& p : trail_) {
        p.x -= std::rand() % 5 + 5;
        p.y -= 3;
    }
}

void Player::driftBubbles() {
    for (Position& p : trail_) {
        p.x = p.x - 3 + std::rand() % 6;
        p.y -= 3;
    }
}

void Player::draw() {
    switch (course_) {
        case 1:
            if (state_ == Flying || (state_ == Respawning && stateTimer_ % 2 == 0)) {
                drawFlame();
            }
            break;
        case 2:
            drawTrail(exhaust2_, false);
            break;
        case 3:
            drawTrail(exhaust3_, true);
            break;
        case 4:
        case 5:
            drawTrail(trail4_, true);
            break;
        default:
            break;
    }
    drawCraft();
}

void Player::drawTrail(const ObxImage (&pictures)[kTrailVariants], bool hideHigh) const {
    for (int k = 0; k < kTrailLength; ++k) {
        const Position& p = trail_[k];
        if (hideHigh && !(p.y > kTrailHiddenAbove)) {
            continue;
        }
        pictures[trailVariant_[k]].draw(screen_, static_cast<int>(p.x), static_cast<int>(p.y));
    }
}

// A tongue of flame particles at the craft's left end, flickering anew on
// every drawing. It takes 96 values from rand() each time, so how often the
// screen is drawn shifts the sequence the game logic sees.
void Player::drawFlame() const {
    for (const FlameRow& row : kFlameRows) {
        drawFlameRow(row.copies, row.baseOffset, row.modulus, row.rowOffset, row.bent);
    }
}

void Player::drawFlameRow(int copies, float baseOffset, int modulus, float rowOffset,
                          bool bent) const {
    const float rowY = y_ + rowOffset;
    for (int i = 0; i < copies; ++i) {
        const int r = std::rand() % modulus;
        const int px = static_cast<int>(x_ + baseOffset - r);
        int py = static_cast<int>(rowY);
        if (bent) {
            const float q = x_ + 5 - std::rand() % 10;
            if (q > px) {
                // The far end droops when the craft climbs and lifts when it dives.
                const float dx = x_ - px;
                py = static_cast<int>(dx * dx * -vy_ * 0.005 + rowY);
            }
        }
        flameParticle_.draw(screen_, px, py);
    }
}

void Player::drawCraft() const {
    const int dx = static_cast<int>(x_);
    const int dy = static_cast<int>(y_);
    switch (state_) {
        case Flying:
        case Docking:
            craft_.draw(screen_, dx, dy);
            break;
        case Exploding:
            if (explosionFrame_ >= 0 && explosionFrame_ < kExplosionFrames) {
                explosion_[explosionFrame_].draw(screen_, dx, dy);
            }
            break;
        case Respawning:
            if (stateTimer_ % 2 == 0) {
                craft_.draw(screen_, dx, dy);
            }
            break;
        case Departing:
            // Past the last fly-off picture the craft is inside the gate.
            if (finishFrame_ >= 0 && finishFrame_ < kFlyOffFrames) {
                flyOff_[finishFrame_].draw(screen_, dx, dy);
            }
            break;
        default:
            break;
    }
}
