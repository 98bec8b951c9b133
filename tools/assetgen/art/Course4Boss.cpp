#include "assetgen/art/Course4Boss.h"

#include <cairo.h>

#include <cmath>

#include "assetgen/Canvas.h"
#include "assetgen/Gradient.h"
#include "assetgen/Shapes.h"
#include "assetgen/art/Course4Palette.h"
#include "assetgen/art/StoryBrain.h"

namespace {

// The brain is drawn with its corner at the brain's place but is rammed
// with the stalk segment's knot, which fills the 40 by 40 corner of its
// picture: the brain has the knot's very outline, so that what looks like a
// hit on it is one. Its eye sits in the middle, where the beam leaves.
constexpr int kBrainWidth = 64;
constexpr int kBrainHeight = 42;
constexpr double kEyeX = 19;
constexpr double kEyeY = 21;
constexpr double kEyeSize = 6.5;

// The knot's outline: the stalk segments and the brain are hit with it.
void knotPath(cairo_t* cr) {
    blobPath(cr, 20, 20, 18, 17, 0.06, 4023, 16);
}

// Winding folds, each a dark groove with a lit crest above it, packed
// over the mass like the story brain's, at a size that still shows them.
void drawFolds(cairo_t* cr) {
    ArtRandom rnd(4023);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 18; ++i) {
        double x = rnd.uniform(2, 38), y = rnd.uniform(2, 38);
        double heading = rnd.uniform(0, 2 * M_PI);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        for (int step = 0; step < 3; ++step) {
            heading += rnd.uniform(-1.6, 1.6);
            const double nx = x + 5 * std::cos(heading), ny = y + 5 * std::sin(heading);
            cairo_curve_to(cr, x + 3 * std::cos(heading - 0.8), y + 3 * std::sin(heading - 0.8), nx,
                           ny, nx, ny);
            x = nx;
            y = ny;
        }
        cairo_path_t* fold = cairo_copy_path(cr);
        setColour(cr, darken(kC4BrainPink, 0.65));
        cairo_set_line_width(cr, 2.2);
        cairo_stroke(cr);
        cairo_translate(cr, -0.9, -0.9);
        cairo_append_path(cr, fold);
        setColour(cr, lighten(kC4BrainPink, 0.5), 0.8);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        cairo_translate(cr, 0.9, 0.9);
        cairo_path_destroy(fold);
    }
    // The cleft between the two halves.
    cairo_new_path(cr);
    cairo_move_to(cr, 21, 2);
    cairo_curve_to(cr, 25, 12, 18, 28, 23, 39);
    setColour(cr, darken(kC4BrainPink, 0.7));
    cairo_set_line_width(cr, 2.0);
    cairo_stroke(cr);
}

// The story's brain, small: a pink folded mass lit from the upper left, with
// the same glowing eye, in the knot's outline.
void drawBrain(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    knotPath(cr);
    Gradient::radial(13, 11, 1, 20, 20, 24)
        .stop(0, lighten(kC4BrainPink, 0.3))
        .stop(0.6, kC4BrainPink)
        .stop(1, darken(kC4BrainPink, 0.4))
        .fillPreserve(cr);
    cairo_clip(cr);
    drawFolds(cr);
    cairo_restore(cr);
    StoryBrain::drawEye(cr, kEyeX, kEyeY, kEyeSize, kC4BileBright);
    knotPath(cr);
    strokeOutline(cr);
}

// Flashing: the brain washed white over its own shapes only.
void drawFlashingBrain(Canvas& canvas) {
    drawBrain(canvas);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    setColour(cr, kC4FlashWhite, 0.75);
    cairo_paint(cr);
    cairo_restore(cr);
    StoryBrain::drawEye(cr, kEyeX, kEyeY, kEyeSize, kWhite);
}

// A stalk segment: a round knot of gristle, the same shape the brain is hit
// with.
void drawSegment(Canvas& canvas, Rgb colour) {
    cairo_t* cr = canvas.cr();
    knotPath(cr);
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
    Canvas brain(kBrainWidth, kBrainHeight);
    drawBrain(brain);
    out.obx(brain, dataPath("L4/", 4023));
    Canvas segment(40, 40);
    drawSegment(segment, kC4Membrane);
    out.obx(segment, dataPath("L4/", 4024));
    Canvas brainFlash(kBrainWidth, kBrainHeight);
    drawFlashingBrain(brainFlash);
    out.obx(brainFlash, dataPath("L4/", 4036));
    Canvas segmentFlash(40, 40);
    drawSegment(segmentFlash, lighten(kC4Membrane, 0.7));
    out.obx(segmentFlash, dataPath("L4/", 4037));
}

// Small, fast and over a dark purple field: spiked stars of hot orange and
// red, ringed white inside their dark outline. Nothing in the tunnels is
// spiked, hot or ringed white, so a shot is never taken for scenery.
void Course4Boss::makeProjectiles(AssetWriter& out) {
    const Rgb colours[3] = {kC4Warning, Rgb{1.0, 0.30, 0.18}, Rgb{1.0, 0.72, 0.20}};
    const int sizes[3] = {18, 22, 16};
    const int spikes[3] = {5, 6, 4};
    for (int i = 0; i < 3; ++i) {
        Canvas shot(sizes[i], sizes[i]);
        cairo_t* cr = shot.cr();
        const double r = sizes[i] / 2.0;
        cairo_new_path(cr);
        for (int k = 0; k < 2 * spikes[i]; ++k) {
            const double a = M_PI * k / spikes[i] - M_PI / 2;
            const double d = k % 2 ? r * 0.5 : r - 1.2;
            cairo_line_to(cr, r + d * std::cos(a), r + d * std::sin(a));
        }
        cairo_close_path(cr);
        Gradient::radial(r * 0.8, r * 0.8, 0, r, r, r)
            .stop(0, lighten(colours[i], 0.4))
            .stop(1, darken(colours[i], 0.25))
            .fillPreserve(cr);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        setColour(cr, kOutline);
        cairo_set_line_width(cr, 3.0);
        cairo_stroke_preserve(cr);
        setColour(cr, kWhite);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        circle(cr, r, r, r * 0.3);
        setColour(cr, Rgb{1.0, 0.97, 0.80});
        cairo_fill(cr);
        out.obx(shot, dataPath("L4/", 4025 + i));
    }
}

// The beam gathers as a growing ball of bile light over the brain's eye,
// drawn at (brain x - 47, brain y - 37): the eye is at (66, 58).
void Course4Boss::makeBeamOpening(AssetWriter& out) {
    const double cx = 47 + kEyeX, cy = 37 + kEyeY;
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

// The beam, 513 by 24, drawn at (brain x - 491, brain y + 12): its right end
// lies in the eye. A white core in bile light, rippling in two phases.
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
