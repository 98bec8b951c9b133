#include "assetgen/Style.h"

#include <cmath>

#include "assetgen/Gradient.h"

Rgb lighten(Rgb c, double t) {
    return mix(c, Rgb{1, 1, 1}, t);
}
Rgb darken(Rgb c, double t) {
    return mix(c, Rgb{0, 0, 0}, t);
}

Rgb mix(Rgb a, Rgb b, double t) {
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void setColour(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

namespace {

void fillLit(cairo_t* cr, Rgb base, double x, double y, double w, double h) {
    const double cx = x + w * 0.3, cy = y + h * 0.25;
    Gradient::radial(cx, cy, 0, cx, cy, std::hypot(w, h) * 0.85)
        .stop(0, lighten(base, 0.35))
        .stop(0.55, base)
        .stop(1, darken(base, 0.45))
        .fillPreserve(cr);
}

}  // namespace

void shadeAndOutline(cairo_t* cr, Rgb base, double x, double y, double w, double h,
                     double outline) {
    fillLit(cr, base, x, y, w, h);
    strokeOutline(cr, outline);
}

void shadeOnly(cairo_t* cr, Rgb base, double x, double y, double w, double h) {
    fillLit(cr, base, x, y, w, h);
    cairo_new_path(cr);
}

void strokeOutline(cairo_t* cr, double width) {
    setColour(cr, kOutline);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void blobPath(cairo_t* cr, double cx, double cy, double rx, double ry, double roughness,
              std::uint32_t seed, int points) {
    ArtRandom rnd(seed);
    double px[64], py[64];
    if (points > 64) {
        points = 64;
    }
    for (int i = 0; i < points; ++i) {
        const double a = 2 * M_PI * i / points;
        const double k = 1.0 - roughness * rnd.uniform(0.0, 1.0);
        px[i] = cx + std::cos(a) * rx * k;
        py[i] = cy + std::sin(a) * ry * k;
    }
    // A smooth closed curve through the midpoints of the jagged polygon.
    cairo_new_path(cr);
    for (int i = 0; i < points; ++i) {
        const int j = (i + 1) % points;
        const double mx = (px[i] + px[j]) / 2, my = (py[i] + py[j]) / 2;
        if (i == 0) {
            cairo_move_to(cr, mx, my);
        } else {
            cairo_curve_to(cr, px[i], py[i], px[i], py[i], mx, my);
        }
    }
    const double mx = (px[0] + px[1]) / 2, my = (py[0] + py[1]) / 2;
    cairo_curve_to(cr, px[0], py[0], px[0], py[0], mx, my);
    cairo_close_path(cr);
}
