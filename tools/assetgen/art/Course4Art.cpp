// Course 4: the living tunnels of a creature. A ribbed, veined gullet of
// pinks and purples scrolls between two fleshy bands; cells, polyps and bile
// spores come at the crafts. At the end a fleshy chamber holds the brain on
// its stalk, with a wall at the right whose two mouths spit shots and a beam
// that grows out of the brain.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Lettering.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"

namespace {

constexpr int kTile = 800;
constexpr int kBandHeight = 52;

constexpr Rgb kCavity{0.16, 0.05, 0.14};
constexpr Rgb kCavityLight{0.34, 0.11, 0.28};
constexpr Rgb kFlesh{0.80, 0.38, 0.52};
constexpr Rgb kFleshDark{0.46, 0.15, 0.32};
constexpr Rgb kMembrane{0.58, 0.30, 0.68};
constexpr Rgb kVein{0.40, 0.08, 0.30};
constexpr Rgb kBile{0.58, 0.80, 0.18};
constexpr Rgb kBileBright{0.84, 0.95, 0.36};
constexpr Rgb kPolyp{0.93, 0.45, 0.66};
constexpr Rgb kSporeYellow{0.90, 0.86, 0.22};
constexpr Rgb kViolet{0.62, 0.24, 0.82};
constexpr Rgb kBrainPink{0.94, 0.58, 0.68};
constexpr Rgb kFlashWhite{1.00, 0.92, 0.96};
constexpr Rgb kWarning{1.00, 0.56, 0.30};

// A wavy edge across width; whole waves only, so a tile's ends meet.
double waveAt(double x, double width, double base, double amplitude, int waves, double phase) {
    return base + amplitude * std::sin(2 * M_PI * waves * x / width + phase) +
           amplitude * 0.4 * std::sin(2 * M_PI * (waves * 3) * x / width + phase * 2);
}

// The area between a wavy edge and the top (fromTop) or the bottom.
void wavyBand(cairo_t* cr, double width, double height, double base, double amplitude, int waves,
              double phase, bool fromTop) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, fromTop ? 0 : height);
    for (int x = 0; x <= static_cast<int>(width); x += 4) {
        cairo_line_to(cr, x, waveAt(x, width, base, amplitude, waves, phase));
    }
    cairo_line_to(cr, width, fromTop ? 0 : height);
    cairo_close_path(cr);
}

void strokeVein(cairo_t* cr, ArtRandom& rnd, double x, double y, double length, double width,
                Rgb colour, double alpha) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    double cx = x, cy = y;
    for (int i = 0; i < 5; ++i) {
        const double nx = cx + length / 5 + rnd.uniform(-10, 10);
        const double ny = cy + rnd.uniform(-length / 6, length / 6);
        cairo_curve_to(cr, cx + 8, cy + rnd.uniform(-12, 12), nx - 8, ny + rnd.uniform(-12, 12), nx,
                       ny);
        cx = nx;
        cy = ny;
    }
    setColour(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// ---------------------------------------------------------------- the tunnel

void paintRibs(cairo_t* cr) {
    for (int i = 0; i < 5; ++i) {
        const double x = 80 + 160 * i;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 30, 0);
        cairo_curve_to(cr, x + 40, 200, x + 40, 400, x - 30, 600);
        cairo_line_to(cr, x - 6, 600);
        cairo_curve_to(cr, x + 64, 400, x + 64, 200, x - 6, 0);
        cairo_close_path(cr);
        setColour(cr, kCavityLight, 0.55);
        cairo_fill(cr);
    }
}

void makeBackground(AssetWriter& out) {
    Canvas canvas(kTile, 600);
    cairo_t* cr = canvas.cr();
    rect(cr, 0, 0, kTile, 600);
    Gradient::linear(0, 0, 0, 600)
        .stop(0, darken(kCavity, 0.4))
        .stop(0.5, kCavityLight)
        .stop(1, darken(kCavity, 0.5))
        .fill(cr);
    wrapped(cr, kTile, [&] { paintRibs(cr); });
    ArtRandom rnd(4038);
    for (int i = 0; i < 14; ++i) {
        const double x = rnd.uniform(0, kTile), y = rnd.uniform(60, 540);
        const double width = rnd.uniform(1.5, 3.5);
        wrapped(cr, kTile, [&] {
            ArtRandom veinRnd(400 + i);  // the same vein in every copy
            strokeVein(cr, veinRnd, x, y, 180, width, kVein, 0.8);
        });
    }
    for (int i = 0; i < 24; ++i) {
        const double x = rnd.uniform(0, kTile), y = rnd.uniform(80, 520), r = rnd.uniform(6, 22);
        wrapped(cr, kTile, [&] {
            circle(cr, x, y, r);
            fillGlow(cr, x, y, r, kBile, 0.22);
        });
    }
    out.obx(canvas, dataPath("L4/", 4038));
}

// A wavy edge of flesh across a picture; the flesh lies between the edge and
// the top (fromTop) or the bottom.
struct FleshEdge {
    double width;
    double height;
    double base;
    double amplitude;
    int waves;
    double phase;
    bool fromTop;

    double yAt(double x) const { return waveAt(x, width, base, amplitude, waves, phase); }
};

// The flesh in its gradient, what decorate paints over it, and the edge
// outlined on top (with mitred joins).
template <typename Decorate>
void paintFlesh(cairo_t* cr, const FleshEdge& e, Decorate decorate) {
    wavyBand(cr, e.width, e.height, e.base, e.amplitude, e.waves, e.phase, e.fromTop);
    cairo_path_t* edge = cairo_copy_path(cr);
    fillVertical(cr, 0, e.height, e.fromTop ? kFleshDark : kFlesh, e.fromTop ? kFlesh : kFleshDark);
    decorate();
    cairo_new_path(cr);
    cairo_append_path(cr, edge);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_stroke(cr);
    cairo_path_destroy(edge);
}

void paintBandFlesh(cairo_t* cr, bool top, std::uint32_t seed) {
    const FleshEdge e{kTile, kBandHeight, top ? 38.0 : 14.0, 7, 8, top ? 0.6 : 2.1, top};
    paintFlesh(cr, e, [&] {
        ArtRandom rnd(seed);
        for (int i = 0; i < 18; ++i) {
            const double x = 22 + 44 * i + rnd.uniform(-8, 8);
            const double edge = e.yAt(x);
            const double y = top ? edge - rnd.uniform(8, 18) : edge + rnd.uniform(8, 18);
            circle(cr, x, y, rnd.uniform(3, 6));
            shadeOnly(cr, kBile, x - 6, y - 6, 12, 12);
        }
    });
}

void makeBands(AssetWriter& out) {
    Canvas top(kTile, kBandHeight);
    paintBandFlesh(top.cr(), true, 4039);
    out.obx(top, dataPath("L4/", 4039));
    Canvas bottom(kTile, kBandHeight);
    paintBandFlesh(bottom.cr(), false, 4040);
    out.obx(bottom, dataPath("L4/", 4040));
}

// ---------------------------------------------------------------- obstacles

// A cell: a translucent-looking membrane with a dark nucleus.
void drawCell(Canvas& canvas, Rgb membrane, Rgb nucleus, std::uint32_t seed) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    blobPath(cr, w / 2, h / 2, w / 2 - 3, h / 2 - 3, 0.18, seed, 12);
    shadeAndOutline(cr, membrane, 0, 0, w, h);
    blobPath(cr, w * 0.56, h * 0.55, w * 0.18, h * 0.16, 0.2, seed + 1, 9);
    shadeAndOutline(cr, nucleus, w * 0.38, h * 0.39, w * 0.36, h * 0.32, 1.5);
    circle(cr, w * 0.32, h * 0.30, std::min(w, h) * 0.08);
    setColour(cr, kWhite, 0.55);
    cairo_fill(cr);
}

// A polyp: bulbs on stalks growing from a common foot.
void drawPolyp(Canvas& canvas, Rgb colour, int heads, std::uint32_t seed) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    ArtRandom rnd(seed);
    for (int i = 0; i < heads; ++i) {
        const double hx = w * (i + 0.5) / heads;
        const double hy = rnd.uniform(h * 0.15, h * 0.35);
        cairo_new_path(cr);
        cairo_move_to(cr, w / 2 - 8, h - 4);
        cairo_curve_to(cr, w / 2 - 6, h * 0.6, hx - 4, hy + 20, hx - 5, hy);
        cairo_line_to(cr, hx + 5, hy);
        cairo_curve_to(cr, hx + 4, hy + 20, w / 2 + 6, h * 0.6, w / 2 + 8, h - 4);
        cairo_close_path(cr);
        shadeAndOutline(cr, darken(colour, 0.2), 0, 0, w, h);
        const double r = std::min(w / heads * 0.45, h * 0.16);
        blobPath(cr, hx, hy, r, r * 0.9, 0.25, seed + i, 10);
        shadeAndOutline(cr, colour, hx - r, hy - r, 2 * r, 2 * r);
        circle(cr, hx, hy, r * 0.3);
        setColour(cr, kBileBright);
        cairo_fill(cr);
    }
    blobPath(cr, w / 2, h - 8, w * 0.3, 7, 0.2, seed + 9, 10);
    shadeAndOutline(cr, darken(colour, 0.3), w * 0.2, h - 16, w * 0.6, 16);
}

// A spore: a ball with spikes all round.
void drawSpore(Canvas& canvas, Rgb colour, int spikes, std::uint32_t seed) {
    cairo_t* cr = canvas.cr();
    const double w = canvas.width(), h = canvas.height();
    const double cx = w / 2, cy = h / 2, r = std::min(w, h) / 2 - 3;
    ArtRandom rnd(seed);
    cairo_new_path(cr);
    for (int i = 0; i < spikes * 2; ++i) {
        const double a = M_PI * i / spikes;
        const double k = i % 2 == 0 ? 1.0 : rnd.uniform(0.55, 0.68);
        const double x = cx + std::cos(a) * r * k, y = cy + std::sin(a) * r * k;
        if (i == 0) {
            cairo_move_to(cr, x, y);
        } else {
            cairo_line_to(cr, x, y);
        }
    }
    cairo_close_path(cr);
    shadeAndOutline(cr, colour, cx - r, cy - r, 2 * r, 2 * r);
    circle(cr, cx, cy, r * 0.45);
    shadeAndOutline(cr, lighten(colour, 0.25), cx - r * 0.45, cy - r * 0.45, r * 0.9, r * 0.9, 1.5);
}

void drawSporeCluster(Canvas& canvas, std::uint32_t seed) {
    cairo_t* cr = canvas.cr();
    const double spots[3][3] = {{14, 30, 11}, {30, 15, 12}, {37, 31, 10}};
    for (const auto& s : spots) {
        blobPath(cr, s[0], s[1], s[2], s[2], 0.25, seed++, 9);
        shadeAndOutline(cr, kBile, s[0] - s[2], s[1] - s[2], 2 * s[2], 2 * s[2]);
        circle(cr, s[0] - s[2] * 0.3, s[1] - s[2] * 0.3, s[2] * 0.25);
        setColour(cr, kBileBright);
        cairo_fill(cr);
    }
}

void makeObstacles(AssetWriter& out) {
    Canvas cell(92, 88);
    drawCell(cell, kBile, kViolet, 41);
    out.obx(cell, dataPath("L4/", 4041));
    Canvas polyp(74, 112);
    drawPolyp(polyp, kPolyp, 3, 5);
    out.obx(polyp, dataPath("L4/", 4005));
    Canvas spore(62, 62);
    drawSpore(spore, kSporeYellow, 11, 6);
    out.obx(spore, dataPath("L4/", 4006));
    Canvas amoeba(132, 100);
    drawCell(amoeba, kViolet, kBile, 7);
    out.obx(amoeba, dataPath("L4/", 4007));
    Canvas cluster(50, 46);
    drawSporeCluster(cluster, 8);
    out.obx(cluster, dataPath("L4/", 4008));
    Canvas tall(84, 138);
    drawPolyp(tall, kViolet, 2, 9);
    out.obx(tall, dataPath("L4/", 4009));
    Canvas big(104, 104);
    drawSpore(big, kBile, 14, 10);
    out.obx(big, dataPath("L4/", 4010));
    Canvas small(48, 48);
    drawCell(small, kPolyp, kFleshDark, 11);
    out.obx(small, dataPath("L4/", 4011));
}

// ---------------------------------------------------------------- scenery

void makeScenery(AssetWriter& out) {
    const int sizes[6][2] = {{54, 54}, {36, 36}, {84, 44}, {28, 28}, {66, 66}, {46, 30}};
    for (int i = 0; i < 6; ++i) {
        Canvas canvas(sizes[i][0], sizes[i][1]);
        cairo_t* cr = canvas.cr();
        const double w = sizes[i][0], h = sizes[i][1];
        const Rgb base = mix(kMembrane, kCavityLight, 0.45 + 0.08 * (i % 3));
        blobPath(cr, w / 2, h / 2, w / 2 - 1, h / 2 - 1, i % 2 == 0 ? 0.08 : 0.22, 4012 + i, 12);
        shadeOnly(cr, base, 0, 0, w, h);
        if (i % 2 == 0) {
            // A blood cell's dimple.
            blobPath(cr, w / 2 + 2, h / 2 + 2, w * 0.22, h * 0.2, 0.1, 4100 + i, 10);
            setColour(cr, darken(base, 0.35));
            cairo_fill(cr);
        } else {
            circle(cr, w * 0.35, h * 0.35, std::min(w, h) * 0.12);
            setColour(cr, lighten(base, 0.25), 0.8);
            cairo_fill(cr);
        }
        out.obx(canvas, dataPath("L4/", 4012 + i));
    }
}

// ---------------------------------------------------------------- the chamber

constexpr int kChamberWidth = 1000;

void drawFleshEdge(cairo_t* cr, const FleshEdge& e, std::uint32_t seed) {
    paintFlesh(cr, e, [&] {
        ArtRandom rnd(seed);
        for (int i = 0; i < 30; ++i) {
            const double x = rnd.uniform(0, e.width);
            const double edgeY = e.yAt(x);
            const double y =
                e.fromTop ? rnd.uniform(4, edgeY - 6) : rnd.uniform(edgeY + 6, e.height - 4);
            strokeVein(cr, rnd, x, y, 60, 2, kVein, 0.7);
        }
    });
}

void makeCeilingAndFloor(AssetWriter& out) {
    // The brain drifts below y 80 and above y 540: the flesh stays out of
    // that room.
    Canvas ceiling(kChamberWidth, 72);
    drawFleshEdge(ceiling.cr(), FleshEdge{kChamberWidth, 72, 54, 8, 9, 0.3, true}, 4018);
    out.obx(ceiling, dataPath("L4/", 4018));
    Canvas side(74, 366);
    cairo_t* cr = side.cr();
    blobPath(cr, 44, 183, 34, 186, 0.1, 4019, 16);
    shadeAndOutline(cr, kFleshDark, 0, 0, 74, 366);
    out.obx(side, dataPath("L4/", 4019));
    Canvas floor(kChamberWidth, 135);
    drawFleshEdge(floor.cr(), FleshEdge{kChamberWidth, 135, 92, 8, 9, 1.7, false}, 4020);
    out.obx(floor, dataPath("L4/", 4020));
}

// A mouth in the wall: a ring of lips around a dark throat.
void drawMouth(cairo_t* cr, double cx, double cy, double rx, double ry) {
    blobPath(cr, cx, cy, rx, ry, 0.15, static_cast<std::uint32_t>(cx + cy), 12);
    shadeAndOutline(cr, kPolyp, cx - rx, cy - ry, 2 * rx, 2 * ry);
    ellipse(cr, cx - rx * 0.1, cy, rx * 0.55, ry * 0.45);
    setColour(cr, darken(kCavity, 0.6));
    cairo_fill(cr);
}

// The wall at the right edge: solid flesh from x 90 on, with the two mouths
// reaching out to the left where the shots leave (upper one at y 83, lower
// one at y 509), and the socket that holds the stalk.
void makeFrontWall(AssetWriter& out) {
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
    shadeAndOutline(cr, kFlesh, 90, 0, 90, 600);
    drawMouth(cr, 62, 92, 46, 26);
    drawMouth(cr, 42, 520, 50, 26);
    blobPath(cr, 96, 300, 22, 34, 0.15, 4021, 10);
    shadeAndOutline(cr, kFleshDark, 74, 266, 44, 68);
    out.obx(wall, dataPath("L4/", 4021));
}

// The cavity behind everything: dark flesh with arches and veins. Its left
// edge is ragged, so the chamber's opening shows while it scrolls in.
void makeBackWall(AssetWriter& out) {
    Canvas back(kTile, 600);
    cairo_t* cr = back.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, kTile, 0);
    for (int y = 0; y <= 600; y += 12) {
        cairo_line_to(cr, 26 + 16 * std::sin(y * 0.03) + 8 * std::sin(y * 0.11), y);
    }
    cairo_line_to(cr, kTile, 600);
    cairo_close_path(cr);
    Gradient::radial(420, 300, 40, 420, 300, 520)
        .stop(0, mix(kCavityLight, kMembrane, 0.3))
        .stop(1, darken(kCavity, 0.3))
        .fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = 160 + 160 * i;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 40, 600);
        cairo_curve_to(cr, x - 60, 200, x + 60, 200, x + 40, 600);
        setColour(cr, kCavityLight, 0.5);
        cairo_set_line_width(cr, 14);
        cairo_stroke(cr);
    }
    ArtRandom rnd(4022);
    for (int i = 0; i < 18; ++i) {
        strokeVein(cr, rnd, rnd.uniform(60, 700), rnd.uniform(60, 540), 120, rnd.uniform(1.5, 3.0),
                   kVein, 0.9);
    }
    out.obx(back, dataPath("L4/", 4022));
}

// ---------------------------------------------------------------- the boss

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

void makeBrainAndStalk(AssetWriter& out) {
    Canvas brain(40, 40);
    drawBrain(brain, kBrainPink);
    out.obx(brain, dataPath("L4/", 4023));
    Canvas segment(40, 40);
    drawSegment(segment, kMembrane);
    out.obx(segment, dataPath("L4/", 4024));
    Canvas brainFlash(40, 40);
    drawBrain(brainFlash, kFlashWhite);
    out.obx(brainFlash, dataPath("L4/", 4036));
    Canvas segmentFlash(40, 40);
    drawSegment(segmentFlash, lighten(kMembrane, 0.7));
    out.obx(segmentFlash, dataPath("L4/", 4037));
}

void makeProjectiles(AssetWriter& out) {
    const Rgb colours[3] = {kBile, kSporeYellow, kViolet};
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

void makeFade(AssetWriter& out) {
    Canvas fade(40, 30);
    rect(fade.cr(), 0, 0, 40, 30);
    setColour(fade.cr(), Rgb{0, 0, 0});
    cairo_fill(fade.cr());
    out.obx(fade, dataPath("L4/", 4028));
}

// The beam gathers as a growing ball of bile light over the brain's face,
// drawn at (brain x - 47, brain y - 37): the brain's middle is at (67, 57).
void makeBeamOpening(AssetWriter& out) {
    for (int frame = 0; frame < 5; ++frame) {
        Canvas canvas(134, 114);
        cairo_t* cr = canvas.cr();
        const double grow = (frame + 1) / 5.0;
        const double r = 14 + 34 * grow;
        circle(cr, 67, 57, r);
        fillGlow(cr, 67, 57, r, kBileBright, 1.0);
        circle(cr, 67, 57, r * 0.55);
        setColour(cr, kBileBright);
        cairo_fill_preserve(cr);
        strokeOutline(cr);
        circle(cr, 67, 57, r * 0.3);
        setColour(cr, kWhite);
        cairo_fill(cr);
        out.obx(canvas, dataPath("L4/", 4029 + frame));
    }
}

// The beam, 513 by 24, its right end at the brain: a white core in bile
// light, rippling in two phases.
void makeBeam(AssetWriter& out) {
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
        fillVertical(cr, 0, 24, kBile, darken(kBile, 0.3));
        rect(cr, 0, 8, 513, 8);
        setColour(cr, phase == 0 ? kBileBright : kWhite);
        cairo_fill(cr);
        rect(cr, 0, 11, 513, 2);
        setColour(cr, kWhite);
        cairo_fill(cr);
        out.obx(canvas, dataPath("L4/", 4034 + phase));
    }
}

// ---------------------------------------------------------------- the cues

void makeWarning(AssetWriter& out) {
    TextStyle style;
    style.sizePx = 46;
    style.fill = kWarning;
    const TextSize size = measureText("BOSS AHEAD", style);
    const int width = static_cast<int>(size.width) + 40;
    const int height = static_cast<int>(size.height) + 24;
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 2, 2, width - 4, height - 4, 10);
    setColour(cr, darken(kCavity, 0.3), 0.9);
    cairo_fill_preserve(cr);
    setColour(cr, kWarning);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    drawTextCentred(cr, "BOSS AHEAD", width / 2.0, height / 2.0, style);
    out.obx(canvas, "data/L4/bt.obx");
}

// Drawn at (brain x - 240, brain y - 20): the tip, at the right end's middle,
// points at the brain's left side.
void makeArrow(AssetWriter& out) {
    Canvas canvas(200, 80);
    cairo_t* cr = canvas.cr();
    const double points[7][2] = {{4, 26},   {130, 26}, {130, 6}, {196, 40},
                                 {130, 74}, {130, 54}, {4, 54}};
    polygon(cr, points, 7);
    shadeAndOutline(cr, kBileBright, 0, 0, 200, 80, 3.0);
    out.obx(canvas, "data/L4/arrow.obx");
}

void makeCourse4Art(AssetWriter& out) {
    makeBackground(out);
    makeBands(out);
    makeWarning(out);
    makeArrow(out);
    makeObstacles(out);
    makeScenery(out);
    makeCeilingAndFloor(out);
    makeFrontWall(out);
    makeBackWall(out);
    makeBrainAndStalk(out);
    makeProjectiles(out);
    makeFade(out);
    makeBeamOpening(out);
    makeBeam(out);
}

}  // namespace

const AssetModule kCourse4Art = {"course 4", 39, &makeCourse4Art};
