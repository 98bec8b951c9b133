#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "assets/ObxImage.h"
#include "courses/BonusObject.h"
#include "courses/CourseObject.h"
#include "courses/FieldPiece.h"
#include "courses/NearPass.h"
#include "courses/ObstacleSlots.h"
#include "courses/PendingSound.h"
#include "courses/SceneryLayer.h"
#include "courses/ScorePopup.h"
#include "game/Types.h"

// Course 3: the sewer channel. Two scrolling bands along the top and bottom
// edges must not be touched; fast obstacles (one of them animated) stream in
// from the right, and at the end the crafts are flown out of the right edge.
class Level3 {
  public:
    static constexpr int kSlots = ObstacleSlots::kCapacity;
    static constexpr int kImageCount = 24;
    static constexpr int kObstaclePictures = 10;
    static constexpr int kSceneryPictures = 6;
    // Every active obstacle plus the two bands.
    static constexpr int kMaxHazards = kSlots + 2;

    // Image table entries.
    static constexpr int kFirstObstacle = 3;
    static constexpr int kFirstScenery = 13;
    static constexpr int kFirstBonus = 22;  // the doubling one, then the halving one

    // Results this course reports besides near passes and obstacle crashes.
    static constexpr int kBandContact = 5;

    Level3();
    void loadImages(SDL_Surface* screen);
    void reset();
    void perSecondTick(int seconds, int minutes, bool someoneFlying);
    int updatePlayer1(float x, float y, bool canCollide);
    int updatePlayer2(float x, float y, bool canCollide);
    int takeSoundEvent();
    bool isPlaying() const;
    Position steerOutro(float x, float y);
    int progress() const;
    void draw();

    // The boxes of everything that destroys a craft: each active obstacle's
    // picture box, then the deadly parts of the top and bottom bands. Writes
    // at most capacity boxes and returns how many it wrote.
    int hazardBoxes(Box* out, int capacity) const;

    // Inspection and set-up, for tests and tools.
    CourseState state() const { return state_; }
    void setState(CourseState state) { state_ = state; }
    int seconds() const { return seconds_; }
    int minutes() const { return minutes_; }
    // The height both band tests use: that of the top band picture.
    int bandHeight() const { return images_[1].height(); }

    const Obstacle& obstacle(int slot) const { return obstacles_.obstacle(slot); }
    void setObstacle(int slot, const Obstacle& obstacle) { obstacles_.setObstacle(slot, obstacle); }
    const RingFlags& rings(int slot) const { return obstacles_.rings(slot); }
    void setRings(int slot, const RingFlags& rings) { obstacles_.setRings(slot, rings); }
    const ScorePopup& popup(int slot) const { return obstacles_.popup(slot); }
    void setPopup(int slot, const ScorePopup& popup) { obstacles_.setPopup(slot, popup); }
    const SceneryObject& scenery(int slot) const { return scenery_.object(slot); }
    void setScenery(int slot, const SceneryObject& scenery) { scenery_.setObject(slot, scenery); }
    const BonusObject& bonus() const { return bonus_; }
    void setBonus(const BonusObject& bonus) { bonus_ = bonus; }
    const FieldPiece& farBackground(int piece) const { return farBackground_[piece]; }
    const FieldPiece& topBand(int piece) const { return topBand_[piece]; }
    const FieldPiece& bottomBand(int piece) const { return bottomBand_[piece]; }
    const ObxImage& obstaclePicture(int n) const { return images_[kFirstObstacle + n]; }
    const ObxImage& sceneryPicture(int n) const { return images_[kFirstScenery + n]; }
    const ObxImage& bonusPicture(int kind) const { return images_[kFirstBonus + kind]; }

  private:
    void scrollField();
    bool touchesBand(float y) const;
    static void animate(Obstacle& obstacle);
    void drawPopups();

    CourseState state_ = Playing;
    SDL_Surface* screen_ = nullptr;
    ObxImage images_[kImageCount];
    int seconds_ = 0;
    int minutes_ = 0;
    float outroX_ = 0.0f;
    float outroY_ = 0.0f;
    PendingSound pendingSound_;
    BonusObject bonus_;
    ObstacleSlots obstacles_;
    FieldPiece farBackground_[2];
    FieldPiece topBand_[2];
    FieldPiece bottomBand_[2];
    SceneryLayer scenery_;
};
