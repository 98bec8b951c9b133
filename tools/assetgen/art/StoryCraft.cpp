#include "assetgen/art/StoryCraft.h"

#include <cmath>

#include "assetgen/art/StoryBrush.h"

namespace {

// The craft is laid out in a frame 84 units long, facing right; its middle
// sits at (42, 26).
constexpr double kLength = 84.0;
constexpr double kMidX = 42.0;
constexpr double kMidY = 26.0;

constexpr Rgb kMetal{0.36, 0.39, 0.46};
constexpr Rgb kGlass{0.12, 0.30, 0.45};
constexpr Rgb kFlameCore{1.00, 0.98, 0.82};
constexpr Rgb kFlameMid{1.00, 0.76, 0.22};
constexpr Rgb kFlameEdge{0.95, 0.38, 0.10};

void hullPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 19.5);
    cairo_curve_to(cr, 15, 15.5, 27, 14, 39, 14.2);
    cairo_curve_to(cr, 57, 14.5, 71, 19.5, 81, 26);
    cairo_curve_to(cr, 84.5, 28, 84, 30, 80.5, 31.2);
    cairo_curve_to(cr, 69, 35.2, 57, 37.6, 45, 37.6);
    cairo_line_to(cr, 19, 37.6);
    cairo_curve_to(cr, 10, 37.6, 5.5, 36.6, 4, 35);
    cairo_close_path(cr);
}

void outlinePath(cairo_t* cr, double width) {
    setColour(cr, kOutline);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

}  // namespace

StoryCraft::StoryCraft(double cx, double cy, double length, double angle, Rgb colour)
    : cx_(cx), cy_(cy), scale_(length / kLength), angle_(angle), colour_(colour) {}

void StoryCraft::enter(cairo_t* cr) const {
    cairo_save(cr);
    cairo_translate(cr, cx_, cy_);
    cairo_rotate(cr, angle_);
    cairo_scale(cr, scale_, scale_);
    cairo_translate(cr, -kMidX, -kMidY);
}

void StoryCraft::draw(cairo_t* cr) const {
    enter(cr);
    const double outline = kOutlineWidth / scale_;
    drawTailParts(cr, outline);
    drawCanopy(cr, outline);
    drawHull(cr, outline);
    // The wing along the lower hull.
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 27.5);
    cairo_line_to(cr, 45, 27.5);
    cairo_line_to(cr, 34, 34.5);
    cairo_line_to(cr, 15.5, 34.5);
    cairo_close_path(cr);
    shadeAndOutline(cr, darken(colour_, 0.1), 15, 27, 30, 8, outline * 0.8);
    // The nozzle's rim and its hot mouth.
    cairo_new_path(cr);
    cairo_move_to(cr, 0.5, 20.5);
    cairo_line_to(cr, 10, 21.5);
    cairo_line_to(cr, 10, 34.5);
    cairo_line_to(cr, 0.5, 35.5);
    cairo_close_path(cr);
    shadeAndOutline(cr, kMetal, 0, 20, 10, 16, outline);
    cairo_save(cr);
    cairo_translate(cr, 2.6, 28);
    cairo_scale(cr, 1.6, 5.2);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    setColour(cr, kFlameMid);
    cairo_fill(cr);
    cairo_restore(cr);
}

void StoryCraft::drawTailParts(cairo_t* cr, double outline) const {
    cairo_new_path(cr);
    cairo_move_to(cr, 9, 20);
    cairo_line_to(cr, 3.5, 7.5);
    cairo_curve_to(cr, 5, 5.5, 9, 5.5, 12, 7);
    cairo_line_to(cr, 27, 16);
    cairo_close_path(cr);
    shadeAndOutline(cr, colour_, 3, 5, 24, 15, outline);
    // The keel under the hull.
    cairo_new_path(cr);
    cairo_move_to(cr, 31, 36);
    cairo_line_to(cr, 36.5, 39.7);
    cairo_line_to(cr, 49, 39.7);
    cairo_line_to(cr, 55, 36);
    cairo_close_path(cr);
    shadeAndOutline(cr, darken(colour_, 0.15), 31, 36, 24, 4, outline);
}

void StoryCraft::drawCanopy(cairo_t* cr, double outline) const {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 44, 13.5);
    cairo_scale(cr, 15, 10.3);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
    shadeAndOutline(cr, kGlass, 29, 3, 30, 12, outline);
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.2);
    cairo_arc(cr, 44, 14, 10, 1.15 * M_PI, 1.42 * M_PI);
    setColour(cr, kWhite, 0.95);
    cairo_stroke(cr);
}

// White above, the player's colour below, a thin stripe of the colour
// between them.
void StoryCraft::drawHull(cairo_t* cr, double outline) const {
    hullPath(cr);
    shadeOnly(cr, kWhite, 4, 14, 80, 24);
    cairo_save(cr);
    hullPath(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 27);
    cairo_curve_to(cr, 30, 25, 60, 23, 85, 26);
    cairo_line_to(cr, 85, 40);
    cairo_line_to(cr, 0, 40);
    cairo_close_path(cr);
    shadeOnly(cr, colour_, 0, 23, 85, 17);
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 20.5);
    cairo_curve_to(cr, 36, 18, 58, 18.5, 76, 23.5);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, colour_);
    cairo_stroke(cr);
    cairo_restore(cr);
    hullPath(cr);
    outlinePath(cr, outline);
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
