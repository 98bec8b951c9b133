#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "courses/BonusObject.h"
#include "courses/CourseObject.h"
#include "courses/FieldPiece.h"
#include "courses/NearPass.h"
#include "courses/ObstacleSlots.h"
#include "courses/PendingSound.h"
#include "courses/SceneryLayer.h"
#include "courses/ScorePopup.h"
#include "courses/course4/BrainBoss.h"
#include "courses/course4/Level4Pictures.h"
#include "courses/course4/Projectile.h"
#include "game/Types.h"

// Course 4: the approach through the living tunnel and the brain boss.
// Playing scrolls the tunnel; once the second bottom-band tile has crossed
// the screen the chamber arrives, stops at chamberX -200 for the fight, and
// the third ram kills the brain and fades the screen out.
class Level4 {
  public:
    static constexpr int kObstacleSlots = ObstacleSlots::kCapacity;
    static constexpr int kProjectileSlots = 40;
    static constexpr int kScenerySlots = SceneryLayer::kSlots;
    static constexpr int kChamberStop = -200;
    static constexpr int kFadeFrames = 64;
    enum Mouth : int { UpperMouth = 0, LowerMouth = 1 };

    Level4();
    void loadImages(SDL_Surface* screen);
    void reset();
    void perSecondTick(int seconds, int minutes, bool someoneFlying);
    int updatePlayer1(float x, float y, bool canCollide);
    int updatePlayer2(float x, float y, bool canCollide);
    int takeSoundEvent();
    bool inBossFight() const;
    int takeBounce();
    bool isFinished() const;
    void draw();
    void drawFade();

    // One step of the brain and its chamber; the update runs it.
    void bossStep();
    // A craft has rammed the brain: 1100, or 1200 for the kill.
    int hurtBrain();
    void spawnProjectile(int speedY, int mouth);

    // Boxes of everything that can hurt a craft now or is about to: active
    // obstacles, shots, the bands while they hurt, the solid parts of the
    // chamber, the stalk while it hurts, and the beam's reach from the start
    // of its charge. Returns how many were written (at most capacity).
    int hazardBoxes(Box* out, int capacity) const;

    CourseState state() const { return state_; }
    int courseFrames() const { return courseFrames_; }
    int chamberX() const { return chamberX_; }
    int wrapCount() const { return wrapCount_; }
    int peekSound() const { return sound_.peek(); }
    int damageValue() const { return bottomBand_[1].speed; }
    const BrainBoss& boss() const { return boss_; }
    BrainBoss& boss() { return boss_; }
    const FieldPiece& farBackground(int i) const { return farBackground_[i]; }
    const FieldPiece& topBand(int i) const { return topBand_[i]; }
    const FieldPiece& bottomBand(int i) const { return bottomBand_[i]; }
    const FieldPiece& chamberPiece(int i) const { return chamberPieces_[i]; }
    const FieldPiece& frontWall() const { return frontWall_; }
    const Obstacle& obstacle(int i) const { return obstacles_.obstacle(i); }
    const RingFlags& rings(int i) const { return obstacles_.rings(i); }
    const Projectile& projectile(int i) const { return projectiles_[i]; }
    const BonusObject& bonus() const { return bonus_; }
    const Level4Pictures& pictures() const { return pictures_; }

    // Direct placement, for tests and the snapshot tool.
    void setState(CourseState state) { state_ = state; }
    void setCourseFrames(int frames) { courseFrames_ = frames; }
    // Moves the chamber and lays its pieces out from there.
    void setChamberX(int chamberX);
    // Puts an obstacle into a slot with fresh rings, its size from its picture.
    void setObstacle(int slot, int x, int y, int speed, int image);
    void setProjectile(int slot, const Projectile& projectile) { projectiles_[slot] = projectile; }
    void setBonus(const BonusObject& bonus) { bonus_ = bonus; }
    void setPopup(int slot, const ScorePopup& popup) { obstacles_.setPopup(slot, popup); }

  private:
    void resetField();
    void resetChamber();
    void scrollField();
    void arriveChamber(int startX);
    void advanceChamber();
    void layOutChamber();

    void fireVolleyIfDue();
    void shakeWalls();

    void runStage(float x, float y, bool canCollide, int& result);
    void flyProjectiles(int extraLeft, bool test, int& result);
    void testProjectile(const Projectile& shot, int& result);
    void placeCraftBox(float x, float y);
    void testChamber(float x, float y, bool withBrain, int& result);
    bool beamHits(float x, float y) const;
    void testBrainAndStalk(float x, float y, bool withBrain, int& result);
    void testBands(float x, float y, int& result);
    void hit(int value, int& result);

    void drawField();
    void drawBands(bool bothTiles);
    void drawChamber();
    void drawBrainAndStalk();
    void drawBeam();
    void drawPopups();
    void drawCues();

    int addBox(Box* out, int capacity, int count, const Box& box) const;
    int addChamberBoxes(Box* out, int capacity, int count) const;
    int addBrainBoxes(Box* out, int capacity, int count) const;

    Level4Pictures pictures_;
    int courseFrames_ = 0;
    CourseState state_ = Playing;
    SDL_Surface* screen_ = nullptr;
    PendingSound sound_;
    int wrapCount_ = 0;
    BrainBoss boss_;
    int wallShake_ = 0;
    int bouncePending_ = 0;
    BonusObject bonus_;
    FieldPiece craftBox_;
    ObstacleSlots obstacles_;
    FieldPiece farBackground_[2];
    FieldPiece topBand_[2];
    FieldPiece bottomBand_[2];
    int chamberX_ = 800;
    FieldPiece chamberPieces_[Level4Pictures::kChamberPieces];
    FieldPiece frontWall_;
    FieldPiece backWall_;
    Projectile projectiles_[kProjectileSlots];
    SceneryLayer scenery_;
};
