#include "assetgen/art/StoryWorld.h"

#include <algorithm>
#include <cmath>

#include "assetgen/art/StoryBrush.h"

namespace {

constexpr Rgb kOcean{0.16, 0.50, 0.70};
constexpr Rgb kOceanDeep{0.05, 0.20, 0.38};
constexpr Rgb kLand{0.40, 0.55, 0.30};
constexpr Rgb kDesert{0.66, 0.58, 0.38};
constexpr Rgb kAir{0.45, 0.80, 1.00};

}  // namespace

void StoryWorld::paint(cairo_t* cr, std::uint32_t seed) const {
    begin(cr);
    ArtRandom rnd(seed);
    for (int i = 0; i < 5; ++i) {
        const double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0.1, 0.8) * r_;
        const double size = rnd.uniform(0.18, 0.34) * r_;
        land(cr, cx_ + std::cos(a) * d, cy_ + std::sin(a) * d, size * 1.4, size * 0.8, seed + i);
    }
    clouds(cr, 14, seed + 50);
    end(cr);
}

void StoryWorld::begin(cairo_t* cr) const {
    StoryBrush::glow(cr, cx_, cy_, r_ * 1.12, kAir, 0.45);
    cairo_save(cr);
    StoryBrush::circle(cr, cx_, cy_, r_);
    cairo_clip(cr);
    StoryBrush::circle(cr, cx_, cy_, r_);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(cx_ - r_ * 0.4, cy_ - r_ * 0.5, 0, cx_, cy_, r_);
    StoryBrush::addStop(p, 0, lighten(kOcean, 0.15));
    StoryBrush::addStop(p, 1, kOceanDeep);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryWorld::land(cairo_t* cr, double x, double y, double rx, double ry,
                      std::uint32_t seed) const {
    // Shallow water first, then the land with its green and sand.
    blobPath(cr, x, y, rx * 1.08, ry * 1.12, 0.45, seed, 16);
    setColour(cr, lighten(kOcean, 0.35), 0.5);
    cairo_fill(cr);
    blobPath(cr, x, y, rx, ry, 0.45, seed, 16);
    ArtRandom rnd(seed);
    shadeOnly(cr, mix(kLand, kDesert, rnd.uniform(0, 0.6)), x - rx, y - ry, 2 * rx, 2 * ry);
}

void StoryWorld::clouds(cairo_t* cr, int count, std::uint32_t seed) const {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; ++i) {
        const double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0.0, 0.95) * r_;
        const double x = cx_ + std::cos(a) * d, y = cy_ + std::sin(a) * d;
        const double size = rnd.uniform(0.06, 0.16) * std::min(r_, 300.0);
        blobPath(cr, x, y, size * 2.4, size * 0.5, 0.3, seed + i, 12);
        setColour(cr, kWhite, rnd.uniform(0.35, 0.7));
        cairo_fill(cr);
    }
}

void StoryWorld::end(cairo_t* cr) const {
    StoryBrush::circle(cr, cx_, cy_, r_);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx_ - r_ * 0.45, cy_ - r_ * 0.45, r_ * 0.2,
                                                     cx_ - r_ * 0.2, cy_ - r_ * 0.2, r_ * 1.5);
    StoryBrush::addStop(p, 0, Rgb{0, 0, 0}, 0.0);
    StoryBrush::addStop(p, 0.5, Rgb{0.01, 0.02, 0.06}, 0.25);
    StoryBrush::addStop(p, 0.8, Rgb{0.01, 0.02, 0.06}, 0.85);
    StoryBrush::addStop(p, 1, Rgb{0.01, 0.01, 0.04}, 0.95);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_arc(cr, cx_, cy_, r_ - 2, 0.95 * M_PI, 1.80 * M_PI);
    cairo_set_line_width(cr, 4.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, lighten(kAir, 0.5), 0.75);
    cairo_stroke(cr);
}
