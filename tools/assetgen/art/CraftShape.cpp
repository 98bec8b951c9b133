#include "assetgen/art/CraftShape.h"

#include <cmath>

#include "assetgen/Shapes.h"

namespace {

constexpr Rgb kMetal{0.36, 0.39, 0.46};
constexpr Rgb kGlass{0.12, 0.30, 0.45};
constexpr Rgb kNozzleGlow{1.00, 0.78, 0.22};

}  // namespace

void CraftShape::hullPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 19);
    cairo_curve_to(cr, 14, 15.5, 26, 14, 38, 14);
    cairo_curve_to(cr, 56, 14, 70, 19, 80.5, 25.5);
    cairo_curve_to(cr, 84.2, 27.5, 84.2, 29.5, 80.5, 31);
    cairo_curve_to(cr, 70, 35, 58, 37.5, 46, 37.5);
    cairo_line_to(cr, 20, 37.5);
    cairo_curve_to(cr, 10, 37.5, 5, 36.5, 4, 35);
    cairo_close_path(cr);
}

void CraftShape::finPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 9, 20);
    cairo_line_to(cr, 3.5, 7.5);
    cairo_curve_to(cr, 5, 5.5, 9, 5.5, 12, 7);
    cairo_line_to(cr, 27, 16);
    cairo_close_path(cr);
}

void CraftShape::drawCanopy(cairo_t* cr, double outline) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, 44, 13.5);
    cairo_scale(cr, 15, 10.3);
    cairo_arc(cr, 0, 0, 1, M_PI, 2 * M_PI);
    cairo_restore(cr);
    cairo_close_path(cr);
    shadeAndOutline(cr, kGlass, 29, 3, 30, 12, outline);
    // The glint of light from the upper left.
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.2);
    cairo_arc(cr, 44, 14, 10, 1.15 * M_PI, 1.42 * M_PI);
    setColour(cr, kWhite, 0.95);
    cairo_stroke(cr);
}

void CraftShape::drawNozzle(cairo_t* cr, double outline) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0.5, 20.5);
    cairo_line_to(cr, 10, 21.5);
    cairo_line_to(cr, 10, 34.5);
    cairo_line_to(cr, 0.5, 35.5);
    cairo_close_path(cr);
    shadeAndOutline(cr, kMetal, 0, 20, 10, 16, outline);
    ellipse(cr, 2.6, 28, 1.6, 5.2);
    setColour(cr, kNozzleGlow);
    cairo_fill(cr);
}

// The lower hull in the player's colour, under a white upper hull.
void CraftShape::drawHull(cairo_t* cr, Rgb colour, double outline) {
    hullPath(cr);
    shadeOnly(cr, kWhite, 4, 14, 80, 24);
    cairo_save(cr);
    hullPath(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 27);
    cairo_curve_to(cr, 30, 25, 60, 23, 84, 26);
    cairo_line_to(cr, 84, 40);
    cairo_line_to(cr, 0, 40);
    cairo_close_path(cr);
    shadeOnly(cr, colour, 0, 23, 84, 17);
    // A thin stripe of the colour along the upper hull.
    cairo_new_path(cr);
    cairo_move_to(cr, 14, 20.5);
    cairo_curve_to(cr, 36, 18, 58, 18.5, 76, 23.5);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, colour);
    cairo_stroke(cr);
    cairo_restore(cr);
    hullPath(cr);
    strokeOutline(cr, outline);
}

void CraftShape::draw(cairo_t* cr, Rgb colour, double outline) {
    finPath(cr);
    shadeAndOutline(cr, colour, 3, 5, 24, 15, outline);
    const double keel[][2] = {{31, 36}, {36.5, 39.7}, {49, 39.7}, {55, 36}};
    polygon(cr, keel, 4);
    shadeAndOutline(cr, darken(colour, 0.15), 31, 36, 24, 4, outline);
    drawCanopy(cr, outline);
    drawHull(cr, colour, outline);
    const double wing[][2] = {{20, 27.5}, {44, 27.5}, {33, 34.5}, {15, 34.5}};
    polygon(cr, wing, 4);
    shadeAndOutline(cr, darken(colour, 0.1), 15, 27, 29, 8, outline * 0.8);
    drawNozzle(cr, outline);
}
