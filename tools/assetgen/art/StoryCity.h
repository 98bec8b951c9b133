#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// The city's skyline: rows of towers lit from the left, with windows.
class StoryCity {
  public:
    struct Layer {
        double baseY;
        double minHeight;
        double maxHeight;
        double minWidth;
        double maxWidth;
        Rgb body;
        Rgb windows;
        double lit;  // the share of windows that show
    };

    // A row of towers standing on baseY from x0 to x1.
    static void skyline(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x0, double x1);

  private:
    static void tower(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x, double w,
                      double h);
    static void roof(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x, double w,
                     double top);
    static void windows(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x, double w,
                        double top);
};
