// Course 3: the sewers under the city. A brick tunnel with dark archways and
// a channel of sludge scrolls behind a pipe along the top edge and a sludge
// bank along the bottom; debris, grates, valves, barrels and a running rat
// come at the crafts.
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"

namespace {

constexpr int kTile = 800;
// Both bands are this high: the band rule takes the top band's height for
// both edges, so the bottom band must not look thinner or thicker; and a
// craft coming back is held 36 pixels from either edge, clear of them.
constexpr int kBandHeight = 36;
// The deadly edge of both bands, and nothing else in the sewer: hazard
// stripes over a toxic glow.
constexpr int kHazardStrip = 9;

constexpr Rgb kWallDark{0.09, 0.10, 0.09};
constexpr Rgb kWall{0.21, 0.21, 0.17};
constexpr Rgb kBrick{0.33, 0.25, 0.18};
constexpr Rgb kConcrete{0.36, 0.36, 0.32};
constexpr Rgb kSludge{0.38, 0.45, 0.12};
constexpr Rgb kSlime{0.56, 0.74, 0.16};
constexpr Rgb kPipeIron{0.44, 0.35, 0.26};
constexpr Rgb kRust{0.76, 0.36, 0.12};
constexpr Rgb kBrickRed{0.78, 0.34, 0.18};
constexpr Rgb kValveRed{0.86, 0.17, 0.12};
constexpr Rgb kToxicYellow{0.96, 0.76, 0.10};
constexpr Rgb kOoze{0.48, 0.88, 0.14};
constexpr Rgb kCopper{0.82, 0.50, 0.20};
constexpr Rgb kRatFur{0.50, 0.38, 0.48};
constexpr Rgb kRatPink{0.92, 0.56, 0.62};

// A horizontal pipe seen from the side: lit along its upper third, dark
// underneath. Fills the current path.
void fillPipe(cairo_t* cr, Rgb base, double top, double height) {
    Gradient::linear(0, top, 0, top + height)
        .stop(0.0, darken(base, 0.35))
        .stop(0.25, lighten(base, 0.30))
        .stop(0.55, base)
        .stop(1.0, darken(base, 0.60))
        .fill(cr);
}

// A wavy line across the whole tile whose phase repeats every tile.
void tileWave(cairo_t* cr, double y, double amplitude, int waves, double phase) {
    cairo_new_path(cr);
    for (int x = 0; x <= kTile; x += 4) {
        const double wy = y + amplitude * std::sin(2 * M_PI * waves * x / kTile + phase);
        if (x == 0) {
            cairo_move_to(cr, x, wy);
        } else {
            cairo_line_to(cr, x, wy);
        }
    }
}

// ---------------------------------------------------------------- background

void paintWallBase(cairo_t* cr) {
    rect(cr, 0, 0, kTile, 600);
    Gradient::linear(0, 0, 0, 600)
        .stop(0.00, kWallDark)
        .stop(0.30, kWall)
        .stop(0.62, darken(kWall, 0.10))
        .stop(1.00, kWallDark)
        .fill(cr);
}

// Brick courses 50 wide; the colour of a brick depends on its column modulo
// the 16 bricks of a tile, so the pattern repeats exactly.
void paintBricks(cairo_t* cr) {
    int row = 0;
    for (int y = 36; y < 470; y += 22, ++row) {
        const int offset = (row % 2) * 25;
        for (int col = -1; col <= 16; ++col) {
            ArtRandom rnd(static_cast<std::uint32_t>(((col + 16) % 16) * 131 + row * 7 + 3));
            const Rgb c = mix(kBrick, kWall, rnd.uniform(0.2, 0.8));
            rect(cr, col * 50 + offset + 1.5, y + 1.5, 47, 19);
            setColour(cr, c, 0.55);
            cairo_fill(cr);
        }
    }
}

// A tunnel mouth: black depth with rings of stone falling away into it and
// a faint green light far inside.
void paintArch(cairo_t* cr, double cx) {
    const double r = 110, top = 260, foot = 470;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r, foot);
    cairo_arc(cr, cx, top, r, M_PI, 2 * M_PI);
    cairo_line_to(cr, cx + r, foot);
    cairo_close_path(cr);
    Gradient::radial(cx, 360, 4, cx, 330, 150)
        .stop(0.0, Rgb{0.16, 0.22, 0.09})
        .stop(0.25, Rgb{0.05, 0.07, 0.04})
        .stop(1.0, Rgb{0.02, 0.02, 0.02})
        .fillPreserve(cr);
    setColour(cr, darken(kConcrete, 0.25));
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
    for (double k : {0.72, 0.50, 0.32}) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - r * k, 360 + 110 * k);
        cairo_arc(cr, cx, 360 - (360 - top) * k, r * k, M_PI, 2 * M_PI);
        cairo_line_to(cr, cx + r * k, 360 + 110 * k);
        setColour(cr, kConcrete, 0.10 + 0.12 * k);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void paintVoussoirs(cairo_t* cr, double cx) {
    for (int i = 0; i <= 12; ++i) {
        const double a = M_PI + M_PI * i / 12;
        strokeLine(cr, kWallDark, 2, cx + 103 * std::cos(a), 260 + 103 * std::sin(a),
                   cx + 117 * std::cos(a), 260 + 117 * std::sin(a), 0.8);
    }
}

void paintPillar(cairo_t* cr, double cx) {
    rect(cr, cx - 28, 36, 56, 436);
    Gradient::linear(cx - 28, 0, cx + 28, 0)
        .stop(0.0, lighten(kConcrete, 0.08))
        .stop(0.5, kConcrete)
        .stop(1.0, darken(kConcrete, 0.45))
        .fill(cr);
    for (int y = 80; y < 470; y += 64) {
        strokeLine(cr, darken(kConcrete, 0.4), 2, cx - 28, y, cx + 28, y, 0.7);
    }
    rect(cr, cx - 26, 300, 40, 172);
    fillVertical(cr, 300, 472, kSludge, darken(kSludge, 0.3), 0.0, 0.45);
}

// Far pipes run in short lengths that turn down into the wall, thin, dark
// and hazed over: nothing like the long bright main of the ceiling band.
void paintWallPipe(cairo_t* cr, double top, double height, int start) {
    const Rgb iron = darken(kPipeIron, 0.65);
    for (int x = start; x < start + kTile; x += 200) {
        wrapped(cr, kTile, [&] {
            rect(cr, x, top, 140, height);
            fillPipe(cr, iron, top, height);
            rect(cr, x + 140 - height, top, height, 60);
            Gradient::linear(x + 140 - height, 0, x + 140, 0)
                .stop(0, lighten(iron, 0.2))
                .stop(1, darken(iron, 0.5))
                .fill(cr);
        });
    }
    rect(cr, 0, top - 4, kTile, height + 68);
    setColour(cr, kWallDark, 0.35);
    cairo_fill(cr);
}

void paintSlimeStreaks(cairo_t* cr) {
    ArtRandom rnd(3141);
    for (int i = 0; i < 16; ++i) {
        const double x = rnd.uniform(0, kTile), w = rnd.uniform(3, 8);
        const double top = i % 2 ? 146 : 434, length = rnd.uniform(30, 130);
        wrapped(cr, kTile, [&] {
            rect(cr, x, top, w, length);
            fillVertical(cr, top, top + length, kSludge, kSludge, 0.55, 0.0);
        });
    }
}

// Pale light falling through street grates high above, soft at its edges.
void paintLightShafts(cairo_t* cr) {
    const Rgb light{0.75, 0.80, 0.55};
    for (double cx : {100.0, 500.0}) {
        for (double spread : {1.0, 0.7, 0.4}) {
            cairo_new_path(cr);
            cairo_move_to(cr, cx - 18 * spread, 36);
            cairo_line_to(cr, cx + 18 * spread, 36);
            cairo_line_to(cr, cx + 70 * spread, 470);
            cairo_line_to(cr, cx - 70 * spread, 470);
            cairo_close_path(cr);
            fillVertical(cr, 36, 470, light, light, 0.05, 0.0);
        }
    }
}

// An iron ladder up the middle pillar, and bars across one archway, so the
// two halves of the tile do not look the same.
void paintLadder(cairo_t* cr, double cx) {
    for (double x : {cx - 12, cx + 12}) {
        strokeLine(cr, darken(kPipeIron, 0.3), 3, x, 146, x, 464);
    }
    for (double y = 160; y < 464; y += 18) {
        strokeLine(cr, darken(kPipeIron, 0.15), 2.5, cx - 12, y, cx + 12, y);
    }
}

void paintArchBars(cairo_t* cr, double cx) {
    for (double x = cx - 96; x <= cx + 96; x += 16) {
        const double top = 260 - std::sqrt(std::max(0.0, 110.0 * 110.0 - (x - cx) * (x - cx)));
        strokeLine(cr, Rgb{0.16, 0.15, 0.13}, 4, x, top, x, 464);
    }
    strokeLine(cr, Rgb{0.16, 0.15, 0.13}, 5, cx - 106, 300, cx + 106, 300);
}

// Murky water far below the ooze bank: grey and dim, with faint ripples.
void paintChannel(cairo_t* cr) {
    const Rgb murk = mix(kSludge, kWallDark, 0.65);
    rect(cr, 0, 464, kTile, 8);
    fillPipe(cr, darken(kConcrete, 0.4), 464, 8);
    rect(cr, 0, 472, kTile, 128);
    fillVertical(cr, 472, 600, murk, kWallDark);
    for (int k = 0; k < 6; ++k) {
        tileWave(cr, 484 + k * 16, 1.5, 5 + k % 3, k * 1.3);
        setColour(cr, lighten(murk, 0.3), 0.10);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

void paintHaze(cairo_t* cr) {
    rect(cr, 0, 0, kTile, 140);
    fillVertical(cr, 0, 140, kWallDark, kWallDark, 0.75, 0.0);
}

void makeBackground(AssetWriter& out) {
    Canvas c(kTile, 600);
    cairo_t* cr = c.cr();
    paintWallBase(cr);
    paintBricks(cr);
    for (double cx : {200.0, 600.0}) {
        paintArch(cr, cx);
        paintVoussoirs(cr, cx);
    }
    wrapped(cr, kTile, [&] { paintPillar(cr, 0); });
    paintPillar(cr, 400);
    paintLadder(cr, 400);
    paintArchBars(cr, 600);
    paintWallPipe(cr, 124, 12, 100);
    paintWallPipe(cr, 424, 10, 50);
    paintSlimeStreaks(cr);
    paintLightShafts(cr);
    paintChannel(cr);
    paintHaze(cr);
    out.obx(c, dataPath("L3/", 1001));
}

// --------------------------------------------------------------------- bands

void paintBandDrips(cairo_t* cr, double from, std::uint32_t seed) {
    ArtRandom rnd(seed);
    for (int i = 0; i < 22; ++i) {
        const double x = rnd.uniform(0, kTile), length = rnd.uniform(2, 4);
        wrapped(cr, kTile, [&] {
            cairo_new_path(cr);
            cairo_move_to(cr, x - 3, from);
            cairo_curve_to(cr, x - 2, from + length, x + 2, from + length, x + 3, from);
            cairo_close_path(cr);
            setColour(cr, kOoze);
            cairo_fill_preserve(cr);
            setColour(cr, kOutline);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
        });
    }
}

// Yellow and black stripes leaning forward, with a glowing ooze line on the
// side that faces the channel; top is the strip's upper edge. The stripes
// repeat 20 pixels apart, so the tile joins its copy.
void paintHazardStrip(cairo_t* cr, double top, bool oozeBelow) {
    rect(cr, 0, top, kTile, kHazardStrip);
    setColour(cr, Rgb{0.08, 0.07, 0.05});
    cairo_fill(cr);
    cairo_save(cr);
    rect(cr, 0, top, kTile, kHazardStrip);
    cairo_clip(cr);
    for (int x = -20; x < kTile + 20; x += 20) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, top + kHazardStrip);
        cairo_line_to(cr, x + 10, top + kHazardStrip);
        cairo_line_to(cr, x + 10 + kHazardStrip, top);
        cairo_line_to(cr, x + kHazardStrip, top);
        cairo_close_path(cr);
        setColour(cr, kToxicYellow);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    const double ooze = oozeBelow ? top + kHazardStrip : top - 3;
    rect(cr, 0, ooze, kTile, 3);
    setColour(cr, lighten(kOoze, 0.35));
    cairo_fill(cr);
    for (double edge : {top - 0.5, top + kHazardStrip + 0.5}) {
        strokeLine(cr, kOutline, 1, 0, edge, kTile, edge);
    }
}

// The ceiling: a big rusted main with flanges and bolts, bright against the
// dim wall, edged with hazard stripes where the danger starts.
void makeTopBand(AssetWriter& out) {
    Canvas c(kTile, kBandHeight);
    cairo_t* cr = c.cr();
    rect(cr, 0, 0, kTile, 20);
    fillPipe(cr, kRust, 0, 20);
    for (int x = 80; x < kTile; x += 160) {
        rect(cr, x - 6, 0, 12, 21);
        fillPipe(cr, darken(kRust, 0.3), 0, 21);
        for (double by : {5.0, 16.0}) {
            circle(cr, x, by, 1.8);
            setColour(cr, lighten(kCopper, 0.4));
            cairo_fill(cr);
        }
    }
    paintHazardStrip(cr, 21, true);
    paintBandDrips(cr, 33, 77);
    rect(cr, 0, kBandHeight - 1, kTile, 1);
    setColour(cr, kOutline);
    cairo_fill(cr);
    out.obx(c, dataPath("L3/", 1002));
}

void paintSludgeBubbles(cairo_t* cr) {
    ArtRandom rnd(2718);
    for (int i = 0; i < 30; ++i) {
        const double x = rnd.uniform(0, kTile), y = rnd.uniform(20, 32);
        const double r = rnd.uniform(1.5, 3.5);
        wrapped(cr, kTile, [&] {
            circle(cr, x, y, r);
            setColour(cr, lighten(kOoze, 0.1));
            cairo_fill_preserve(cr);
            setColour(cr, kOutline);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            circle(cr, x - r * 0.35, y - r * 0.35, r * 0.35 + 0.4);
            setColour(cr, kWhite, 0.8);
            cairo_fill(cr);
        });
    }
}

// The floor: a bank of glowing toxic ooze, brighter than anything behind
// it, edged with hazard stripes where the danger starts.
void makeBottomBand(AssetWriter& out) {
    Canvas c(kTile, kBandHeight);
    cairo_t* cr = c.cr();
    rect(cr, 0, 1, kTile, kBandHeight - 1);
    fillVertical(cr, 12, kBandHeight, kOoze, darken(kOoze, 0.55));
    tileWave(cr, 20, 2.0, 5, 0.7);
    setColour(cr, lighten(kOoze, 0.4), 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    paintSludgeBubbles(cr);
    paintHazardStrip(cr, 3, true);
    rect(cr, 0, 0, kTile, 3);
    setColour(cr, kOutline);
    cairo_fill(cr);
    out.obx(c, dataPath("L3/", 1003));
}

// ----------------------------------------------------------------- obstacles

// Broken bricks and a lump of concrete fallen from the roof.
void makeDebris(AssetWriter& out) {
    Canvas c(84, 66);
    cairo_t* cr = c.cr();
    const double brick[][2] = {{6, 30}, {28, 8}, {52, 15}, {47, 44}, {14, 50}};
    polygon(cr, brick, 5);
    shadeAndOutline(cr, kBrickRed, 6, 8, 46, 42);
    strokeLine(cr, kOutline, 1.5, 17, 20, 48, 30);
    strokeLine(cr, kOutline, 1.5, 30, 25, 26, 47);
    const double slab[][2] = {{36, 36}, {63, 21}, {80, 40}, {71, 62}, {40, 60}};
    polygon(cr, slab, 5);
    shadeAndOutline(cr, Rgb{0.60, 0.62, 0.66}, 36, 21, 44, 41);
    strokeLine(cr, kOutline, 1.5, 62, 30, 56, 45);
    const double chip[][2] = {{18, 45}, {37, 40}, {42, 59}, {21, 63}};
    polygon(cr, chip, 4);
    shadeAndOutline(cr, darken(kBrickRed, 0.1), 18, 40, 24, 23);
    out.obx(c, dataPath("L3/", 1004));
}

// A round drain grate: the gaps between its bars are open.
void makeRoundGrate(AssetWriter& out) {
    Canvas c(84, 84);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    circle(cr, 42, 42, 32);
    cairo_clip(cr);
    for (int i = 0; i < 5; ++i) {
        rect(cr, 16 + i * 11, 6, 6, 72);
        shadeAndOutline(cr, darken(kRust, 0.1), 16 + i * 11, 6, 6, 72);
    }
    rect(cr, 6, 38, 72, 7);
    shadeAndOutline(cr, darken(kRust, 0.1), 6, 38, 72, 7);
    cairo_restore(cr);
    ringPath(cr, 42, 42, 39, 30);
    shadeAndOutline(cr, kRust, 3, 3, 78, 78);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 + 0.3;
        circle(cr, 42 + 34.5 * std::cos(a), 42 + 34.5 * std::sin(a), 1.8);
        setColour(cr, darken(kRust, 0.55));
        cairo_fill(cr);
    }
    out.obx(c, dataPath("L3/", 1005));
}

// A red valve wheel with five spokes.
void makeValveWheel(AssetWriter& out) {
    Canvas c(80, 80);
    cairo_t* cr = c.cr();
    for (int i = 0; i < 5; ++i) {
        const double a = 0.35 + i * 2 * M_PI / 5;
        cairo_new_path(cr);
        cairo_move_to(cr, 40, 40);
        cairo_line_to(cr, 40 + 30 * std::cos(a), 40 + 30 * std::sin(a));
        outlinedStroke(cr, darken(kValveRed, 0.15), 6);
    }
    ringPath(cr, 40, 40, 36, 27);
    shadeAndOutline(cr, kValveRed, 4, 4, 72, 72);
    circle(cr, 40, 40, 10);
    shadeAndOutline(cr, Rgb{0.55, 0.56, 0.60}, 30, 30, 20, 20);
    circle(cr, 40, 40, 3);
    setColour(cr, kOutline);
    cairo_fill(cr);
    out.obx(c, dataPath("L3/", 1006));
}

// A snapped length of pipe spilling sludge from its jagged end.
void makeBrokenPipe(AssetWriter& out) {
    Canvas c(132, 54);
    cairo_t* cr = c.cr();
    const double ooze[][2] = {{104, 26}, {122, 30}, {130, 42}, {124, 51}, {110, 48}, {102, 40}};
    polygon(cr, ooze, 6);
    shadeAndOutline(cr, kOoze, 102, 26, 28, 25);
    const double pipe[][2] = {{12, 9},   {104, 9},  {110, 16}, {103, 22},
                              {112, 29}, {104, 36}, {108, 44}, {12, 44}};
    polygon(cr, pipe, 8);
    shadeAndOutline(cr, Rgb{0.30, 0.60, 0.30}, 12, 9, 100, 35);
    for (double x : {44.0, 76.0}) {
        blobPath(cr, x, 16, 8, 4, 0.4, static_cast<std::uint32_t>(x));
        setColour(cr, kRust, 0.85);
        cairo_fill(cr);
    }
    rect(cr, 3, 3, 14, 48);
    shadeAndOutline(cr, Rgb{0.24, 0.46, 0.26}, 3, 3, 14, 48);
    for (double y : {9.0, 45.0}) {
        circle(cr, 10, y, 2);
        setColour(cr, kOutline);
        cairo_fill(cr);
    }
    out.obx(c, dataPath("L3/", 1007));
}

void radiationSign(cairo_t* cr, double cx, double cy) {
    for (int i = 0; i < 3; ++i) {
        const double a = -M_PI / 2 + i * 2 * M_PI / 3;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, 11, a - M_PI / 6, a + M_PI / 6);
        cairo_arc_negative(cr, cx, cy, 4, a + M_PI / 6, a - M_PI / 6);
        cairo_close_path(cr);
        setColour(cr, kOutline);
        cairo_fill(cr);
    }
    circle(cr, cx, cy, 2.5);
    setColour(cr, kOutline);
    cairo_fill(cr);
}

// A leaking drum of something nobody should have poured down the drain.
void makeToxicBarrel(AssetWriter& out) {
    Canvas c(66, 88);
    cairo_t* cr = c.cr();
    cairo_translate(cr, 33, 46);
    cairo_rotate(cr, 0.12);
    rect(cr, -25, -36, 50, 74);
    shadeAndOutline(cr, kToxicYellow, -25, -36, 50, 74);
    for (double y : {-18.0, 20.0}) {
        rect(cr, -25, y, 50, 4);
        shadeAndOutline(cr, darken(kToxicYellow, 0.3), -25, y, 50, 4, 1.5);
    }
    radiationSign(cr, 0, 1);
    cairo_new_path(cr);
    cairo_move_to(cr, -27, -36);
    cairo_line_to(cr, 27, -36);
    cairo_curve_to(cr, 27, -30, 22, -28, 20, -30);
    cairo_curve_to(cr, 18, -18, 12, -18, 12, -30);
    cairo_curve_to(cr, 4, -28, -6, -28, -10, -30);
    cairo_curve_to(cr, -12, -12, -20, -12, -20, -30);
    cairo_curve_to(cr, -24, -30, -27, -32, -27, -36);
    cairo_close_path(cr);
    shadeAndOutline(cr, kOoze, -27, -40, 54, 28);
    out.obx(c, dataPath("L3/", 1008));
}

// A square grate torn from the street, one corner broken off.
void makeSquareGrate(AssetWriter& out) {
    Canvas c(98, 74);
    cairo_t* cr = c.cr();
    cairo_translate(cr, 49, 37);
    cairo_rotate(cr, -0.14);
    for (int i = 0; i < 5; ++i) {
        rect(cr, -36, -24 + i * 11, i == 0 ? 52 : 72, 5);
        shadeAndOutline(cr, darken(kRust, 0.15), -36, -24 + i * 11, 72, 5, 1.5);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -42, -30);
    cairo_line_to(cr, 18, -30);
    cairo_line_to(cr, 24, -22);
    cairo_line_to(cr, 34, -30);
    cairo_line_to(cr, 42, -30);
    cairo_line_to(cr, 42, 30);
    cairo_line_to(cr, -42, 30);
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_rectangle(cr, 35, -23, -70, 46);
    shadeAndOutline(cr, kRust, -42, -30, 84, 60);
    out.obx(c, dataPath("L3/", 1009));
}

// A slab of concrete with bent reinforcing bars sticking out.
void makeRebarSlab(AssetWriter& out) {
    Canvas c(120, 90);
    cairo_t* cr = c.cr();
    const double bars[][4] = {{40, 30, 30, 4}, {62, 32, 86, 6}, {84, 40, 114, 22}};
    for (const auto& b : bars) {
        cairo_new_path(cr);
        cairo_move_to(cr, b[0], b[1] + 10);
        cairo_curve_to(cr, b[0], b[1], b[2], b[3] + 14, b[2], b[3]);
        outlinedStroke(cr, kRust, 3.5);
    }
    const double slab[][2] = {{8, 40},  {30, 26}, {66, 30}, {92, 36}, {108, 54},
                              {98, 78}, {60, 86}, {22, 80}, {6, 62}};
    polygon(cr, slab, 9);
    shadeAndOutline(cr, Rgb{0.66, 0.66, 0.62}, 6, 26, 102, 60);
    strokeLine(cr, kOutline, 1.5, 40, 34, 52, 58);
    strokeLine(cr, kOutline, 1.5, 52, 58, 46, 80);
    strokeLine(cr, kOutline, 1.5, 52, 58, 80, 64);
    out.obx(c, dataPath("L3/", 1010));
}

void elbowPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 6, 84);
    cairo_line_to(cr, 54, 84);
    cairo_arc_negative(cr, 54, 54, 30, M_PI / 2, 0);
    cairo_line_to(cr, 84, 8);
    cairo_line_to(cr, 60, 8);
    cairo_line_to(cr, 60, 54);
    cairo_arc(cr, 54, 54, 6, 0, M_PI / 2);
    cairo_line_to(cr, 6, 60);
    cairo_close_path(cr);
}

void pressureGauge(cairo_t* cr, double cx, double cy) {
    rect(cr, cx - 3, cy + 10, 6, 28);
    shadeAndOutline(cr, kCopper, cx - 3, cy + 10, 6, 28, 1.5);
    circle(cr, cx, cy, 15);
    shadeAndOutline(cr, Rgb{0.92, 0.90, 0.80}, cx - 15, cy - 15, 30, 30);
    for (int i = 0; i <= 6; ++i) {
        const double a = M_PI * 0.8 + i * M_PI * 1.4 / 6;
        strokeLine(cr, kOutline, 1.5, cx + 9 * std::cos(a), cy + 9 * std::sin(a),
                   cx + 13 * std::cos(a), cy + 13 * std::sin(a));
    }
    strokeLine(cr, kValveRed, 2.5, cx, cy, cx + 10 * std::cos(0.3), cy + 10 * std::sin(0.3));
}

// A copper elbow joint with a pressure gauge in the red.
void makePipeElbow(AssetWriter& out) {
    Canvas c(92, 92);
    cairo_t* cr = c.cr();
    elbowPath(cr);
    shadeAndOutline(cr, kCopper, 6, 8, 78, 76);
    rect(cr, 2, 56, 10, 32);
    shadeAndOutline(cr, darken(kCopper, 0.25), 2, 56, 10, 32);
    rect(cr, 56, 2, 32, 10);
    shadeAndOutline(cr, darken(kCopper, 0.25), 56, 2, 32, 10);
    pressureGauge(cr, 28, 24);
    out.obx(c, dataPath("L3/", 1011));
}

void ratTail(cairo_t* cr, double tipY) {
    cairo_new_path(cr);
    cairo_move_to(cr, 70, 32);
    cairo_curve_to(cr, 84, 36, 90, tipY + 14, 100, tipY);
    outlinedStroke(cr, kRatPink, 3.5);
}

void ratLegs(cairo_t* cr, const double (&offsets)[4]) {
    const double baseX[4] = {24, 34, 56, 66};
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, baseX[i], 38);
        cairo_line_to(cr, baseX[i] + offsets[i], 49);
        outlinedStroke(cr, kRatPink, 3.5);
    }
}

void ratHead(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 16);
    cairo_curve_to(cr, 18, 16, 10, 24, 4, 30);
    cairo_curve_to(cr, 10, 36, 20, 40, 32, 40);
    cairo_close_path(cr);
    shadeAndOutline(cr, kRatFur, 4, 16, 28, 24);
    circle(cr, 5, 30, 3);
    setColour(cr, kRatPink);
    cairo_fill(cr);
    circle(cr, 28, 14, 7);
    shadeAndOutline(cr, kRatFur, 21, 7, 14, 14);
    circle(cr, 28, 14, 3.5);
    setColour(cr, kRatPink);
    cairo_fill(cr);
    circle(cr, 18, 24, 3.5);
    setColour(cr, Rgb{0.90, 0.98, 0.20});
    cairo_fill(cr);
    circle(cr, 17.5, 24, 1.5);
    setColour(cr, kOutline);
    cairo_fill(cr);
}

// A sewer rat running left; the two frames swap its legs and flick its tail.
void makeRat(AssetWriter& out, int frame, int number) {
    Canvas c(104, 54);
    cairo_t* cr = c.cr();
    ratTail(cr, frame == 0 ? 18 : 42);
    const double stride[2][4] = {{-7, 6, -6, 7}, {6, -7, 7, -6}};
    ratLegs(cr, stride[frame]);
    ellipse(cr, 50, 28, 26, 15);
    shadeAndOutline(cr, kRatFur, 24, 13, 52, 30);
    ratHead(cr);
    out.obx(c, dataPath("L3/", number));
}

// ------------------------------------------------------------------- scenery
// Scenery has no outline and stays dim and cool, so it never reads as danger.

// Steam: pale, soft puffs. A picture is either clear or opaque, so each puff
// is dotted in an ordered pattern that thins out from its dense core to its
// edge and lets the wall show through, as translucent steam would.
double steamDensity(double x, double y) {
    const double puffs[][3] = {{30, 32, 24}, {58, 25, 26}, {86, 30, 24}, {104, 24, 15}};
    double density = 0;
    for (const auto& p : puffs) {
        const double d = std::hypot(x - p[0], (y - p[1]) * 1.4) / p[2];
        density += std::max(0.0, 1.0 - d);
    }
    return std::min(1.0, 0.9 * density);
}

void makeMist(AssetWriter& out) {
    Canvas c(120, 54);
    cairo_t* cr = c.cr();
    constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    for (int y = 0; y < 54; ++y) {
        for (int x = 0; x < 120; ++x) {
            const double density = steamDensity(x + 0.5, y + 0.5);
            if (density > (kBayer[y % 4][x % 4] + 0.5) / 16.0) {
                rect(cr, x, y, 1, 1);
                setColour(cr, mix(Rgb{0.50, 0.55, 0.52}, Rgb{0.86, 0.89, 0.85},
                                  density * (1.0 - y / 80.0)));
                cairo_fill(cr);
            }
        }
    }
    out.obx(c, dataPath("L3/", 1014));
}

void makeBubbles(AssetWriter& out) {
    Canvas c(52, 48);
    cairo_t* cr = c.cr();
    const double bubbles[][3] = {{16, 30, 11}, {34, 18, 9}, {38, 36, 7}, {20, 10, 5}};
    for (const auto& b : bubbles) {
        circle(cr, b[0], b[1], b[2]);
        shadeOnly(cr, Rgb{0.20, 0.28, 0.16}, b[0] - b[2], b[1] - b[2], 2 * b[2], 2 * b[2]);
    }
    out.obx(c, dataPath("L3/", 1015));
}

void makeNewspaper(AssetWriter& out) {
    Canvas c(58, 40);
    cairo_t* cr = c.cr();
    const double sheet[][2] = {{4, 10}, {48, 3}, {54, 30}, {10, 37}};
    polygon(cr, sheet, 4);
    shadeOnly(cr, Rgb{0.24, 0.24, 0.22}, 4, 3, 50, 34);
    for (int i = 0; i < 4; ++i) {
        strokeLine(cr, Rgb{0.17, 0.17, 0.16}, 2, 12, 14 + i * 5.5, 44, 9 + i * 5.5);
    }
    out.obx(c, dataPath("L3/", 1016));
}

void makeBottle(AssetWriter& out) {
    Canvas c(50, 20);
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 2, 5);
    cairo_line_to(cr, 30, 3);
    cairo_curve_to(cr, 36, 3, 38, 8, 44, 8);
    cairo_line_to(cr, 48, 8);
    cairo_line_to(cr, 48, 13);
    cairo_line_to(cr, 44, 13);
    cairo_curve_to(cr, 38, 13, 36, 18, 30, 17);
    cairo_line_to(cr, 2, 15);
    cairo_close_path(cr);
    shadeOnly(cr, Rgb{0.14, 0.26, 0.20}, 2, 3, 46, 14);
    strokeLine(cr, Rgb{0.24, 0.36, 0.30}, 2, 6, 7, 28, 6);
    out.obx(c, dataPath("L3/", 1017));
}

void leafPath(cairo_t* cr, double x0, double y0, double x1, double y1, double bulge) {
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2;
    const double nx = -(y1 - y0) * bulge, ny = (x1 - x0) * bulge;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, mx + nx, my + ny, mx + nx, my + ny, x1, y1);
    cairo_curve_to(cr, mx - nx, my - ny, mx - nx, my - ny, x0, y0);
    cairo_close_path(cr);
}

// Two rotting leaves washed in from a street drain.
void makeLeaves(AssetWriter& out) {
    Canvas c(46, 32);
    cairo_t* cr = c.cr();
    const Rgb leaf{0.27, 0.22, 0.14};
    leafPath(cr, 3, 24, 36, 6, 0.30);
    shadeOnly(cr, leaf, 3, 2, 36, 26);
    leafPath(cr, 14, 28, 44, 22, 0.35);
    shadeOnly(cr, darken(leaf, 0.15), 14, 16, 30, 16);
    strokeLine(cr, darken(leaf, 0.35), 1.5, 5, 23, 34, 7);
    out.obx(c, dataPath("L3/", 1018));
}

void makeFishBones(AssetWriter& out) {
    Canvas c(54, 24);
    cairo_t* cr = c.cr();
    const Rgb bone{0.27, 0.27, 0.25};
    strokeLine(cr, bone, 2.5, 12, 12, 46, 12);
    for (int i = 0; i < 5; ++i) {
        const double x = 18 + i * 6;
        strokeLine(cr, bone, 2, x, 4, x + 3, 20);
    }
    const double head[][2] = {{2, 12}, {13, 4}, {14, 20}};
    polygon(cr, head, 3);
    shadeOnly(cr, bone, 2, 4, 12, 16);
    const double tail[][2] = {{44, 12}, {52, 4}, {52, 20}};
    polygon(cr, tail, 3);
    shadeOnly(cr, bone, 44, 4, 8, 16);
    out.obx(c, dataPath("L3/", 1019));
}

void makeCourse3Art(AssetWriter& out) {
    makeBackground(out);
    makeTopBand(out);
    makeBottomBand(out);
    makeDebris(out);
    makeRoundGrate(out);
    makeValveWheel(out);
    makeBrokenPipe(out);
    makeToxicBarrel(out);
    makeSquareGrate(out);
    makeRebarSlab(out);
    makePipeElbow(out);
    makeRat(out, 0, 1012);
    makeRat(out, 1, 1013);
    makeMist(out);
    makeBubbles(out);
    makeNewspaper(out);
    makeBottle(out);
    makeLeaves(out);
    makeFishBones(out);
}

}  // namespace

const AssetModule kCourse3Art = {"course 3", 19, &makeCourse3Art};
