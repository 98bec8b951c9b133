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

// Course 1, deep space: two parallax scenery layers, one stream of obstacles
// that pay near passes and crash crafts, a bonus that doubles or halves the
// score, and a finish gate the crafts are flown into after 36 seconds.
class Level1 {
  public:
    static constexpr int kSlots = ObstacleSlots::kCapacity;
    static constexpr int kImageCount = 25;
    static constexpr int kObstaclePictures = 7;

    // Image table entries.
    static constexpr int kBackground = 0;
    static constexpr int kFirstObstacle = 1;
    static constexpr int kFirstNear = 9;
    static constexpr int kFarPicture = 17;
    static constexpr int kGate = 19;
    static constexpr int kDigitZero = 20;
    static constexpr int kDigitOne = 21;
    static constexpr int kDigitFive = 22;
    static constexpr int kDoublingBonus = 23;
    static constexpr int kHalvingBonus = 24;

    static constexpr int kGateY = 200;

    Level1();
    void loadImages(SDL_Surface* screen);
    void reset();
    void perSecondTick(int seconds, int minutes, bool someoneFlying);
    int updatePlayer1(float x, float y, bool canCollide);
    int updatePlayer2(float x, float y, bool canCollide);
    int takeSoundEvent() { return pendingSound_.take(); }
    bool isPlaying() const { return state_ == Playing; }
    Position steerOutro(float x, float y);
    int progress() const { return outro_.progress(state_); }
    void draw();

    // Read access for tests and the test autopilot. hazardBoxes writes the
    // boxes of the active obstacles (at most capacity) and returns how many
    // it wrote.
    int hazardBoxes(Box* out, int capacity) const;
    int state() const { return state_; }
    int gateX() const { return outro_.gateX(); }
    int seconds() const { return seconds_; }
    int minutes() const { return minutes_; }
    int peekSound() const { return pendingSound_.peek(); }
    // What the last update for player 1 or 2 returned.
    // Slot accessors take slots 0..14 and entries 0..24.
    const Obstacle& obstacle(int slot) const { return obstacles_.obstacle(slot); }
    const RingFlags& rings(int slot) const { return obstacles_.rings(slot); }
    const ScorePopup& popup(int slot) const { return obstacles_.popup(slot); }
    const SceneryObject& nearObject(int slot) const { return nearLayer_.object(slot); }
    const SceneryObject& farObject(int slot) const { return farLayer_.object(slot); }
    const BonusObject& bonus() const { return bonus_; }
    const ObxImage& image(int entry) const { return images_[entry]; }

    // Setters for tests: they put the course into a chosen situation.
    void setState(CourseState state) { state_ = state; }
    void setGateX(int x) { outro_.setGateX(x); }
    // An active obstacle with picture number picture (0..6), sized by its
    // picture and with all three rings still paying.
    void placeObstacle(int slot, int picture, int x, int y, int speed);
    void removeObstacle(int slot) { obstacles_.remove(slot); }
    void setPopup(int slot, const ScorePopup& popup) { obstacles_.setPopup(slot, popup); }
    void setBonus(const BonusObject& bonus) { bonus_ = bonus; }

  private:
    const ObxImage* obstaclePictures() const { return &images_[kFirstObstacle]; }
    void drawPopups();

    CourseState state_ = Playing;
    SDL_Surface* screen_ = nullptr;
    ObxImage images_[kImageCount];
    int seconds_ = 0;
    int minutes_ = 0;
    GateOutro outro_;
    PendingSound pendingSound_;
    ObstacleSlots obstacles_;
    BonusObject bonus_;
    SceneryLayer nearLayer_;
    SceneryLayer farLayer_;
};
