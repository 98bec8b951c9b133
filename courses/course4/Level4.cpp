#include "courses/course4/Level4.h"

#include <cstdlib>

namespace {

constexpr int kNoResult = -1;
constexpr int kExplosionSound = 10;
constexpr int kCourseMusic = 4;
constexpr int kBossMusic = 8;
constexpr int kBrainHitSound = 15;
constexpr int kBrainKillSound = 16;
constexpr int kRamPoints = 1100;
constexpr int kKillPoints = 1200;
constexpr int kVolleySize = 4;
constexpr int kVolleyEvery = 20;

// Chamber layout from chamberX: the right side's offset, the floor's top and
// the walls' right edge.
constexpr int kRightSideOffset = 926;
constexpr int kRightSideTop = 99;
constexpr int kFloorTop = 465;
constexpr int kChamberWidth = 1000;

// Boss cues by course frame.
constexpr int kBossMusicFrame = 520;
constexpr int kWarningFirst = 581;
constexpr int kWarningLast = 679;
constexpr int kArrowFirst = 681;
constexpr int kArrowLast = 729;

constexpr int kObstaclePictures = Level4Pictures::kObstacles;
constexpr int kSceneryPictures = Level4Pictures::kScenery;
constexpr ObstacleSlots::SpawnRule kObstacleRule{90, 87, 15, 10, kObstaclePictures, 400, 40, false};
constexpr SceneryLayer::Rule kSceneryRule{10, 5, 10, 5, kSceneryPictures, 500, 40};

}  // namespace

Level4::Level4() : scenery_(kSceneryRule) {}

void Level4::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    pictures_.load(screen);
    prepareFadingDigits(pictures_.digitZero, pictures_.digitOne, pictures_.digitFive, screen);
    pictures_.fade.prepareFading(screen);
}

void Level4::reset() {
    state_ = Playing;
    courseFrames_ = 0;
    sound_.raise(kCourseMusic);
    boss_.reset(pictures_.segment);
    bouncePending_ = 0;
    wrapCount_ = 0;
    bonus_.active = false;
    resetField();
    resetChamber();
    craftBox_.width = pictures_.craft.width();
    craftBox_.height = pictures_.craft.height();
    obstacles_.clear();
    for (Projectile& projectile : projectiles_) {
        projectile.active = false;
    }
    scenery_.spreadOut(pictures_.scenery);
}

// Each pair starts as two tiles side by side.
void Level4::resetField() {
    placePair(farBackground_, pictures_.background, 0, 2);
    placePair(topBand_, pictures_.topBand, 0, 5);
    placePair(bottomBand_, pictures_.bottomBand, 600 - pictures_.bottomBand.height(), 5);
}

void Level4::resetChamber() {
    const int tops[Level4Pictures::kChamberPieces] = {0, kRightSideTop, kFloorTop};
    for (int i = 0; i < Level4Pictures::kChamberPieces; ++i) {
        chamberPieces_[i].place(pictures_.chamber[i], 800, tops[i], 0);
    }
    frontWall_.place(pictures_.frontWall, 800, 0, 0);
    backWall_.place(pictures_.backWall, 800, 0, 0);
}

void Level4::perSecondTick(int seconds, int, bool) {
    bonus_.launchOnTime(seconds, 15, 10, pictures_.doubling, pictures_.halving);
}

int Level4::takeSoundEvent() {
    return sound_.take();
}

bool Level4::inBossFight() const {
    return state_ == BossFight;
}

int Level4::takeBounce() {
    if (bouncePending_ != 1) {
        return 0;
    }
    bouncePending_ = 0;
    return 1;
}

bool Level4::isFinished() const {
    return state_ == BossDeath && boss_.bossClock() == kFadeFrames;
}

// ---- The field and the chamber --------------------------------------------

// The background and the bands run on endlessly; the approach lasts until
// the second bottom-band tile has wrapped once, and then the chamber follows
// right behind it.
void Level4::scrollField() {
    scrollPair(farBackground_);
    scrollPair(topBand_);
    if (scrollPair(bottomBand_) && state_ == Playing) {
        ++wrapCount_;
        if (wrapCount_ == 1) {
            arriveChamber(bottomBand_[1].x);
        }
    }
}

void Level4::arriveChamber(int startX) {
    chamberX_ = startX;
    chamberPieces_[0].x = chamberX_;
    chamberPieces_[1].x = chamberX_ + kRightSideOffset;
    chamberPieces_[2].x = chamberX_;
    state_ = ChamberArrival;
    boss_.startClock();
}

// The chamber keeps pace with the bottom band until it reaches its place;
// then the band stops, and with it the boss's damage value.
void Level4::advanceChamber() {
    chamberX_ -= bottomBand_[1].speed;
    if (chamberX_ < kChamberStop) {
        state_ = BossFight;
        chamberX_ = kChamberStop;
        bottomBand_[1].speed = 0;
    }
    layOutChamber();
}

void Level4::layOutChamber() {
    frontWall_.x = chamberX_ - frontWall_.width + kChamberWidth;
    chamberPieces_[0].x = chamberX_;
    chamberPieces_[1].x = chamberX_ + kRightSideOffset;
    chamberPieces_[2].x = chamberX_;
    backWall_.x = chamberX_ - backWall_.width + kChamberWidth;
}

void Level4::setChamberX(int chamberX) {
    chamberX_ = chamberX;
    layOutChamber();
}

// ---- The boss ----------------------------------------------------------------

void Level4::bossStep() {
    boss_.countAttack(state_ == BossDeath);
    if (boss_.attackPhase() == BrainBoss::Charging) {
        boss_.shakeWhileCharging();
        return;
    }
    if (boss_.attackPhase() == BrainBoss::Firing) {
        return;  // frozen while the beam is out
    }
    boss_.drift();
    shakeWalls();
    fireVolleyIfDue();
    boss_.retargetOrRetreat();
    boss_.settle(chamberX_);
}

// The walls quiver while the brain is hurt.
void Level4::shakeWalls() {
    if (boss_.retreating() != 1 && state_ != BossDeath) {
        return;
    }
    const int shift = wallShake_ == 0 ? -5 : 5;
    frontWall_.x += shift;
    backWall_.x += shift;
    wallShake_ = wallShake_ == 0 ? 1 : 0;
}

// Four shots from one mouth sharing a base vertical speed: a narrow fan.
// The upper mouth's shots fall, most of the lower mouth's rise.
void Level4::fireVolleyIfDue() {
    if (boss_.bossClock() % kVolleyEvery != 0) {
        return;
    }
    const int mouth = rand() % 2 == 0 ? UpperMouth : LowerMouth;
    const int base = mouth == UpperMouth ? rand() % 4 - 4 : rand() % 4;
    for (int i = 0; i < kVolleySize; ++i) {
        spawnProjectile(rand() % 2 + base - 1, mouth);
    }
}

void Level4::spawnProjectile(int speedY, int mouth) {
    const int slot = firstFreeSlot(projectiles_);
    if (slot < 0) {
        return;
    }
    Projectile& shot = projectiles_[slot];
    shot.active = true;
    shot.speedX = rand() % 4 + 2;
    shot.speedY = speedY;
    shot.image = rand() % Level4Pictures::kProjectiles;
    shot.width = pictures_.projectiles[shot.image].width();
    shot.height = pictures_.projectiles[shot.image].height();
    if (mouth == UpperMouth) {
        shot.x = frontWall_.x + 16;
        shot.y = 83;
    } else {
        shot.x = frontWall_.x - 20;
        shot.y = 509;
    }
}

int Level4::hurtBrain() {
    const int hitPointsLeft = boss_.hurt();
    bouncePending_ = 1;
    sound_.raise(kBrainHitSound);
    if (hitPointsLeft <= 0) {
        sound_.raise(kBrainKillSound);
        state_ = BossDeath;
        boss_.startClock();
        return kKillPoints;
    }
    return kRamPoints;
}

// ---- Per-player updates -----------------------------------------------------

int Level4::updatePlayer1(float x, float y, bool canCollide) {
    ++courseFrames_;
    int result = kNoResult;
    runStage(x, y, canCollide, result);
    if (state_ == BossDeath) {
        bossStep();
    }
    if (canCollide && state_ != BossFight) {
        testBands(x, y, result);
    }
    if (state_ == Playing || (state_ == ChamberArrival && chamberX_ > 800)) {
        obstacles_.spawn(kObstacleRule, pictures_.obstacles);
        scenery_.spawn(pictures_.scenery);
    }
    // A crash ends the obstacles' pass: the later slots are neither moved,
    // aged nor tested in this frame.
    obstacles_.advance(x, y, canCollide, pictures_.obstacles, sound_, result);
    bonus_.advance(x, y, canCollide, result);
    scenery_.move();
    return result;
}

void Level4::runStage(float x, float y, bool canCollide, int& result) {
    switch (state_) {
        case Playing:
            scrollField();
            break;
        case ChamberArrival:
            scrollField();
            advanceChamber();
            bossStep();
            flyProjectiles(farBackground_[0].speed, false, result);
            if (canCollide) {
                testChamber(x, y, false, result);
            }
            break;
        case BossFight:
            bossStep();
            placeCraftBox(x, y);
            flyProjectiles(0, canCollide, result);
            if (canCollide) {
                testChamber(x, y, true, result);
            }
            break;
        default:
            break;
    }
}

int Level4::updatePlayer2(float x, float y, bool canCollide) {
    int result = kNoResult;
    if (!canCollide) {
        return result;
    }
    if (state_ == ChamberArrival) {
        testChamber(x, y, false, result);
    } else if (state_ == BossFight) {
        placeCraftBox(x, y);
        for (const Projectile& shot : projectiles_) {
            if (shot.active) {
                testProjectile(shot, result);
            }
        }
        testChamber(x, y, true, result);
    }
    if (state_ != BossFight) {
        testBands(x, y, result);
    }
    obstacles_.test(x, y, pictures_.obstacles, sound_, result);
    if (bonus_.active) {
        bonus_.takenBy(x, y, result);
    }
    return result;
}

void Level4::hit(int value, int& result) {
    result = value;
    sound_.raise(kExplosionSound);
}

// ---- Collision tests ----------------------------------------------------------

void Level4::placeCraftBox(float x, float y) {
    craftBox_.x = static_cast<int>(x);
    craftBox_.y = static_cast<int>(y);
}

// A shot that hits flies on; one that has just left the screen is still
// tested where it ended up.
void Level4::flyProjectiles(int extraLeft, bool test, int& result) {
    for (Projectile& shot : projectiles_) {
        if (!shot.active) {
            continue;
        }
        shot.move(extraLeft);
        if (test) {
            testProjectile(shot, result);
        }
    }
}

void Level4::testProjectile(const Projectile& shot, int& result) {
    if (pointHitsImage(shot.centreX(), shot.centreY(), craftBox_.box(), pictures_.craft)) {
        hit(damageValue(), result);
    }
}

void Level4::testChamber(float x, float y, bool withBrain, int& result) {
    if (boss_.beamHarmful() && beamHits(x, y)) {
        hit(damageValue(), result);
    }
    for (int i = 0; i < Level4Pictures::kChamberPieces; ++i) {
        if (craftHitsImage(x, y, chamberPieces_[i].box(), pictures_.chamber[i])) {
            hit(damageValue(), result);
            break;
        }
    }
    if (craftHitsImage(x, y, frontWall_.box(), pictures_.frontWall)) {
        hit(damageValue(), result);
    }
    testBrainAndStalk(x, y, withBrain, result);
}

// The beam counts by its box: from 491 pixels left of the brain to 22 right
// of its left edge, 10 to 36 below its top, against the craft's 83 by 40 box.
bool Level4::beamHits(float x, float y) const {
    const int brainX = boss_.brain().x;
    const int brainY = boss_.brain().y;
    return x + 83.0f > static_cast<float>(brainX - 491) && x < static_cast<float>(brainX + 22) &&
           y + 40.0f > static_cast<float>(brainY + 10) && y < static_cast<float>(brainY + 36);
}

// In the fight a craft touching the brain rams it even if it touches the
// stalk too, and a rammed brain is harmless, stalk and all, until its
// retreat is over. During the arrival the stalk always hurts.
void Level4::testBrainAndStalk(float x, float y, bool withBrain, int& result) {
    const ObxImage& shape = pictures_.segment;
    if (withBrain) {
        if (result != kNoResult || boss_.retreating() != 0) {
            return;
        }
        if (craftHitsImage(x, y, boss_.brain().box(), shape)) {
            result = hurtBrain();
            return;
        }
    }
    for (int k = 1; k <= BrainBoss::kSegments; ++k) {
        if (craftHitsImage(x, y, boss_.segment(k).box(), shape)) {
            hit(damageValue(), result);
            return;
        }
    }
}

// Each band tile hurts with its own speed, so the stopped bottom tile does
// no damage.
void Level4::testBands(float x, float y, int& result) {
    const FieldPiece* pieces[4] = {&topBand_[0], &topBand_[1], &bottomBand_[0], &bottomBand_[1]};
    const ObxImage* shapes[4] = {&pictures_.topBand, &pictures_.topBand, &pictures_.bottomBand,
                                 &pictures_.bottomBand};
    for (int i = 0; i < 4; ++i) {
        if (craftHitsImage(x, y, pieces[i]->box(), *shapes[i])) {
            hit(pieces[i]->speed, result);
            return;
        }
    }
}

// ---- Obstacles, scenery and the bonus -----------------------------------------

void Level4::setObstacle(int slot, int x, int y, int speed, int image) {
    obstacles_.place(slot, image, pictures_.obstacles[image], x, y, speed);
}

// ---- Drawing --------------------------------------------------------------------

void Level4::draw() {
    drawField();
    if (state_ == Playing) {
        drawBands(true);
    } else {
        for (const Projectile& shot : projectiles_) {
            if (shot.active) {
                pictures_.projectiles[shot.image].draw(screen_, shot.x, shot.y);
            }
        }
        if (state_ != BossFight) {
            drawBands(false);
        }
        drawChamber();
    }
    drawPopups();
    drawCues();
}

void Level4::drawField() {
    drawPair(farBackground_, pictures_.background, screen_);
    scenery_.draw(pictures_.scenery, screen_);
    obstacles_.draw(pictures_.obstacles, screen_);
    bonus_.draw(pictures_.doubling, pictures_.halving, screen_);
}

// Once the chamber is in, only the first tile of each band is drawn.
void Level4::drawBands(bool bothTiles) {
    pictures_.topBand.draw(screen_, topBand_[0].x, topBand_[0].y);
    if (bothTiles) {
        pictures_.topBand.draw(screen_, topBand_[1].x, topBand_[1].y);
    }
    pictures_.bottomBand.draw(screen_, bottomBand_[0].x, bottomBand_[0].y);
    if (bothTiles) {
        pictures_.bottomBand.draw(screen_, bottomBand_[1].x, bottomBand_[1].y);
    }
}

void Level4::drawChamber() {
    pictures_.backWall.draw(screen_, backWall_.x, backWall_.y);
    for (int i = 0; i < Level4Pictures::kChamberPieces; ++i) {
        pictures_.chamber[i].draw(screen_, chamberPieces_[i].x, chamberPieces_[i].y);
    }
    drawBrainAndStalk();
    pictures_.frontWall.draw(screen_, frontWall_.x, frontWall_.y);
    drawBeam();
}

// A hurt brain flashes every other step until its retreat is over.
void Level4::drawBrainAndStalk() {
    const bool flashing = boss_.retreating() == 1 && boss_.attackTimer() % 2 == 0;
    const ObxImage& segment = flashing ? pictures_.segmentFlash : pictures_.segment;
    for (int k = BrainBoss::kSegments; k >= 1; --k) {
        segment.draw(screen_, boss_.segment(k).x, boss_.segment(k).y);
    }
    const ObxImage& brain = flashing ? pictures_.brainFlash : pictures_.brain;
    brain.draw(screen_, boss_.brain().x, boss_.brain().y);
}

// The beam opens over ten steps, two per frame of the opening, then
// alternates between its two pictures.
void Level4::drawBeam() {
    const int timer = boss_.attackTimer();
    const int brainX = boss_.brain().x;
    const int brainY = boss_.brain().y;
    if (timer >= BrainBoss::kFireStart && timer < BrainBoss::kBeamHarmful) {
        const int frame = (timer - BrainBoss::kFireStart) / 2;
        pictures_.beamOpening[frame].draw(screen_, brainX - 47, brainY - 37);
    } else if (boss_.attackPhase() == BrainBoss::Firing) {
        pictures_.beam[timer % 2].draw(screen_, brainX - 491, brainY + 12);
    }
}

void Level4::drawPopups() {
    const PopupDigits digits{&pictures_.digitZero, &pictures_.digitOne, &pictures_.digitFive};
    obstacles_.drawPopups(digits, screen_);
}

// The boss is announced by frame count alone: its music just before the
// chamber stops, then a warning, then an arrow at the brain.
void Level4::drawCues() {
    if (courseFrames_ == kBossMusicFrame) {
        sound_.raise(kBossMusic);
    }
    if (courseFrames_ >= kWarningFirst && courseFrames_ <= kWarningLast) {
        pictures_.bossCue.draw(screen_, 300, 100);
    }
    if (courseFrames_ >= kArrowFirst && courseFrames_ <= kArrowLast) {
        pictures_.arrow.draw(screen_, boss_.brain().x - 240, boss_.brain().y - 20);
    }
}

void Level4::drawFade() {
    if (state_ != BossDeath) {
        return;
    }
    pictures_.fade.setAlpha(boss_.bossClock() * 4 % 256);
    for (int column = 0; column < 20; ++column) {
        for (int row = 0; row < 20; ++row) {
            pictures_.fade.draw(screen_, 40 * column, 30 * row);
        }
    }
}

// ---- Hazards for pilots -------------------------------------------------------------

int Level4::hazardBoxes(Box* out, int capacity) const {
    int count = 0;
    for (int i = 0; i < kObstacleSlots; ++i) {
        if (obstacles_.obstacle(i).active) {
            count = addBox(out, capacity, count, obstacles_.obstacle(i).box());
        }
    }
    const bool chamberIn = state_ == ChamberArrival || state_ == BossFight;
    for (const Projectile& shot : projectiles_) {
        if (chamberIn && shot.active) {
            count = addBox(out, capacity, count, shot.box());
        }
    }
    if (state_ != BossFight) {
        const FieldPiece* bands[4] = {&topBand_[0], &topBand_[1], &bottomBand_[0], &bottomBand_[1]};
        for (const FieldPiece* band : bands) {
            count = addBox(out, capacity, count, band->box());
        }
    }
    if (chamberIn) {
        count = addChamberBoxes(out, capacity, count);
        count = addBrainBoxes(out, capacity, count);
    }
    return count;
}

int Level4::addBox(Box* out, int capacity, int count, const Box& box) const {
    if (count >= capacity || box.width <= 0 || box.height <= 0) {
        return count;
    }
    out[count] = box;
    return count + 1;
}

int Level4::addChamberBoxes(Box* out, int capacity, int count) const {
    for (int i = 0; i < Level4Pictures::kChamberPieces; ++i) {
        const Box& solid = pictures_.chamberSolid[i];
        const FieldPiece& piece = chamberPieces_[i];
        count = addBox(out, capacity, count,
                       Box{piece.x + solid.x, piece.y + solid.y, solid.width, solid.height});
    }
    const Box& wall = pictures_.frontWallSolid;
    return addBox(out, capacity, count,
                  Box{frontWall_.x + wall.x, frontWall_.y + wall.y, wall.width, wall.height});
}

// The stalk while it hurts, and the beam's reach from the start of its
// charge, as the brain stands still from then until the beam is gone.
int Level4::addBrainBoxes(Box* out, int capacity, int count) const {
    if (state_ == ChamberArrival || boss_.retreating() == 0) {
        for (int k = 1; k <= BrainBoss::kSegments; ++k) {
            count = addBox(out, capacity, count, boss_.segment(k).box());
        }
    }
    if (boss_.attackPhase() != BrainBoss::Drifting) {
        const FieldPiece& brain = boss_.brain();
        count = addBox(out, capacity, count, Box{brain.x - 491, brain.y + 10, 513, 26});
    }
    return count;
}
