#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "game/Types.h"

enum PlayerState : int { Flying = 0, Exploding = 1, Respawning = 2, Departing = 3, Docking = 4 };

// One craft: position and speed with inertia, its keys, trail, explosion,
// lives and drawing. number 1 is player 1, 2 is player 2.
class Player {
  public:
    static constexpr int kTrailLength = 60;
    static constexpr int kFlyOffFrames = 9;
    static constexpr int kExplosionFrames = 12;
    static constexpr int kTrailVariants = 4;
    static constexpr int kSparePictures = 4;
    static constexpr int kWidth = 83;
    static constexpr int kHeight = 40;
    // A returning craft in course 3 is held between these, off the sewer's
    // two bands.
    static constexpr float kRespawnTop = 36.0f;
    static constexpr float kRespawnBottom = 564.0f;
    // Added to the speed in double precision, then stored as float.
    static constexpr double kAccel = 1.3;

    explicit Player(int number = 1) : number_(number == 2 ? 2 : 1) {}

    void loadImages(SDL_Surface* screen);
    // playerCount is kept by player 1 only; it chooses player 1's key set.
    void start(int course, int playerCount = 1);
    void setLives(int n) { lives_ = n; }
    int lives() const { return lives_; }
    bool isFlying() const { return state_ == Flying; }
    Position position() const { return Position{x_, y_}; }
    // One logic frame of control and movement (or of the explosion). Returns
    // 1, or -1 in the frame in which the craft loses its last life.
    int updateInput(KeyState keys);
    void steerTo(float x, float y);
    // 0 or more: flying off into the gate, showing that fly-off picture;
    // negative: docking, still showing the craft.
    void setFinishFrame(int frame);
    void setCourse(int course) { course_ = course; }
    void bounce();
    void hit(int drift);
    void draw();
    void updateTrail();

    int number() const { return number_; }
    int state() const { return state_; }
    float x() const { return x_; }
    float y() const { return y_; }
    float vx() const { return vx_; }
    float vy() const { return vy_; }
    int stateTimer() const { return stateTimer_; }
    int explosionFrame() const { return explosionFrame_; }
    int drift() const { return drift_; }
    int course() const { return course_; }
    int playerCount() const { return playerCount_; }
    int trailIndex() const { return trailIndex_; }
    // Slot k of the trail ring (0 <= k < kTrailLength).
    Position trailParticle(int k) const { return trail_[k]; }
    int trailVariant(int k) const { return trailVariant_[k]; }
    // The craft silhouette, for tests of something against the craft.
    const ObxImage& craftImage() const { return craft_; }

  private:
    struct Keys {
        bool right;
        bool left;
        bool up;
        bool down;
    };

    Keys readKeys(KeyState keys) const;
    void accelerate(const Keys& held);
    void applyWalls(bool wasRespawning);
    void slowInWater();
    int explosionStep();
    void returnToStart();
    float startY() const { return number_ == 2 ? 250.0f : 200.0f; }

    void emitExhaust();
    void emitBubble();
    void driftExhaust();
    void driftBubbles();

    void drawTrail(const ObxImage (&pictures)[kTrailVariants], bool hideHigh) const;
    void drawFlame() const;
    void drawFlameRow(int copies, float baseOffset, int modulus, float rowOffset, bool bent) const;
    void drawCraft() const;

    int lives_ = 0;
    SDL_Surface* screen_ = nullptr;

    ObxImage craft_;
    ObxImage craftCopy_;
    ObxImage flyOff_[kFlyOffFrames];
    ObxImage explosion_[kExplosionFrames];
    ObxImage exhaust2_[kTrailVariants];
    ObxImage exhaust3_[kTrailVariants];
    ObxImage trail4_[kTrailVariants];
    ObxImage spare_[kSparePictures];
    ObxImage flameParticle_;

    float x_ = 0.0f;
    float y_ = 0.0f;
    float vx_ = 0.0f;
    float vy_ = 0.0f;
    Position trail_[kTrailLength] = {};
    int trailVariant_[kTrailLength] = {};
    int trailIndex_ = 0;
    int state_ = Flying;
    int stateTimer_ = 0;
    int explosionFrame_ = 0;
    int drift_ = 0;
    int finishFrame_ = 0;
    int course_ = 1;
    int playerCount_ = 1;
    // Which craft this is: chooses the picture files, the start point and,
    // with playerCount_, the keys.
    int number_;
};
