#include "assetgen/art/StoryBrain.h"

#include <algorithm>
#include <cmath>

#include "assetgen/Shapes.h"
#include "assetgen/art/StoryBrush.h"

namespace {

constexpr Rgb kBrainPink{0.94, 0.58, 0.68};
constexpr Rgb kMembrane{0.58, 0.30, 0.68};
constexpr Rgb kBile{0.70, 0.95, 0.30};
constexpr Rgb kHotWhite{1.00, 0.98, 0.85};
constexpr Rgb kHotYellow{1.00, 0.85, 0.35};

}  // namespace

StoryBrain::StoryBrain(double cx, double cy, double width)
    : cx_(cx), cy_(cy), rx_(width / 2), ry_(width * 0.34) {}

// Seen from the side: a domed mass, highest towards the front (right),
// with the lobe hanging under it.
void StoryBrain::shapePath(cairo_t* cr) const {
    const double pts[][2] = {{0.92, 0.30},  {0.88, -0.35}, {0.55, -0.88}, {0.0, -1.0},
                             {-0.6, -0.85}, {-0.98, -0.3}, {-0.95, 0.3},  {-0.6, 0.55},
                             {-0.15, 0.52}, {0.25, 0.82},  {0.7, 0.72}};
    const int n = sizeof pts / sizeof pts[0];
    double px[n], py[n];
    for (int i = 0; i < n; ++i) {
        px[i] = cx_ + pts[i][0] * rx_;
        py[i] = cy_ + pts[i][1] * ry_;
    }
    cairo_new_path(cr);
    for (int i = 0; i <= n; ++i) {
        const int a = i % n, b = (i + 1) % n;
        const double mx = (px[a] + px[b]) / 2, my = (py[a] + py[b]) / 2;
        if (i == 0) {
            cairo_move_to(cr, mx, my);
        } else {
            cairo_curve_to(cr, px[a], py[a], px[a], py[a], mx, my);
        }
    }
    cairo_close_path(cr);
}

// The little ridged lobe at the back, under the great mass.
void StoryBrain::drawHindLobe(cairo_t* cr, Rgb colour) const {
    const double x = cx_ - rx_ * 0.55, y = cy_ + ry_ * 0.58;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx_ * 0.36, ry_ * 0.3);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    shadeAndOutline(cr, colour, x - rx_ * 0.36, y - ry_ * 0.3, rx_ * 0.72, ry_ * 0.6, 2.5);
    cairo_set_line_width(cr, std::max(1.0, rx_ * 0.012));
    setColour(cr, darken(colour, 0.5), 0.9);
    for (int i = -2; i <= 2; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, x - rx_ * 0.3, y + i * ry_ * 0.09);
        cairo_curve_to(cr, x - rx_ * 0.1, y + i * ry_ * 0.09 + ry_ * 0.06, x + rx_ * 0.1,
                       y + i * ry_ * 0.09 + ry_ * 0.06, x + rx_ * 0.3, y + i * ry_ * 0.09);
        cairo_stroke(cr);
    }
}

void StoryBrain::drawStalk(cairo_t* cr, double footX, double footY) const {
    const double topX = cx_ - rx_ * 0.1, topY = cy_ + ry_ * 0.6;
    const int knots = static_cast<int>((footY - topY) / (rx_ * 0.16)) + 1;
    for (int i = knots; i >= 0; --i) {
        const double t = static_cast<double>(i) / knots;
        const double x = topX + (footX - topX) * t + std::sin(t * M_PI) * rx_ * 0.12;
        const double y = topY + (footY - topY) * t;
        const double r = rx_ * (0.11 + 0.05 * t);
        blobPath(cr, x, y, r * 1.15, r, 0.08, 4100 + i, 12);
        shadeAndOutline(cr, kMembrane, x - r, y - r, 2 * r, 2 * r);
        StoryBrush::circle(cr, x + r * 0.1, y + r * 0.1, r * 0.35);
        setColour(cr, darken(kMembrane, 0.4), 0.8);
        cairo_fill(cr);
    }
}

void StoryBrain::drawBrain(cairo_t* cr) const {
    StoryBrush::glow(cr, cx_, cy_, rx_ * 1.6, kBile, 0.35);
    paintMass(cr, kBrainPink);
    // The deep groove along the side.
    cairo_new_path(cr);
    cairo_move_to(cr, cx_ + rx_ * 0.5, cy_ + ry_ * 0.5);
    cairo_curve_to(cr, cx_ + rx_ * 0.3, cy_ + ry_ * 0.1, cx_ - rx_ * 0.05, cy_ + ry_ * 0.25,
                   cx_ - rx_ * 0.3, cy_ - ry_ * 0.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kOutline, 0.9);
    cairo_set_line_width(cr, std::max(2.0, rx_ * 0.035));
    cairo_stroke(cr);
    drawEye(cr, cx_ - rx_ * 0.05, cy_ + ry_ * 0.05, rx_ * 0.24, kBile);
}

void StoryBrain::drawEye(cairo_t* cr, double x, double y, double size, Rgb iris) {
    glow(cr, x, y, size * 1.7, iris, 0.8);
    ellipse(cr, x, y, size, size * 0.83);
    setColour(cr, Rgb{0.06, 0.02, 0.06});
    cairo_fill_preserve(cr);
    strokeOutline(cr, std::max(1.5, size * 0.2));
    ellipse(cr, x - size * 0.1, y, size * 0.72, size * 0.61);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - size * 0.25, y - size * 0.25, 0,
                                                     x - size * 0.1, y, size * 0.72);
    StoryBrush::addStop(p, 0, kWhite);
    StoryBrush::addStop(p, 0.45, iris);
    StoryBrush::addStop(p, 1, darken(iris, 0.35));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    ellipse(cr, x - size * 0.1, y, size * 0.18, size * 0.51);
    setColour(cr, Rgb{0.04, 0.01, 0.04});
    cairo_fill(cr);
    circle(cr, x - size * 0.4, y - size * 0.28, size * 0.17);
    setColour(cr, kWhite);
    cairo_fill(cr);
}

void StoryBrain::paintMass(cairo_t* cr, Rgb colour) const {
    drawHindLobe(cr, darken(colour, 0.1));
    shapePath(cr);
    setColour(cr, darken(colour, 0.4));
    cairo_fill(cr);
    drawFolds(cr, colour);
    // Light from the upper left over the whole mass, shade at the lower right.
    shapePath(cr);
    cairo_pattern_t* p =
        cairo_pattern_create_radial(cx_ - rx_ * 0.4, cy_ - ry_ * 0.6, 0, cx_, cy_, rx_ * 1.3);
    StoryBrush::addStop(p, 0, kWhite, 0.25);
    StoryBrush::addStop(p, 0.5, kWhite, 0.0);
    StoryBrush::addStop(p, 0.8, Rgb{0.2, 0.0, 0.1}, 0.2);
    StoryBrush::addStop(p, 1, Rgb{0.2, 0.0, 0.1}, 0.45);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
}

// The folds: fat winding ridges packed together, each with a dark edge
// and a lit crest.
void StoryBrain::drawFolds(cairo_t* cr, Rgb colour) const {
    cairo_save(cr);
    shapePath(cr);
    cairo_clip(cr);
    ArtRandom rnd(4200);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    const double ridge = rx_ * 0.095;
    const double step = rx_ * 0.13;
    for (int i = 0; i < 110; ++i) {
        double x = cx_ + rnd.uniform(-1, 1) * rx_;
        double y = cy_ + rnd.uniform(-1, 1) * ry_;
        double heading = rnd.uniform(0, 2 * M_PI);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        for (int s = 0; s < 4; ++s) {
            heading += rnd.uniform(-1.9, 1.9);
            const double nx = x + std::cos(heading) * step, ny = y + std::sin(heading) * step;
            cairo_curve_to(cr, x + std::cos(heading - 0.9) * step * 0.7,
                           y + std::sin(heading - 0.9) * step * 0.7, nx, ny, nx, ny);
            x = nx;
            y = ny;
        }
        cairo_path_t* fold = cairo_copy_path(cr);
        setColour(cr, darken(colour, 0.6));
        cairo_set_line_width(cr, ridge + 3.0);
        cairo_stroke(cr);
        cairo_append_path(cr, fold);
        setColour(cr, colour);
        cairo_set_line_width(cr, ridge);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_translate(cr, -ridge * 0.18, -ridge * 0.18);
        cairo_append_path(cr, fold);
        setColour(cr, lighten(colour, 0.45), 0.7);
        cairo_set_line_width(cr, ridge * 0.3);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_path_destroy(fold);
    }
    cairo_restore(cr);
}

void StoryBrain::drawBursting(cairo_t* cr) const {
    StoryBrush::glow(cr, cx_, cy_, rx_ * 2.4, kHotYellow, 0.55);
    StoryBrush::glow(cr, cx_, cy_, rx_ * 1.2, kHotWhite, 0.8);
    paintMass(cr, mix(kBrainPink, kHotYellow, 0.3));
    drawCracks(cr);
}

// Jagged cracks from the middle outwards, white hot at their core.
void StoryBrain::drawCracks(cairo_t* cr) const {
    cairo_save(cr);
    shapePath(cr);
    cairo_clip(cr);
    ArtRandom rnd(4300);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * M_PI * i / 9 + rnd.uniform(-0.2, 0.2);
        cairo_new_path(cr);
        cairo_move_to(cr, cx_, cy_);
        double x = cx_, y = cy_;
        for (int s = 1; s <= 5; ++s) {
            const double d = s / 5.0;
            x = cx_ + std::cos(a + rnd.uniform(-0.25, 0.25)) * rx_ * 1.1 * d;
            y = cy_ + std::sin(a + rnd.uniform(-0.25, 0.25)) * ry_ * 1.1 * d;
            cairo_line_to(cr, x, y);
        }
        const Rgb layers[] = {kOutline, kHotYellow, kHotWhite};
        const double widths[] = {13, 8, 3};
        for (int k = 0; k < 3; ++k) {
            setColour(cr, layers[k]);
            cairo_set_line_width(cr, widths[k] * rx_ / 150);
            k < 2 ? cairo_stroke_preserve(cr) : cairo_stroke(cr);
        }
    }
    StoryBrush::glow(cr, cx_, cy_, rx_ * 0.5, kHotWhite, 0.9);
    cairo_restore(cr);
}
