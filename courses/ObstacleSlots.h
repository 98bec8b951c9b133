#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "assets/ObxImage.h"
#include "courses/CourseObject.h"
#include "courses/NearPass.h"
#include "courses/PendingSound.h"
#include "courses/ScorePopup.h"

// One stream of obstacles in fixed slots, the first count of kCapacity:
// each slot holds an obstacle, the rings that still pay near passes around
// it and the popup of its last payment. Pictures are passed as the stream's
// picture 0, so an obstacle shows pictures[image].
class ObstacleSlots {
  public:
    static constexpr int kCapacity = 15;

    // How an obstacle comes in at the right edge. The chance roll comes
    // first and is made even when no slot is free; then speed, picture and
    // height are rolled, in that order.
    struct SpawnRule {
        int chanceModulus;
        int chanceAtLeast;  // the roll must reach this
        int speedModulus;
        int speedBase;
        int pictureCount;  // 1: the one picture, without a roll
        int yModulus;
        int yBase;
        bool rollsBottomEdge;  // the rolled height is that of its bottom edge
    };
    // Run on an obstacle each time it has moved; it may change the picture.
    using Animation = void (*)(Obstacle&);
    // Where a crash is looked for: in the obstacle's own box, or in that of
    // the picture it shows now (for animation frames that may differ in size).
    enum class CrashArea { ObstacleBox, ShownPicture };

    explicit ObstacleSlots(int count = kCapacity, Animation animation = nullptr,
                           CrashArea crashArea = CrashArea::ObstacleBox)
        : count_(count), animation_(animation), crashArea_(crashArea) {}

    int count() const { return count_; }
    const Obstacle& obstacle(int slot) const { return obstacles_[slot]; }
    const RingFlags& rings(int slot) const { return rings_[slot]; }
    const ScorePopup& popup(int slot) const { return popups_[slot]; }
    void setObstacle(int slot, const Obstacle& obstacle) { obstacles_[slot] = obstacle; }
    void setRings(int slot, const RingFlags& rings) { rings_[slot] = rings; }
    void setPopup(int slot, const ScorePopup& popup) { popups_[slot] = popup; }
    void remove(int slot) { obstacles_[slot].active = false; }

    // Every obstacle gone and every popup blank.
    void clear();
    // An active obstacle showing image, sized by picture, its animation at
    // the start and all three rings paying.
    void place(int slot, int image, const ObxImage& picture, int x, int y, int speed);
    void spawn(const SpawnRule& rule, const ObxImage* pictures);

    // Player 1's pass: each slot's popup ages and its obstacle moves (and
    // animates), then is tested against the craft if it can collide. A
    // crash ends the pass: later slots are neither aged, moved nor tested.
    void advance(float x, float y, bool canCollide, const ObxImage* pictures, PendingSound& sound,
                 int& result);
    // Player 2's pass over the field as player 1's left it, sharing the
    // rings; a crash ends it too.
    void test(float x, float y, const ObxImage* pictures, PendingSound& sound, int& result);

    // Writes the boxes of the active obstacles after the count already in
    // out, up to capacity; returns the new count.
    int addBoxes(Box* out, int capacity, int count) const;
    void draw(const ObxImage* pictures, SDL_Surface* screen) const;
    void drawPopups(const PopupDigits& digits, SDL_Surface* screen) const;

  private:
    int firstFree() const;
    bool crashes(int slot, float x, float y, const ObxImage* pictures, PendingSound& sound,
                 int& result);

    int count_;
    Animation animation_;
    CrashArea crashArea_;
    Obstacle obstacles_[kCapacity];
    RingFlags rings_[kCapacity];
    ScorePopup popups_[kCapacity];
};
