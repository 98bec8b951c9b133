#include "assetgen/art/Course4Flesh.h"

#include <cmath>

#include "assetgen/Shapes.h"
#include "assetgen/art/Course4Palette.h"

namespace {

// How far a tile's edge runs on past each end, so that its outline is cut by
// the picture's border rather than ending there.
constexpr int kOverrun = 16;
constexpr int kStep = 4;

}  // namespace

Course4Flesh::Course4Flesh(double width, double height, double base, double amplitude, int waves,
                           double phase, bool fromTop)
    : width_(width),
      height_(height),
      base_(base),
      amplitude_(amplitude),
      waves_(waves),
      phase_(phase),
      fromTop_(fromTop) {}

// x is first taken round the tile, so that x and x + width give the very same
// number, not merely a close one.
double Course4Flesh::yAt(double x) const {
    const double u = x - width_ * std::floor(x / width_);
    const double a = 2 * M_PI * waves_ * u / width_ + phase_;
    return base_ + amplitude_ * std::sin(a) + amplitude_ * 0.4 * std::sin(3 * a - phase_);
}

void Course4Flesh::edgePath(cairo_t* cr, bool tile) const {
    const int from = tile ? -kOverrun : 0;
    const int to = static_cast<int>(width_) + (tile ? kOverrun : 0);
    for (int x = from; x <= to; x += kStep) {
        cairo_line_to(cr, x, yAt(x));
    }
}

void Course4Flesh::bodyPath(cairo_t* cr, bool tile) const {
    const double from = tile ? -kOverrun : 0;
    const double to = width_ + (tile ? kOverrun : 0);
    const double side = fromTop_ ? 0 : height_;
    cairo_new_path(cr);
    cairo_move_to(cr, from, side);
    edgePath(cr, tile);
    cairo_line_to(cr, to, side);
    cairo_close_path(cr);
}

void Course4Flesh::fill(cairo_t* cr, bool tile) const {
    bodyPath(cr, tile);
    fillVertical(cr, 0, height_, fromTop_ ? kC4FleshDark : kC4Flesh,
                 fromTop_ ? kC4Flesh : kC4FleshDark);
}

void Course4Flesh::outline(cairo_t* cr, bool tile) const {
    if (tile) {
        cairo_new_path(cr);
        edgePath(cr, true);
    } else {
        bodyPath(cr, false);
    }
    setColour(cr, kOutline);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(cr);
}

void Course4Flesh::strokeVein(cairo_t* cr, ArtRandom& rnd, double x, double y, double length,
                              double lineWidth, Rgb colour, double alpha) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    double cx = x, cy = y;
    for (int i = 0; i < 5; ++i) {
        const double nx = cx + length / 5 + rnd.uniform(-10, 10);
        const double ny = cy + rnd.uniform(-length / 6, length / 6);
        cairo_curve_to(cr, cx + 8, cy + rnd.uniform(-12, 12), nx - 8, ny + rnd.uniform(-12, 12), nx,
                       ny);
        cx = nx;
        cy = ny;
    }
    setColour(cr, colour, alpha);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}
