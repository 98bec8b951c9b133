#include "assetgen/art/Course4Chamber.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>

#include "assetgen/Canvas.h"
#include "assetgen/Gradient.h"
#include "assetgen/Shapes.h"
#include "assetgen/art/Course4Flesh.h"
#include "assetgen/art/Course4Palette.h"

namespace {

constexpr int kChamberWidth = 1000;

void drawFleshEdge(cairo_t* cr, const Course4Flesh& flesh, std::uint32_t seed) {
    flesh.fill(cr, false);
    ArtRandom rnd(seed);
    for (int i = 0; i < 30; ++i) {
        const double x = rnd.uniform(0, flesh.width());
        const double edgeY = flesh.yAt(x);
        const double y = flesh.fromTop() ? rnd.uniform(4, edgeY - 6)
                                         : rnd.uniform(edgeY + 6, flesh.height() - 4);
        Course4Flesh::strokeVein(cr, rnd, x, y, 60, 2, kC4Vein, 0.7);
    }
    flesh.outline(cr, false);
}

// A mouth in the wall: a ring of lips around a dark throat.
void drawMouth(cairo_t* cr, double cx, double cy, double rx, double ry) {
    blobPath(cr, cx, cy, rx, ry, 0.15, static_cast<std::uint32_t>(cx + cy), 12);
    shadeAndOutline(cr, kC4Polyp, cx - rx, cy - ry, 2 * rx, 2 * ry);
    ellipse(cr, cx - rx * 0.1, cy, rx * 0.55, ry * 0.45);
    setColour(cr, darken(kC4Cavity, 0.6));
    cairo_fill(cr);
}

}  // namespace

void Course4Chamber::make(AssetWriter& out) {
    makeCeilingAndFloor(out);
    makeFrontWall(out);
    makeBackWall(out);
}

void Course4Chamber::makeCeilingAndFloor(AssetWriter& out) {
    // The brain drifts below y 80 and above y 540: the flesh stays out of
    // that room.
    Canvas ceiling(kChamberWidth, 72);
    drawFleshEdge(ceiling.cr(), Course4Flesh(kChamberWidth, 72, 54, 8, 9, 0.3, true), 4018);
    out.obx(ceiling, dataPath("L4/", 4018));
    Canvas side(74, 366);
    cairo_t* cr = side.cr();
    blobPath(cr, 44, 183, 34, 186, 0.1, 4019, 16);
    shadeAndOutline(cr, kC4FleshDark, 0, 0, 74, 366);
    out.obx(side, dataPath("L4/", 4019));
    Canvas floor(kChamberWidth, 135);
    drawFleshEdge(floor.cr(), Course4Flesh(kChamberWidth, 135, 92, 8, 9, 1.7, false), 4020);
    out.obx(floor, dataPath("L4/", 4020));
}

// The wall at the right edge: solid flesh from x 90 on, with the two mouths
// reaching out to the left where the shots leave (upper one at y 83, lower
// one at y 509), and the socket that holds the stalk.
void Course4Chamber::makeFrontWall(AssetWriter& out) {
    Canvas wall(180, 600);
    cairo_t* cr = wall.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 180, 0);
    cairo_line_to(cr, 110, 0);
    for (int y = 0; y <= 600; y += 10) {
        cairo_line_to(cr, 100 + 10 * std::sin(y * 0.045) + 5 * std::sin(y * 0.13), y);
    }
    cairo_line_to(cr, 180, 600);
    cairo_close_path(cr);
    shadeAndOutline(cr, kC4Flesh, 90, 0, 90, 600);
    drawMouth(cr, 62, 92, 46, 26);
    drawMouth(cr, 42, 520, 50, 26);
    blobPath(cr, 96, 300, 22, 34, 0.15, 4021, 10);
    shadeAndOutline(cr, kC4FleshDark, 74, 266, 44, 68);
    out.obx(wall, dataPath("L4/", 4021));
}

// The cavity behind everything: dark flesh with arches and veins. Its left
// edge is ragged, so the chamber's opening shows while it scrolls in.
void Course4Chamber::makeBackWall(AssetWriter& out) {
    Canvas back(800, 600);
    cairo_t* cr = back.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 800, 0);
    for (int y = 0; y <= 600; y += 12) {
        cairo_line_to(cr, 26 + 16 * std::sin(y * 0.03) + 8 * std::sin(y * 0.11), y);
    }
    cairo_line_to(cr, 800, 600);
    cairo_close_path(cr);
    Gradient::radial(420, 300, 40, 420, 300, 520)
        .stop(0, mix(kC4CavityLight, kC4Membrane, 0.3))
        .stop(1, darken(kC4Cavity, 0.3))
        .fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = 160 + 160 * i;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 40, 600);
        cairo_curve_to(cr, x - 60, 200, x + 60, 200, x + 40, 600);
        setColour(cr, kC4CavityLight, 0.5);
        cairo_set_line_width(cr, 14);
        cairo_stroke(cr);
    }
    ArtRandom rnd(4022);
    for (int i = 0; i < 18; ++i) {
        Course4Flesh::strokeVein(cr, rnd, rnd.uniform(60, 700), rnd.uniform(60, 540), 120,
                                 rnd.uniform(1.5, 3.0), kC4Vein, 0.9);
    }
    out.obx(back, dataPath("L4/", 4022));
}
