#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// The players' craft as the story pictures show it: the game's craft drawn
// at any size and tilt, its outline kept at 2 pixels, with a flame and a
// wake of its own.
class StoryCraft {
  public:
    // The craft's middle at (cx, cy), length pixels long, nose turned by
    // angle radians (positive tilts the nose down).
    StoryCraft(double cx, double cy, double length, double angle, Rgb colour);

    void draw(cairo_t* cr) const;
    // The engine's flame, pointing back from the nozzle, reach in pixels.
    void drawFlame(cairo_t* cr, double reach) const;
    // A glowing wake in the player's colour, length pixels behind the craft.
    void drawWake(cairo_t* cr, double length, double alpha) const;

  private:
    void enter(cairo_t* cr) const;  // cairo_save + the craft's own frame

    double cx_;
    double cy_;
    double scale_;
    double angle_;
    Rgb colour_;
};
