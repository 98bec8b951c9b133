#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// The players' craft as the story pictures show it: the same white hull
// over the player's colour, the dark canopy, the tail fin and the nozzle as
// in the game, drawn at any size and tilt with the light kept at the upper
// left and the outline kept at 2 pixels.
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
    void drawHull(cairo_t* cr, double outline) const;
    void drawCanopy(cairo_t* cr, double outline) const;
    void drawTailParts(cairo_t* cr, double outline) const;

    double cx_;
    double cy_;
    double scale_;
    double angle_;
    Rgb colour_;
};
