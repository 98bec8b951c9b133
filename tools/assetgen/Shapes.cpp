#include "assetgen/Shapes.h"

#include <cmath>
#include <cstdio>

#include "assetgen/Gradient.h"

void rect(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
}

void circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void polygon(cairo_t* cr, const double (*points)[2], int count) {
    cairo_new_path(cr);
    cairo_move_to(cr, points[0][0], points[0][1]);
    for (int i = 1; i < count; ++i) {
        cairo_line_to(cr, points[i][0], points[i][1]);
    }
    cairo_close_path(cr);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void ringPath(cairo_t* cr, double cx, double cy, double outer, double inner) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, outer, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, cx, cy, inner, 2 * M_PI, 0);
}

void addCross(cairo_t* cr, double x, double y, double arm) {
    cairo_move_to(cr, x - arm, y);
    cairo_line_to(cr, x + arm, y);
    cairo_move_to(cr, x, y - arm);
    cairo_line_to(cr, x, y + arm);
}

void fillVertical(cairo_t* cr, double top, double bottom, Rgb a, Rgb b, double alphaA,
                  double alphaB) {
    Gradient::linear(0, top, 0, bottom).stop(0, a, alphaA).stop(1, b, alphaB).fill(cr);
}

void fillGlow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
    Gradient::radial(cx, cy, 0, cx, cy, radius).stop(0, c, alpha).stop(1, c, 0.0).fill(cr);
}

void glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
    circle(cr, cx, cy, r);
    fillGlow(cr, cx, cy, r, c, alpha);
}

void outlinedStroke(cairo_t* cr, Rgb colour, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, width + 2 * kOutlineWidth);
    cairo_stroke_preserve(cr);
    setColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void strokeLine(cairo_t* cr, Rgb colour, double width, double x0, double y0, double x1, double y1,
                double alpha) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void strokeRoundLine(cairo_t* cr, Rgb colour, double width, double x0, double y0, double x1,
                     double y1, double alpha) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    strokeLine(cr, colour, width, x0, y0, x1, y1, alpha);
}

std::string dataPath(const std::string& prefix, int number, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, number);
    return "data/" + prefix + text + ".obx";
}
