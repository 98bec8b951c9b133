#include "assetgen/art/StoryCraft.h"

#include "assetgen/art/CraftShape.h"
#include "assetgen/art/StoryBrush.h"

namespace {

// The craft's frame is the game picture's, facing right; its middle sits at
// (41.5, 26).
constexpr double kMidX = CraftShape::kWidth / 2.0;
constexpr double kMidY = 26.0;

constexpr Rgb kFlameCore{1.00, 0.98, 0.82};
constexpr Rgb kFlameMid{1.00, 0.76, 0.22};
constexpr Rgb kFlameEdge{0.95, 0.38, 0.10};

}  // namespace

StoryCraft::StoryCraft(double cx, double cy, double length, double angle, Rgb colour)
    : cx_(cx), cy_(cy), scale_(length / CraftShape::kWidth), angle_(angle), colour_(colour) {}

void StoryCraft::enter(cairo_t* cr) const {
    cairo_save(cr);
    cairo_translate(cr, cx_, cy_);
    cairo_rotate(cr, angle_);
    cairo_scale(cr, scale_, scale_);
    cairo_translate(cr, -kMidX, -kMidY);
}

void StoryCraft::draw(cairo_t* cr) const {
    enter(cr);
    CraftShape::draw(cr, colour_, kOutlineWidth / scale_);
    cairo_restore(cr);
}

void StoryCraft::drawFlame(cairo_t* cr, double reach) const {
    enter(cr);
    const double len = reach / scale_;
    const Rgb layers[] = {kFlameEdge, kFlameMid, kFlameCore};
    for (int i = 0; i < 3; ++i) {
        const double k = 1.0 - i * 0.28;
        const double half = 6.5 * k;
        cairo_new_path(cr);
        cairo_move_to(cr, 2, 28 - half);
        cairo_curve_to(cr, -len * 0.3 * k, 28 - half * 1.1, -len * 0.7 * k, 28 - half * 0.3,
                       -len * k, 28);
        cairo_curve_to(cr, -len * 0.7 * k, 28 + half * 0.3, -len * 0.3 * k, 28 + half * 1.1, 2,
                       28 + half);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(2, 0, -len * k, 0);
        StoryBrush::addStop(p, 0, layers[i], 1.0);
        StoryBrush::addStop(p, 0.6, layers[i], 0.85);
        StoryBrush::addStop(p, 1, layers[i], 0.0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    cairo_restore(cr);
}

void StoryCraft::drawWake(cairo_t* cr, double length, double alpha) const {
    enter(cr);
    const double len = length / scale_;
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 21);
    cairo_line_to(cr, -len, 27);
    cairo_line_to(cr, -len, 29);
    cairo_line_to(cr, 4, 35);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(4, 0, -len, 0);
    StoryBrush::addStop(p, 0, lighten(colour_, 0.5), alpha);
    StoryBrush::addStop(p, 0.3, colour_, alpha * 0.6);
    StoryBrush::addStop(p, 1, colour_, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}
