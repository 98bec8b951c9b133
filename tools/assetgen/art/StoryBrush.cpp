#include "assetgen/art/StoryBrush.h"

#include <cmath>

namespace {

constexpr double kWidth = 800;
constexpr double kHeight = 600;

}  // namespace

void StoryBrush::addStop(cairo_pattern_t* p, double at, Rgb c, double alpha) {
    cairo_pattern_add_color_stop_rgba(p, at, c.r, c.g, c.b, alpha);
}

void StoryBrush::fillVertical(cairo_t* cr, double top, double bottom, Rgb a, Rgb b) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    addStop(p, 0, a);
    addStop(p, 1, b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryBrush::fillFade(cairo_t* cr, double top, double bottom, Rgb c, double alphaTop,
                          double alphaBottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, top, 0, bottom);
    addStop(p, 0, c, alphaTop);
    addStop(p, 1, c, alphaBottom);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryBrush::sky(cairo_t* cr, Rgb top, Rgb middle, Rgb bottom, double middleAt) {
    rect(cr, 0, 0, kWidth, kHeight);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kHeight);
    addStop(p, 0, top);
    addStop(p, middleAt, middle);
    addStop(p, 1, bottom);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryBrush::glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha) {
    circle(cr, cx, cy, radius);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    addStop(p, 0, c, alpha);
    addStop(p, 0.45, c, alpha * 0.45);
    addStop(p, 1, c, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryBrush::nebula(cairo_t* cr, ArtRandom& rnd, double cx, double cy, double rx, double ry,
                        Rgb c, double alpha, int puffs) {
    for (int i = 0; i < puffs; ++i) {
        const double a = rnd.uniform(0, 2 * M_PI);
        const double d = std::sqrt(rnd.uniform(0, 1));
        const double x = cx + std::cos(a) * rx * d;
        const double y = cy + std::sin(a) * ry * d;
        const double r = rnd.uniform(0.25, 0.55) * (rx + ry) * (1.1 - 0.5 * d);
        glow(cr, x, y, r, mix(c, lighten(c, 0.3), rnd.uniform(0, 1)), alpha);
    }
}

void StoryBrush::stars(cairo_t* cr, ArtRandom& rnd, int count, double x, double y, double w,
                       double h, double brightness) {
    for (int i = 0; i < count; ++i) {
        const double sx = x + rnd.uniform(0, w), sy = y + rnd.uniform(0, h);
        const double b = rnd.uniform(0.25, 1.0) * brightness;
        const Rgb tint = mix(Rgb{0.75, 0.85, 1.0}, Rgb{1.0, 0.95, 0.85}, rnd.uniform(0, 1));
        circle(cr, sx, sy, b > 0.8 ? 1.3 : 0.8);
        setColour(cr, tint, b);
        cairo_fill(cr);
        if (b > 0.9 && rnd.below(3) == 0) {
            const double len = rnd.uniform(4, 8);
            cairo_set_line_width(cr, 1.0);
            cairo_move_to(cr, sx - len, sy);
            cairo_line_to(cr, sx + len, sy);
            cairo_move_to(cr, sx, sy - len);
            cairo_line_to(cr, sx, sy + len);
            setColour(cr, tint, 0.5 * b);
            cairo_stroke(cr);
        }
    }
}

void StoryBrush::planet(cairo_t* cr, double cx, double cy, double r, Rgb lit, Rgb dark, Rgb air) {
    glow(cr, cx, cy, r * 1.18, air, 0.35);
    circle(cr, cx, cy, r);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.45, cy - r * 0.45, r * 0.05,
                                                     cx - r * 0.2, cy - r * 0.2, r * 1.45);
    addStop(p, 0, lighten(lit, 0.25));
    addStop(p, 0.45, lit);
    addStop(p, 0.85, dark);
    addStop(p, 1, darken(dark, 0.5));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // The lit rim of air on the side facing the light.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - 1.5, 0.95 * M_PI, 1.75 * M_PI);
    cairo_set_line_width(cr, 3.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, lighten(air, 0.4), 0.7);
    cairo_stroke(cr);
}

void StoryBrush::haze(cairo_t* cr, Rgb c, double alpha) {
    setColour(cr, c, alpha);
    cairo_paint(cr);
}

void StoryBrush::pushLayer(cairo_t* cr) {
    cairo_push_group(cr);
}

void StoryBrush::popLayer(cairo_t* cr, Rgb c, double alpha) {
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    setColour(cr, c, alpha);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void StoryBrush::captionShade(cairo_t* cr, Rgb shadow, double from, double alpha) {
    rect(cr, 0, from, kWidth, kHeight - from);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, from, 0, kHeight);
    addStop(p, 0, shadow, 0.0);
    addStop(p, 0.5, shadow, alpha * 0.8);
    addStop(p, 1, shadow, alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryBrush::vignette(cairo_t* cr, double alpha) {
    rect(cr, 0, 0, kWidth, kHeight);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(kWidth / 2, kHeight / 2, 220, kWidth / 2, kHeight / 2, 560);
    addStop(p, 0, Rgb{0, 0, 0}, 0.0);
    addStop(p, 1, Rgb{0, 0, 0}, alpha);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void StoryBrush::speedLines(cairo_t* cr, ArtRandom& rnd, double x, double y, double spread,
                            double length, int count, Rgb c, double alpha) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < count; ++i) {
        const double ly = y + rnd.uniform(-spread, spread);
        const double end = x - rnd.uniform(0, length * 0.3);
        const double len = length * rnd.uniform(0.4, 1.0);
        cairo_pattern_t* p = cairo_pattern_create_linear(end - len, 0, end, 0);
        addStop(p, 0, c, 0.0);
        addStop(p, 1, c, alpha);
        cairo_set_source(cr, p);
        cairo_set_line_width(cr, rnd.uniform(1.0, 2.5));
        cairo_move_to(cr, end - len, ly);
        cairo_line_to(cr, end, ly);
        cairo_stroke(cr);
        cairo_pattern_destroy(p);
    }
}

void StoryBrush::circle(cairo_t* cr, double cx, double cy, double r) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
}

void StoryBrush::rect(cairo_t* cr, double x, double y, double w, double h) {
    cairo_new_path(cr);
    cairo_rectangle(cr, x, y, w, h);
}
