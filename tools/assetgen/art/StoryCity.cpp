#include "assetgen/art/StoryCity.h"

#include <algorithm>
#include <cmath>

#include "assetgen/art/StoryBrush.h"

void StoryCity::skyline(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x0, double x1) {
    double x = x0 - rnd.uniform(0, layer.minWidth);
    while (x < x1) {
        const double w = rnd.uniform(layer.minWidth, layer.maxWidth);
        const double h = rnd.uniform(layer.minHeight, layer.maxHeight);
        tower(cr, rnd, layer, x, w, h);
        x += w + (rnd.below(4) == 0 ? rnd.uniform(2, 8) : -rnd.uniform(0, 4));
    }
}

void StoryCity::tower(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x, double w,
                      double h) {
    const double top = layer.baseY - h;
    StoryBrush::rect(cr, x, top, w, h + 1);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    StoryBrush::addStop(p, 0, lighten(layer.body, 0.10));
    StoryBrush::addStop(p, 0.3, layer.body);
    StoryBrush::addStop(p, 1, darken(layer.body, 0.25));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    roof(cr, rnd, layer, x, w, top);
    windows(cr, rnd, layer, x, w, top);
}

void StoryCity::roof(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x, double w,
                     double top) {
    const Rgb body = layer.body;
    switch (rnd.below(5)) {
        case 0:  // a narrower storey on top
            StoryBrush::rect(cr, x + w * 0.2, top - w * 0.35, w * 0.6, w * 0.35 + 1);
            setColour(cr, body);
            cairo_fill(cr);
            break;
        case 1:  // a mast with a warning light
            StoryBrush::rect(cr, x + w * 0.5 - 1, top - w * 0.8, 2, w * 0.8);
            setColour(cr, body);
            cairo_fill(cr);
            StoryBrush::glow(cr, x + w * 0.5, top - w * 0.8, 5, layer.windows, 0.9);
            break;
        case 2:  // a dome
            cairo_new_path(cr);
            cairo_arc(cr, x + w / 2, top + 1, w * 0.4, M_PI, 2 * M_PI);
            cairo_close_path(cr);
            shadeOnly(cr, body, x, top - w * 0.4, w, w * 0.4);
            break;
        case 3:  // a slanted top
            cairo_new_path(cr);
            cairo_move_to(cr, x, top + 1);
            cairo_line_to(cr, x, top - w * 0.45);
            cairo_line_to(cr, x + w, top + 1);
            cairo_close_path(cr);
            setColour(cr, darken(body, 0.1));
            cairo_fill(cr);
            break;
        default:
            break;
    }
}

void StoryCity::windows(cairo_t* cr, ArtRandom& rnd, const Layer& layer, double x, double w,
                        double top) {
    const double stepX = 7, stepY = 9;
    const int columns = std::max(1, static_cast<int>((w - 6) / stepX));
    const double left = x + (w - columns * stepX) / 2 + 2;
    for (double y = top + 6; y < layer.baseY - 8; y += stepY) {
        for (int c = 0; c < columns; ++c) {
            if (rnd.uniform(0, 1) >= layer.lit) {
                continue;
            }
            StoryBrush::rect(cr, left + c * stepX, y, 3, 4);
            setColour(cr, layer.windows, rnd.uniform(0.55, 1.0));
            cairo_fill(cr);
        }
    }
}
