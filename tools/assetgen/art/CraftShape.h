#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// The players' craft, one drawing for the game's pictures and the story's:
// a white upper hull over the player's colour, the dark canopy, the tail
// fin, the keel, the wing and the nozzle, in a frame 83 by 40 facing right.
class CraftShape {
  public:
    static constexpr int kWidth = 83;
    static constexpr int kHeight = 40;

    // Draws the craft into the current frame; the outline width is in
    // frame units, so a scaled drawing passes its outline divided by the scale.
    static void draw(cairo_t* cr, Rgb colour, double outline);

  private:
    static void hullPath(cairo_t* cr);
    static void finPath(cairo_t* cr);
    static void drawCanopy(cairo_t* cr, double outline);
    static void drawNozzle(cairo_t* cr, double outline);
    static void drawHull(cairo_t* cr, Rgb colour, double outline);
};
