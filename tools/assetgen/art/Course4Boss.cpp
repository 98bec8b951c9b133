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
// picture. The brain reaches further right and down, where its stalk joins
// it; its eye sits in the middle of the knot, where the beam leaves.
constexpr int kBrainWidth = 64;
constexpr int kBrainHeight = 42;
constexpr double kEyeX = 19;
constexpr double kEyeY = 21;

// The glowing eye the beam comes out of.
void drawEye(cairo_t* cr, Rgb iris) {
    glow(cr, kEyeX, kEyeY, 15, iris, 0.8);
    ellipse(cr, kEyeX, kEyeY, 9, 7.5);
    setColour(cr, darken(kC4Cavity, 0.4));
    cairo_fill_preserve(cr);
    strokeOutline(cr);
    ellipse(cr, kEyeX - 1, kEyeY, 6.5, 5.5);
    Gradient::radial(kEyeX - 2, kEyeY - 2, 0, kEyeX - 1, kEyeY, 6.5)
        .stop(0, kWhite)
        .stop(0.45, iris)
        .stop(1, darken(iris, 0.35))
        .fill(cr);
    ellipse(cr, kEyeX - 1, kEyeY, 1.6, 4.6);
    setColour(cr, darken(kC4Cavity, 0.6));
    cairo_fill(cr);
    circle(cr, kEyeX - 3.5, kEyeY - 2.5, 1.5);
    setColour(cr, kWhite);
    cairo_fill(cr);
}

// The same brain as in the story, small, with the eye over its folds. Its
// underside, dark between the great mass and the lobe under it, fills the
// notch where they meet: the knot the brain is rammed with reaches there.
void drawBrain(Canvas& canvas) {
    cairo_t* cr = canvas.cr();
    ellipse(cr, 27, 33, 9, 4);
    shadeAndOutline(cr, darken(kC4BrainPink, 0.5), 18, 29, 18, 8);
    const StoryBrain brain(33, 21, 62);
    brain.drawBrain(cr);
    drawEye(cr, kC4BileBright);
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
    drawEye(cr, kWhite);
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

// Small, fast and over a dark purple field: bright colours, and as much of
// the picture as the outline leaves.
void Course4Boss::makeProjectiles(AssetWriter& out) {
    const Rgb colours[3] = {kC4Bile, kC4SporeYellow, lighten(kC4Violet, 0.35)};
    const int sizes[3] = {18, 22, 16};
    for (int i = 0; i < 3; ++i) {
        Canvas shot(sizes[i], sizes[i]);
        cairo_t* cr = shot.cr();
        const double r = sizes[i] / 2.0;
        blobPath(cr, r, r, r - 1.5, r - 1.5, 0.15, 4025 + i, 8);
        shadeAndOutline(cr, colours[i], 0, 0, 2 * r, 2 * r);
        circle(cr, r * 0.75, r * 0.75, r * 0.28);
        setColour(cr, kWhite, 0.8);
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
