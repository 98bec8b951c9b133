#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// The giant brain that rules the beast, on its stalk of gristle knots: a
// pink, deeply folded mass lit from the upper left, glowing with bile
// light. It can be shown whole or bursting apart.
class StoryBrain {
  public:
    // The brain's middle at (cx, cy), width pixels wide.
    StoryBrain(double cx, double cy, double width);

    // The stalk from the brain's underside down to (footX, footY).
    void drawStalk(cairo_t* cr, double footX, double footY) const;
    // The whole brain with its glowing eye.
    void drawBrain(cairo_t* cr) const;
    // The eye the brain sees and fires with: a dark socket size pixels
    // across its half width, an iris of bile light and a slit pupil.
    static void drawEye(cairo_t* cr, double x, double y, double size, Rgb iris);
    // The brain torn open: light pouring out of its cracks.
    void drawBursting(cairo_t* cr) const;

  private:
    void shapePath(cairo_t* cr) const;
    void paintMass(cairo_t* cr, Rgb colour) const;
    void drawHindLobe(cairo_t* cr, Rgb colour) const;
    void drawFolds(cairo_t* cr, Rgb colour) const;
    void drawCracks(cairo_t* cr) const;

    double cx_;
    double cy_;
    double rx_;
    double ry_;
};
