#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "courses/CourseObject.h"

// One layer of scenery in kSlots fixed slots, drifting left behind the
// obstacles. Pictures are passed as the layer's picture 0, so an object
// shows pictures[image].
class SceneryLayer {
  public:
    static constexpr int kSlots = 15;

    // The rolls that place an object. A reset spreads the layer over the
    // whole width with its own speeds; later objects come in at the right
    // edge. Speed, picture, x (spread out only) and y are rolled in that
    // order; the picture is rolled even when there is only one.
    struct Rule {
        int resetSpeedModulus;
        int resetSpeedBase;
        int speedModulus;
        int speedBase;
        int pictureCount;
        int yModulus;
        int yBase;
    };

    explicit SceneryLayer(const Rule& rule) : rule_(rule) {}

    const SceneryObject& object(int slot) const { return objects_[slot]; }
    void setObject(int slot, const SceneryObject& object) { objects_[slot] = object; }

    // Every slot filled, anywhere across the screen.
    void spreadOut(const ObxImage* pictures);
    // A newcomer at the right edge in the first free slot, if there is one.
    void spawn(const ObxImage* pictures);
    void move();
    void draw(const ObxImage* pictures, SDL_Surface* screen) const;

  private:
    void place(SceneryObject& object, int speed, const ObxImage* pictures, bool spread);

    Rule rule_;
    SceneryObject objects_[kSlots];
};
