#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// The painting tools the story pictures share: gradients, soft light, stars,
// nebulae, lit spheres and the haze that pushes a layer into the distance.
class StoryBrush {
  public:
    static void addStop(cairo_pattern_t* p, double at, Rgb c, double alpha = 1.0);
    // Fills the current path with a vertical gradient from top to bottom.
    static void fillVertical(cairo_t* cr, double top, double bottom, Rgb a, Rgb b);
    // The same with one colour whose opacity changes from top to bottom.
    static void fillFade(cairo_t* cr, double top, double bottom, Rgb c, double alphaTop,
                         double alphaBottom);
    // The whole picture as a vertical gradient through three colours.
    static void sky(cairo_t* cr, Rgb top, Rgb middle, Rgb bottom, double middleAt = 0.5);
    // A round soft light that fades to nothing at radius.
    static void glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);
    // A cloud of soft glows scattered over an ellipse.
    static void nebula(cairo_t* cr, ArtRandom& rnd, double cx, double cy, double rx, double ry,
                       Rgb c, double alpha, int puffs);
    // Stars over a box; a few of the brightest get a four-pointed glint.
    static void stars(cairo_t* cr, ArtRandom& rnd, int count, double x, double y, double w,
                      double h, double brightness);
    // A sphere lit from the upper left, with a thin bright rim of air.
    static void planet(cairo_t* cr, double cx, double cy, double r, Rgb lit, Rgb dark, Rgb air);
    // Covers the whole picture with a colour: the layers drawn before it sink
    // into the distance.
    static void haze(cairo_t* cr, Rgb c, double alpha);
    // Everything drawn between these two goes into one layer that is then
    // tinted with c over its own shapes only: the layer sinks into the
    // distance without a haze box around it.
    static void pushLayer(cairo_t* cr);
    static void popLayer(cairo_t* cr, Rgb c, double alpha);
    // Darkens the picture's lower part so that captions read over it.
    static void captionShade(cairo_t* cr, Rgb shadow, double from = 460, double alpha = 0.55);
    // Darkens the corners.
    static void vignette(cairo_t* cr, double alpha);
    // Streaks of speed behind something moving right, ending at x.
    static void speedLines(cairo_t* cr, ArtRandom& rnd, double x, double y, double spread,
                           double length, int count, Rgb c, double alpha);
    static void circle(cairo_t* cr, double cx, double cy, double r);
    static void rect(cairo_t* cr, double x, double y, double w, double h);
};
