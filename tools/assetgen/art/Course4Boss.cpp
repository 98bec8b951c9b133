#include "assetgen/art/Course4Boss.h"

#include <cairo.h>

#include <cmath>

#include "assetgen/Canvas.h"
#include "assetgen/Gradient.h"
#include "assetgen/Shapes.h"
#include "assetgen/art/Course4Palette.h"

namespace {

void drawBrain(Canvas& canvas, Rgb colour) {
    cairo_t* cr = canvas.cr();
    blobPath(cr, 20, 20, 18, 17, 0.06, 4023, 16);
    shadeAndOutline(cr, colour, 2, 3, 36, 34);
    // Folds.
    cairo_set_line_width(cr, 1.5);
    setColour(cr, darken(colour, 0.45));
    const double folds[5][6] = {{8, 14, 14, 8, 20, 14},
                                {20, 14, 26, 8, 32, 15},
                                {7, 24, 14, 19, 18, 26},
                                {19, 24, 25, 30, 32, 24},
                                {12, 32, 18, 28, 26, 34}};
    for (const auto& f : folds) {
        cairo_new_path(cr);
        cairo_move_to(cr, f[0], f[1]);
        cairo_curve_to(cr, f[2], f[3], f[2], f[3], f[4], f[5]);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 5);
    cairo_curve_to(cr, 17, 16, 23, 24, 20, 36);
    cairo_stroke(cr);
}

// A stalk segment: a round knot of gristle, the same shape the brain is hit
// with.
void drawSegment(Canvas& canvas, Rgb colour) {
    cairo_t* cr = canvas.cr();
    blobPath(cr, 20, 20, 18, 17, 0.06, 4023, 16);
    shadeAndOutline(cr, colour, 2, 3, 36, 34);
    circle(cr, 20, 20, 7);
    setColour(cr, darken(colour, 0.35));
    cairo_fill(cr);
}

}  // namespace

void Course4Boss::make(AssetWriter& out) {
    makeBrainAndStalk(out);
    makeProjectiles(out);
    makeBeamOpening(out);
    makeBeam(out);
}

void Course4Boss::makeBrainAndStalk(AssetWriter& out) {
    Canvas brain(40, 40);
    drawBrain(brain, kC4BrainPink);
    out.obx(brain, dataPath("L4/", 4023));
    Canvas segment(40, 40);
    drawSegment(segment, kC4Membrane);
    out.obx(segment, dataPath("L4/", 4024));
    Canvas brainFlash(40, 40);
    drawBrain(brainFlash, kC4FlashWhite);
    out.obx(brainFlash, dataPath("L4/", 4036));
    Canvas segmentFlash(40, 40);
    drawSegment(segmentFlash, lighten(kC4Membrane, 0.7));
    out.obx(segmentFlash, dataPath("L4/", 4037));
}

void Course4Boss::makeProjectiles(AssetWriter& out) {
    const Rgb colours[3] = {kC4Bile, kC4SporeYellow, kC4Violet};
    const int sizes[3] = {18, 22, 16};
    for (int i = 0; i < 3; ++i) {
        Canvas shot(sizes[i], sizes[i]);
        cairo_t* cr = shot.cr();
        const double r = sizes[i] / 2.0;
        blobPath(cr, r, r, r - 2, r - 2, 0.2, 4025 + i, 8);
        shadeAndOutline(cr, colours[i], 0, 0, 2 * r, 2 * r);
        circle(cr, r * 0.75, r * 0.75, r * 0.28);
        setColour(cr, kWhite, 0.8);
        cairo_fill(cr);
        out.obx(shot, dataPath("L4/", 4025 + i));
    }
}

// The beam gathers as a growing ball of bile light over the brain's face,
// drawn at (brain x - 47, brain y - 37): the brain's middle is at (67, 57).
void Course4Boss::makeBeamOpening(AssetWriter& out) {
    const double cx = 67, cy = 57;
    for (int frame = 0; frame < 5; ++frame) {
        Canvas canvas(134, 114);
        cairo_t* cr = canvas.cr();
        const double grow = (frame + 1) / 5.0;
        const double r = 14 + 34 * grow;
        circle(cr, cx, cy, r);
        fillGlow(cr, cx, cy, r, kC4BileBright, 1.0);
        circle(cr, cx, cy, r * 0.55);
        setColour(cr, kC4BileBright);
        cairo_fill_preserve(cr);
        strokeOutline(cr);
        circle(cr, cx, cy, r * 0.3);
        setColour(cr, kWhite);
        cairo_fill(cr);
        out.obx(canvas, dataPath("L4/", 4029 + frame));
    }
}

// The beam, 513 by 24, its right end at the brain: a white core in bile
// light, rippling in two phases.
void Course4Boss::makeBeam(AssetWriter& out) {
    for (int phase = 0; phase < 2; ++phase) {
        Canvas canvas(513, 24);
        cairo_t* cr = canvas.cr();
        cairo_new_path(cr);
        cairo_move_to(cr, 513, 1);
        for (int x = 512; x >= 0; x -= 6) {
            cairo_line_to(cr, x, 3 + 2 * std::sin(x * 0.09 + phase * M_PI));
        }
        for (int x = 0; x <= 513; x += 6) {
            cairo_line_to(cr, x, 21 + 2 * std::sin(x * 0.09 + phase * M_PI + 1.3));
        }
        cairo_close_path(cr);
        fillVertical(cr, 0, 24, kC4Bile, darken(kC4Bile, 0.3));
        rect(cr, 0, 8, 513, 8);
        setColour(cr, phase == 0 ? kC4BileBright : kWhite);
        cairo_fill(cr);
        rect(cr, 0, 11, 513, 2);
        setColour(cr, kWhite);
        cairo_fill(cr);
        out.obx(canvas, dataPath("L4/", 4034 + phase));
    }
}
