#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "assets/ObxImage.h"
#include "courses/BonusObject.h"
#include "courses/CourseObject.h"
#include "courses/GateOutro.h"
#include "courses/NearPass.h"
#include "courses/ObstacleSlots.h"
#include "courses/PendingSound.h"
#include "courses/SceneryLayer.h"
#include "courses/ScorePopup.h"
#include "game/Types.h"

// Course 2, under water: three obstacle kinds (the first animated), one
// scenery layer, a sea-bed strip drawn in front of the crafts, a hazard that
// sweeps along the top every 30 seconds, a drawn bonus and a gate at the top.
using Course2Object = Obstacle;

class Level2 {
  public:
    static constexpr int kKind1Slots = 6;
    static constexpr int kKind2Slots = 6;
    static constexpr int kKind3Slots = 2;
    static constexpr int kLayerSlots = SceneryLayer::kSlots;
    static constexpr int kImageCount = 21;

    // Image table entries.
    static constexpr int kBackground = 0;
    static constexpr int kKind1Picture = 1;
    static constexpr int kKind2Picture = 3;
    static constexpr int kKind3Picture = 8;
    static constexpr int kLayerPicture = 9;
    static constexpr int kGate = 13;
    static constexpr int kFloorTile = 14;
    static constexpr int kSweeperPicture = 15;
    static constexpr int kDigitZero = 16;
    static constexpr int kDigitOne = 17;
    static constexpr int kDigitFive = 18;
    static constexpr int kDoublingBonus = 19;
    static constexpr int kHalvingBonus = 20;
    // Slots of obstacle kind 1, 2 or 3.
    static constexpr int slotCount(int number) {
        return number == 1 ? kKind1Slots : number == 2 ? kKind2Slots : kKind3Slots;
    }
    // Every obstacle slot plus the sweeper.
    static constexpr int kMaxHazards = kKind1Slots + kKind2Slots + kKind3Slots + 1;

    Level2();
    void loadImages(SDL_Surface* screen);
    void reset();
    void perSecondTick(int seconds, int minutes, bool someoneFlying);
    int updatePlayer1(float x, float y, bool canCollide);
    int updatePlayer2(float x, float y, bool canCollide);
    int takeSoundEvent();
    bool isPlaying() const;
    Position steerOutro(float x, float y);
    int progress() const { return outro_.progress(state_); }
    void draw();
    void drawFloor();
    void drawPopups();

    // The boxes of every active obstacle of all kinds and of the sweeper, at
    // most capacity of them; returns how many were written.
    int hazardBoxes(Box* out, int capacity) const;

    // Read access for tests and the test autopilot. Kinds are 1, 2 and 3.
    CourseState state() const { return state_; }
    int gateX() const { return outro_.gateX(); }
    int seconds() const { return seconds_; }
    int minutes() const { return minutes_; }
    int peekSound() const { return pendingSound_.peek(); }
    const Course2Object& obstacle(int kind, int slot) const {
        return this->kind(kind).obstacle(slot);
    }
    const RingFlags& rings(int kind, int slot) const { return this->kind(kind).rings(slot); }
    const ScorePopup& popup(int kind, int slot) const { return this->kind(kind).popup(slot); }
    const Course2Object& sweeper() const { return sweeper_; }
    const BonusObject& bonus() const { return bonus_; }
    const Course2Object& floorTile(int tile) const { return floorTiles_[tile]; }
    const SceneryObject& scenery(int slot) const { return layer_.object(slot); }
    const ObxImage& image(int entry) const { return images_[entry]; }

    // Setters for tests: they put the course into a chosen situation.
    void setState(CourseState state) { state_ = state; }
    void setGateX(int x) { outro_.setGateX(x); }
    // An active obstacle of the kind showing its picture number picture,
    // sized by that picture, its animation at the start and all three rings
    // still paying.
    void placeObstacle(int kind, int slot, int picture, int x, int y, int speed);
    // The sweeper crossing at (x, 0).
    void placeSweeper(int x);
    void setBonus(const BonusObject& bonus) { bonus_ = bonus; }
    void setPopup(int kind, int slot, const ScorePopup& popup) {
        kinds_[index(kind)].setPopup(slot, popup);
    }

  private:
    // Kinds 1, 2 and 3 are kinds_[0], [1] and [2].
    static constexpr int index(int kind) { return kind == 1 ? 0 : kind == 2 ? 1 : 2; }
    static constexpr int firstPicture(int kind) {
        return kind == 1 ? kKind1Picture : kind == 2 ? kKind2Picture : kKind3Picture;
    }
    const ObstacleSlots& kind(int number) const { return kinds_[index(number)]; }
    const ObxImage* pictures(int kind) const { return &images_[firstPicture(kind)]; }
    void launchSweeper();
    void moveFloor();
    bool hitsSweeper(float x, float y);

    CourseState state_ = Playing;
    SDL_Surface* screen_ = nullptr;
    ObxImage images_[kImageCount];
    int seconds_ = 0;
    int minutes_ = 0;
    GateOutro outro_;
    PendingSound pendingSound_;
    Course2Object sweeper_;
    ObstacleSlots kinds_[3];
    Course2Object floorTiles_[2];
    SceneryLayer layer_;
    BonusObject bonus_;
};
