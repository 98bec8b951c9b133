#pragma once

#include <cairo.h>

#include <string>

#include "assetgen/Style.h"

// Paths, fills and strokes the art files share. Every path helper starts a
// new path of its own.

void rect(cairo_t* cr, double x, double y, double w, double h);
void circle(cairo_t* cr, double cx, double cy, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// A closed outline through count points.
void polygon(cairo_t* cr, const double (*points)[2], int count);
// A rectangle with corners rounded to radius r.
void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// The band between two circles: filled, only the band is painted.
void ringPath(cairo_t* cr, double cx, double cy, double outer, double inner);
// A four-pointed glint: a horizontal and a vertical stroke of half-length
// arm through (x, y), added to the current path.
void addCross(cairo_t* cr, double x, double y, double arm);

// Fills the current path with a vertical gradient from a at top to b at bottom.
void fillVertical(cairo_t* cr, double top, double bottom, Rgb a, Rgb b, double alphaA = 1.0,
                  double alphaB = 1.0);
// Fills the current path with a soft round light fading to nothing at radius.
void fillGlow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);
// A whole round glow of radius r.
void glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha);

// A rod, tentacle or chain along the current path: the dark outline stroked
// wide, then the colour inside it.
void outlinedStroke(cairo_t* cr, Rgb colour, double width);
// A straight line in one colour, with whatever line cap is set.
void strokeLine(cairo_t* cr, Rgb colour, double width, double x0, double y0, double x1, double y1,
                double alpha = 1.0);
// The same with round ends.
void strokeRoundLine(cairo_t* cr, Rgb colour, double width, double x0, double y0, double x1,
                     double y1, double alpha = 1.0);

// Draws something three times, a whole tile apart, so that whatever crosses
// one edge comes back in at the other and the tile repeats without a seam.
template <typename Draw>
void wrapped(cairo_t* cr, int tileWidth, Draw draw) {
    for (int dx = -tileWidth; dx <= tileWidth; dx += tileWidth) {
        cairo_save(cr);
        cairo_translate(cr, dx, 0);
        draw();
        cairo_restore(cr);
    }
}

// "data/<prefix><number>.obx", the number written with at least digits
// digits: dataPath("MU/mu", 7, 3) is "data/MU/mu007.obx".
std::string dataPath(const std::string& prefix, int number, int digits = 1);
