#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// A linear or radial gradient built stop by stop and used once, to fill the
// current path or paint the whole canvas:
//   Gradient::linear(0, 0, 0, 600).stop(0, kTop).stop(1, kBottom).fill(cr);
class Gradient {
  public:
    static Gradient linear(double x0, double y0, double x1, double y1);
    static Gradient radial(double cx0, double cy0, double r0, double cx1, double cy1, double r1);
    ~Gradient();
    Gradient(const Gradient&) = delete;
    Gradient& operator=(const Gradient&) = delete;

    Gradient& stop(double at, Rgb colour, double alpha = 1.0);
    // Fills the current path, which is consumed.
    void fill(cairo_t* cr);
    // Fills the current path and keeps it (for an outline on top).
    void fillPreserve(cairo_t* cr);
    // Paints the whole canvas, or what the clip leaves of it.
    void paint(cairo_t* cr);

  private:
    explicit Gradient(cairo_pattern_t* pattern) : pattern_(pattern) {}

    cairo_pattern_t* pattern_;
};
