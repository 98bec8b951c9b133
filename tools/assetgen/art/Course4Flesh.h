#pragma once

#include <cairo.h>

#include "assetgen/Style.h"

// A wavy edge of flesh across a picture, the flesh lying between the edge
// and the picture's top (fromTop) or bottom. The edge has whole waves only
// and repeats exactly every width pixels, so a tiling band joins itself
// without a seam.
class Course4Flesh {
  public:
    Course4Flesh(double width, double height, double base, double amplitude, int waves,
                 double phase, bool fromTop);

    double yAt(double x) const;
    // Fills the flesh with its gradient. A tile runs it on past both ends so
    // that nothing marks where copies meet.
    void fill(cairo_t* cr, bool tile) const;
    // The dark outline along the wavy edge; a piece that is not a tile is
    // outlined round its ends too.
    void outline(cairo_t* cr, bool tile) const;

    double width() const { return width_; }
    double height() const { return height_; }
    bool fromTop() const { return fromTop_; }

    // A thin wandering vein from (x, y), about length long, to the right.
    static void strokeVein(cairo_t* cr, ArtRandom& rnd, double x, double y, double length,
                           double lineWidth, Rgb colour, double alpha);

  private:
    void edgePath(cairo_t* cr, bool tile) const;
    void bodyPath(cairo_t* cr, bool tile) const;

    double width_;
    double height_;
    double base_;
    double amplitude_;
    int waves_;
    double phase_;
    bool fromTop_;
};
