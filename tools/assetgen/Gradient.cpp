#include "assetgen/Gradient.h"

Gradient Gradient::linear(double x0, double y0, double x1, double y1) {
    return Gradient(cairo_pattern_create_linear(x0, y0, x1, y1));
}

Gradient Gradient::radial(double cx0, double cy0, double r0, double cx1, double cy1, double r1) {
    return Gradient(cairo_pattern_create_radial(cx0, cy0, r0, cx1, cy1, r1));
}

Gradient::~Gradient() {
    cairo_pattern_destroy(pattern_);
}

Gradient& Gradient::stop(double at, Rgb colour, double alpha) {
    cairo_pattern_add_color_stop_rgba(pattern_, at, colour.r, colour.g, colour.b, alpha);
    return *this;
}

void Gradient::fill(cairo_t* cr) {
    cairo_set_source(cr, pattern_);
    cairo_fill(cr);
}

void Gradient::fillPreserve(cairo_t* cr) {
    cairo_set_source(cr, pattern_);
    cairo_fill_preserve(cr);
}

void Gradient::paint(cairo_t* cr) {
    cairo_set_source(cr, pattern_);
    cairo_paint(cr);
}
