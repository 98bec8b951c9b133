// Course 1: deep space. A navy sky deepening to violet, a nebula, a banded
// planet with a ring; asteroids and wreckage come at the crafts, dust and
// small rocks drift behind them, and a ring gate takes them in at the end.
#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Lettering.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"

namespace {

constexpr Rgb kSkyTop{0.015, 0.025, 0.085};
constexpr Rgb kSkyBottom{0.075, 0.035, 0.150};
constexpr Rgb kNebulaViolet{0.42, 0.16, 0.62};
constexpr Rgb kNebulaMagenta{0.62, 0.16, 0.50};
constexpr Rgb kNebulaTeal{0.10, 0.36, 0.52};
constexpr Rgb kStar{0.86, 0.90, 1.00};
constexpr Rgb kPlanet{0.30, 0.36, 0.66};
constexpr Rgb kPlanetBand{0.56, 0.46, 0.78};
constexpr Rgb kAtmosphere{0.50, 0.78, 1.00};
constexpr Rgb kPlanetRing{0.62, 0.58, 0.80};
// Obstacles: warm, saturated, outlined; they must stand out of the cool sky.
constexpr Rgb kRockOchre{0.86, 0.58, 0.18};
constexpr Rgb kRockRust{0.84, 0.30, 0.12};
constexpr Rgb kRockMagma{0.78, 0.22, 0.30};
constexpr Rgb kRockDark{0.36, 0.20, 0.22};
constexpr Rgb kCrystal{1.00, 0.30, 0.74};
constexpr Rgb kHull{0.70, 0.70, 0.74};
constexpr Rgb kHazardYellow{1.00, 0.80, 0.10};
constexpr Rgb kSpark{1.00, 0.62, 0.16};
constexpr Rgb kGoldFoil{0.96, 0.70, 0.16};
constexpr Rgb kPanel{0.10, 0.56, 0.86};
// Scenery: dim, cool and soft, never outlined.
constexpr Rgb kDust{0.20, 0.23, 0.36};
constexpr Rgb kPebble{0.26, 0.28, 0.40};
constexpr Rgb kFaintStar{0.50, 0.56, 0.74};
// The gate.
constexpr Rgb kGateSteel{0.46, 0.50, 0.62};
constexpr Rgb kGateLight{0.30, 1.00, 0.90};
constexpr Rgb kPortalCore{0.92, 1.00, 1.00};
constexpr Rgb kPortalEdge{0.36, 0.32, 0.90};
// The bonus pick-ups.
constexpr Rgb kDoubling{0.22, 0.86, 0.30};
constexpr Rgb kHalving{0.86, 0.16, 0.42};

// The finish gate stands at (500, 200). The crafts wait with their top-left
// corner at x 100..108, y 250..258, then fly 10 right and 1 down a frame
// until x 600, shrinking towards their nose (82, 27 into the craft). The
// nose so runs from about (182, 280) to (690, 335) on screen, that is from
// (82, 117) to (181, 134) inside the picture: the portal is centred there.
constexpr int kGateWidth = 230;
constexpr int kGateHeight = 300;
constexpr double kPortalX = 128.0;
constexpr double kPortalY = 126.0;

// ---- Background ------------------------------------------------------

void drawSky(cairo_t* cr) {
    Gradient::linear(0, 0, 200, 600).stop(0, kSkyTop).stop(1, kSkyBottom).paint(cr);
}

// Clouds of soft puffs along a sweeping band, with darker dust lanes.
void drawNebula(cairo_t* cr) {
    ArtRandom rnd(1101);
    for (int i = 0; i < 160; ++i) {
        const double t = rnd.uniform(0, 1);
        const double x = -60 + t * 760;
        const double y = 90 + 220 * t + 60 * std::sin(t * 5.0) + rnd.uniform(-70, 70);
        const Rgb c = i % 3 == 0 ? kNebulaMagenta : (i % 3 == 1 ? kNebulaViolet : kNebulaTeal);
        glow(cr, x, y, rnd.uniform(40, 120), c, rnd.uniform(0.04, 0.10));
    }
    for (int i = 0; i < 40; ++i) {
        const double t = rnd.uniform(0.1, 0.9);
        const double x = -60 + t * 760;
        const double y = 120 + 220 * t + 60 * std::sin(t * 5.0) + rnd.uniform(-25, 25);
        glow(cr, x, y, rnd.uniform(20, 50), kSkyTop, rnd.uniform(0.15, 0.30));
    }
    // A few brighter knots where stars are born.
    for (int i = 0; i < 6; ++i) {
        const double t = rnd.uniform(0.15, 0.85);
        glow(cr, -60 + t * 760, 110 + 220 * t + 60 * std::sin(t * 5.0), rnd.uniform(14, 26),
             lighten(kNebulaMagenta, 0.5), 0.25);
    }
}

void drawStars(cairo_t* cr) {
    ArtRandom rnd(1102);
    for (int i = 0; i < 700; ++i) {
        const double x = rnd.uniform(0, 800), y = rnd.uniform(0, 600);
        setColour(cr, mix(kStar, kNebulaTeal, rnd.uniform(0, 0.5)), rnd.uniform(0.2, 0.6));
        cairo_rectangle(cr, std::floor(x), std::floor(y), 1, 1);
        cairo_fill(cr);
    }
    for (int i = 0; i < 140; ++i) {
        const double x = rnd.uniform(0, 800), y = rnd.uniform(0, 600);
        setColour(cr, kStar, rnd.uniform(0.55, 0.9));
        circle(cr, x, y, rnd.uniform(0.8, 1.3));
        cairo_fill(cr);
    }
    // Bright stars with a glow and a four-pointed sparkle.
    for (int i = 0; i < 18; ++i) {
        const double x = rnd.uniform(10, 790), y = rnd.uniform(10, 590);
        const double r = rnd.uniform(1.2, 2.0);
        glow(cr, x, y, r * 6, kStar, 0.35);
        setColour(cr, kStar, 0.8);
        cairo_set_line_width(cr, 1.0);
        addCross(cr, x, y, r * 5);
        cairo_stroke(cr);
        setColour(cr, kStar);
        circle(cr, x, y, r);
        cairo_fill(cr);
    }
}

// Half of the planet's ring: behind the planet (upper half) or in front.
void drawPlanetRing(cairo_t* cr, double cx, double cy, double r, bool front) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, front ? cy : 0, 800, front ? 600 - cy : cy);
    cairo_clip(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.28);
    for (int band = 0; band < 3; ++band) {
        const double k = 1.55 + band * 0.13;
        cairo_save(cr);
        cairo_scale(cr, r * k, r * k * 0.22);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        setColour(cr, darken(kPlanetRing, band * 0.15), front ? 0.55 : 0.35);
        cairo_set_line_width(cr, 7 - band * 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// A banded planet low on the right, lit from the upper left, with a moon.
void drawPlanet(cairo_t* cr) {
    const double cx = 640, cy = 500, r = 150;
    drawPlanetRing(cr, cx, cy, r, false);
    glow(cr, cx, cy, r * 1.25, kAtmosphere, 0.18);
    circle(cr, cx, cy, r);
    Gradient::radial(cx - r * 0.45, cy - r * 0.5, r * 0.1, cx - r * 0.2, cy - r * 0.2, r * 1.3)
        .stop(0, lighten(kPlanet, 0.45))
        .stop(0.55, kPlanet)
        .stop(1, darken(kPlanet, 0.7))
        .fill(cr);
    cairo_save(cr);
    circle(cr, cx, cy, r);
    cairo_clip(cr);
    ArtRandom rnd(1103);
    for (int i = 0; i < 9; ++i) {
        const double y = cy - r + rnd.uniform(20, 2 * r - 20);
        cairo_new_path(cr);
        cairo_move_to(cr, cx - r, y);
        cairo_curve_to(cr, cx - r / 3, y - 12, cx + r / 3, y + 14, cx + r, y - 6);
        setColour(cr, i % 2 ? kPlanetBand : darken(kPlanet, 0.3), rnd.uniform(0.2, 0.35));
        cairo_set_line_width(cr, rnd.uniform(5, 16));
        cairo_stroke(cr);
    }
    // The night side.
    Gradient::radial(cx - r * 0.6, cy - r * 0.65, r * 1.2, cx, cy, r * 1.6)
        .stop(0, kSkyTop, 0)
        .stop(1, kSkyTop, 0.8)
        .paint(cr);
    cairo_restore(cr);
    circle(cr, cx, cy, r - 1.5);
    setColour(cr, kAtmosphere, 0.35);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    drawPlanetRing(cr, cx, cy, r, true);

    const double mx = 430, my = 400, mr = 16;
    circle(cr, mx, my, mr);
    Gradient::radial(mx - 6, my - 6, 1, mx, my, mr * 1.2)
        .stop(0, Rgb{0.62, 0.62, 0.72})
        .stop(1, Rgb{0.10, 0.10, 0.20})
        .fill(cr);
}

void writeBackground(AssetWriter& out) {
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.cr();
    drawSky(cr);
    drawStars(cr);
    drawNebula(cr);
    drawPlanet(cr);
    out.obx(canvas, dataPath("L1/", 1001));
}

// ---- Obstacles -------------------------------------------------------

// Pits lit from the upper left: shade on their upper-left inner wall, a lit
// rim on the lower right.
void drawCraters(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb base, int count,
                 std::uint32_t seed) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; ++i) {
        const double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0, 0.55);
        const double x = cx + std::cos(a) * rx * d, y = cy + std::sin(a) * ry * d;
        const double r = rnd.uniform(0.10, 0.22) * std::min(rx, ry);
        ellipse(cr, x + r * 0.15, y + r * 0.15, r, r * 0.85);
        setColour(cr, lighten(base, 0.30), 0.8);
        cairo_fill(cr);
        ellipse(cr, x, y, r, r * 0.85);
        setColour(cr, darken(base, 0.45));
        cairo_fill(cr);
    }
}

// An asteroid filling a w by h picture, with a ragged outline.
void drawAsteroid(cairo_t* cr, int w, int h, Rgb base, double rough, int craters,
                  std::uint32_t seed) {
    const double cx = w / 2.0, cy = h / 2.0, rx = w / 2.0 - 2.5, ry = h / 2.0 - 2.5;
    blobPath(cr, cx, cy, rx, ry, rough, seed, 18);
    shadeAndOutline(cr, base, 0, 0, w, h, 2.5);
    cairo_save(cr);
    blobPath(cr, cx, cy, rx - 2, ry - 2, rough, seed, 18);
    cairo_clip(cr);
    drawCraters(cr, cx, cy, rx, ry, base, craters, seed + 7);
    cairo_restore(cr);
}

// Two rocks grown together.
void writePeanutRock(AssetWriter& out) {
    Canvas canvas(96, 72);
    cairo_t* cr = canvas.cr();
    blobPath(cr, 60, 40, 33, 29, 0.3, 1201, 16);
    shadeAndOutline(cr, kRockOchre, 26, 10, 68, 60, 2.5);
    blobPath(cr, 28, 30, 25, 24, 0.3, 1202, 14);
    shadeAndOutline(cr, lighten(kRockOchre, 0.08), 3, 5, 50, 50, 2.5);
    drawCraters(cr, 60, 42, 26, 22, kRockOchre, 3, 1203);
    drawCraters(cr, 28, 30, 18, 18, kRockOchre, 2, 1204);
    out.obx(canvas, dataPath("L1/", 1002));
}

void writeSplinter(AssetWriter& out) {
    Canvas canvas(48, 44);
    cairo_t* cr = canvas.cr();
    const double shard[][2] = {{4, 20},  {14, 4},  {26, 9},  {33, 2},  {45, 16},
                               {40, 27}, {44, 40}, {28, 35}, {17, 42}, {9, 31}};
    polygon(cr, shard, 10);
    shadeAndOutline(cr, kRockRust, 0, 0, 48, 44, 2.5);
    drawCraters(cr, 24, 22, 12, 10, kRockRust, 2, 1301);
    out.obx(canvas, dataPath("L1/", 1003));
}

void writeBigAsteroid(AssetWriter& out) {
    Canvas canvas(140, 116);
    drawAsteroid(canvas.cr(), 140, 116, kRockMagma, 0.28, 7, 1401);
    out.obx(canvas, dataPath("L1/", 1004));
}

// A torn hull girder with warning stripes and a glowing broken end.
void writeGirder(AssetWriter& out) {
    Canvas canvas(136, 58);
    cairo_t* cr = canvas.cr();
    const double hull[][2] = {{3, 14},   {100, 6},  {108, 12}, {116, 3},  {122, 14}, {133, 10},
                              {126, 26}, {132, 38}, {118, 44}, {112, 55}, {102, 46}, {4, 50}};
    polygon(cr, hull, 12);
    shadeAndOutline(cr, kHull, 0, 0, 136, 58, 2.5);
    cairo_save(cr);
    polygon(cr, hull, 12);
    cairo_clip(cr);
    for (int i = -2; i < 12; ++i) {
        const double x = 8 + i * 16;
        const double stripe[][2] = {{x, 50}, {x + 8, 50}, {x + 20, 6}, {x + 12, 6}};
        polygon(cr, stripe, 4);
        setColour(cr, i % 2 ? kHazardYellow : kOutline, 0.9);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 0, 22, 136, 10);
    setColour(cr, darken(kHull, 0.35));
    cairo_fill(cr);
    for (int i = 0; i < 7; ++i) {
        circle(cr, 12 + i * 14, 27, 2);
        setColour(cr, lighten(kHull, 0.4));
        cairo_fill(cr);
    }
    glow(cr, 122, 28, 20, kSpark, 0.9);
    cairo_restore(cr);
    polygon(cr, hull, 12);
    strokeOutline(cr, 2.5);
    out.obx(canvas, dataPath("L1/", 1005));
}

// A dark rock bristling with magenta crystals.
void writeCrystalRock(AssetWriter& out) {
    Canvas canvas(78, 100);
    cairo_t* cr = canvas.cr();
    const double spikes[][5] = {// base x, base y, tip x, tip y, half width
                                {38, 60, 36, 3, 9}, {30, 62, 6, 22, 7},  {48, 60, 72, 16, 7},
                                {26, 70, 4, 58, 6}, {52, 70, 74, 60, 6}, {40, 74, 58, 40, 6}};
    for (const auto& s : spikes) {
        const double dx = s[2] - s[0], dy = s[3] - s[1], len = std::hypot(dx, dy);
        const double nx = -dy / len * s[4], ny = dx / len * s[4];
        const double crystal[][2] = {{s[0] + nx, s[1] + ny},
                                     {s[0] + dx * 0.8 + nx * 0.8, s[1] + dy * 0.8 + ny * 0.8},
                                     {s[2], s[3]},
                                     {s[0] + dx * 0.8 - nx * 0.8, s[1] + dy * 0.8 - ny * 0.8},
                                     {s[0] - nx, s[1] - ny}};
        polygon(cr, crystal, 5);
        shadeAndOutline(cr, kCrystal, std::min(s[0], s[2]) - 8, std::min(s[1], s[3]), 24,
                        std::fabs(dy) + 8, 2.0);
        cairo_move_to(cr, s[0], s[1]);
        cairo_line_to(cr, s[2], s[3]);
        setColour(cr, lighten(kCrystal, 0.6), 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    blobPath(cr, 39, 78, 33, 20, 0.3, 1601, 14);
    shadeAndOutline(cr, kRockDark, 6, 58, 66, 40, 2.5);
    out.obx(canvas, dataPath("L1/", 1006));
}

// A broken satellite: a gold-foil body, one solar wing snapped at an angle,
// the other torn off, and a bent antenna dish.
void writeSatellite(AssetWriter& out) {
    Canvas canvas(124, 76);
    cairo_t* cr = canvas.cr();
    cairo_save(cr);
    cairo_translate(cr, 48, 38);
    cairo_rotate(cr, 0.25);
    const double wing[][2] = {{-8, -10}, {-46, -18}, {-44, 2}, {-30, 6}, {-38, 12}, {-8, 8}};
    polygon(cr, wing, 6);
    shadeAndOutline(cr, kPanel, -46, -18, 38, 30, 2.0);
    setColour(cr, lighten(kPanel, 0.5), 0.7);
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, -8 - i * 9, -10 - i * 2);
        cairo_line_to(cr, -8 - i * 9, 8);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    const double body[][2] = {{40, 20}, {72, 14}, {86, 26}, {84, 52}, {66, 62}, {42, 56}, {34, 38}};
    polygon(cr, body, 7);
    shadeAndOutline(cr, kGoldFoil, 34, 14, 52, 48, 2.5);
    cairo_save(cr);
    polygon(cr, body, 7);
    cairo_clip(cr);
    setColour(cr, darken(kGoldFoil, 0.35), 0.7);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, 34 + i * 10, 14);
        cairo_line_to(cr, 30 + i * 10, 62);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Torn stub of the other wing and the dish on its mast.
    const double stub[][2] = {{84, 30}, {100, 27}, {96, 36}, {104, 40}, {84, 44}};
    polygon(cr, stub, 5);
    shadeAndOutline(cr, kPanel, 84, 27, 20, 17, 2.0);
    cairo_move_to(cr, 62, 14);
    cairo_line_to(cr, 74, 4);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 98, 10);
    cairo_rotate(cr, -0.6);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 18, 0.1, M_PI - 0.1);
    cairo_close_path(cr);
    shadeAndOutline(cr, lighten(kHull, 0.1), -18, 0, 36, 18, 2.0);
    cairo_restore(cr);
    glow(cr, 88, 48, 9, kSpark, 0.9);
    out.obx(canvas, dataPath("L1/", 1007));
}

// ---- Scenery ---------------------------------------------------------

// Soft and dim: a blob of dust, no outline.
void writeDust(AssetWriter& out, int number, int w, int h, std::uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    blobPath(cr, w / 2.0, h / 2.0, w / 2.0 - 1, h / 2.0 - 1, 0.35, seed, 12);
    shadeOnly(cr, kDust, 0, 0, w, h);
    ArtRandom rnd(seed);
    for (int i = 0; i < w / 4; ++i) {
        circle(cr, rnd.uniform(3, w - 3), rnd.uniform(2, h - 2), rnd.uniform(0.8, 1.6));
        setColour(cr, lighten(kDust, 0.15));
        cairo_fill(cr);
    }
    out.obx(canvas, dataPath("L1/", number));
}

void writePebbles(AssetWriter& out, int number, int w, int h, int count, std::uint32_t seed) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    ArtRandom rnd(seed);
    const double r = std::min(w / (2.0 * count), h / 2.0) - 0.5;
    for (int i = 0; i < count; ++i) {
        const double cx = r + 0.5 + i * (w - 2 * r - 1) / std::max(1, count - 1);
        const double cy = h / 2.0 + (i % 2 ? 1 : -1) * (h / 2.0 - r - 0.5);
        blobPath(cr, cx, cy, r, r * 0.85, 0.25, seed + i, 10);
        shadeOnly(cr, mix(kPebble, kDust, rnd.uniform(0, 0.4)), cx - r, cy - r, 2 * r, 2 * r);
    }
    out.obx(canvas, dataPath("L1/", number));
}

// A faint star: a dot with four short rays.
void writeTwinkle(AssetWriter& out, int number, int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    const double c = size / 2.0;
    setColour(cr, kFaintStar);
    cairo_set_line_width(cr, 1.0);
    addCross(cr, c, c, c);
    cairo_stroke(cr);
    circle(cr, c, c, std::max(1.0, size / 6.0));
    setColour(cr, lighten(kFaintStar, 0.2));
    cairo_fill(cr);
    out.obx(canvas, dataPath("L1/", number));
}

// A thin streak of dust, brighter at its head.
void writeStreak(AssetWriter& out, int number, int w, int h) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 0, h / 2.0);
    cairo_curve_to(cr, w * 0.5, 0.5, w * 0.8, 0.5, w, h / 2.0);
    cairo_curve_to(cr, w * 0.8, h - 0.5, w * 0.5, h - 0.5, 0, h / 2.0);
    Gradient::linear(0, 0, w, 0).stop(0, kDust).stop(1, kFaintStar).fill(cr);
    out.obx(canvas, dataPath("L1/", number));
}

void writeSpeck(AssetWriter& out, int number, int size, Rgb c) {
    Canvas canvas(size, size);
    circle(canvas.cr(), size / 2.0, size / 2.0, size / 2.0);
    setColour(canvas.cr(), c);
    cairo_fill(canvas.cr());
    out.obx(canvas, dataPath("L1/", number));
}

void writeScenery(AssetWriter& out) {
    writeDust(out, 1010, 34, 18, 2101);
    writePebbles(out, 1011, 12, 10, 1, 2102);
    writeTwinkle(out, 1012, 9);
    writePebbles(out, 1013, 24, 14, 2, 2103);
    writeStreak(out, 1014, 40, 6);
    writePebbles(out, 1015, 18, 16, 1, 2104);
    writeStreak(out, 1016, 28, 4);
    writeSpeck(out, 1018, 3, kFaintStar);
}

// Loaded by the course but never shown.
void writeSpares(AssetWriter& out) {
    Canvas chip(30, 24);
    drawAsteroid(chip.cr(), 30, 24, kRockRust, 0.3, 1, 2201);
    out.obx(chip, dataPath("L1/", 1009));
    writePebbles(out, 1017, 8, 8, 1, 2202);
    writeSpeck(out, 1019, 3, kPebble);
}

// ---- Gate and bonus --------------------------------------------------

// The portal: bright at its heart, swirling out to violet at the ring.
void drawPortal(cairo_t* cr, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, kPortalX, kPortalY);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    Gradient::radial(0, 0, 0, 0, 0, 1)
        .stop(0, kPortalCore)
        .stop(0.35, kGateLight)
        .stop(1, kPortalEdge)
        .fill(cr);
    setColour(cr, kPortalCore, 0.45);
    cairo_set_line_width(cr, 0.05);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * M_PI / 5;
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 0.25 + i * 0.13, a, a + 2.2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// A pylon from the ring down to a foot with lights.
void drawPylon(cairo_t* cr, double top) {
    const double pylon[][2] = {{kPortalX - 16, top},
                               {kPortalX + 16, top},
                               {kPortalX + 28, kGateHeight - 24},
                               {kPortalX + 46, kGateHeight - 4},
                               {kPortalX - 46, kGateHeight - 4},
                               {kPortalX - 28, kGateHeight - 24}};
    polygon(cr, pylon, 6);
    shadeAndOutline(cr, darken(kGateSteel, 0.2), kPortalX - 46, top, 92, kGateHeight - top, 2.5);
    for (int i = 0; i < 4; ++i) {
        const double y = top + 20 + i * 26;
        circle(cr, kPortalX, y, 3.5);
        setColour(cr, kGateLight);
        cairo_fill(cr);
    }
}

void writeGate(AssetWriter& out) {
    Canvas canvas(kGateWidth, kGateHeight);
    cairo_t* cr = canvas.cr();
    const double rx = 50, ry = 100;
    drawPylon(cr, kPortalY + ry - 6);
    glow(cr, kPortalX, kPortalY, ry + 8, kGateLight, 0.35);
    // The ring: a thick steel band with segment joints and running lights.
    ellipse(cr, kPortalX, kPortalY, rx + 14, ry + 14);
    cairo_new_sub_path(cr);
    cairo_save(cr);
    cairo_translate(cr, kPortalX, kPortalY);
    cairo_scale(cr, rx, ry);
    cairo_arc_negative(cr, 0, 0, 1, 2 * M_PI, 0);
    cairo_restore(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    shadeAndOutline(cr, kGateSteel, kPortalX - rx - 14, kPortalY - ry - 14, 2 * rx + 28,
                    2 * ry + 28, 2.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    drawPortal(cr, rx - 1, ry - 1);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 2 * M_PI / 12;
        const double c = std::cos(a), s = std::sin(a);
        cairo_move_to(cr, kPortalX + c * rx, kPortalY + s * ry);
        cairo_line_to(cr, kPortalX + c * (rx + 14), kPortalY + s * (ry + 14));
        setColour(cr, kOutline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        circle(cr, kPortalX + c * (rx + 7), kPortalY + s * (ry + 7), 2.2);
        setColour(cr, i % 2 ? kGateLight : kSpark);
        cairo_fill(cr);
    }
    out.obx(canvas, dataPath("L1/", 1020));
}

// A round pick-up with its effect written on it.
void writeBonus(AssetWriter& out, const char* path, Rgb colour, const char* text) {
    const int size = 56;
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    glow(cr, size / 2.0, size / 2.0, size / 2.0, lighten(colour, 0.4), 0.6);
    circle(cr, size / 2.0, size / 2.0, size / 2.0 - 6);
    shadeAndOutline(cr, colour, 6, 6, size - 12, size - 12, 2.5);
    TextStyle style;
    style.sizePx = 26;
    style.outlineWidth = 2;
    drawTextCentred(cr, text, size / 2.0, size / 2.0, style);
    out.obx(canvas, path);
}

void makeCourse1Art(AssetWriter& out) {
    writeBackground(out);
    writePeanutRock(out);
    writeSplinter(out);
    writeBigAsteroid(out);
    writeGirder(out);
    writeCrystalRock(out);
    writeSatellite(out);
    writeScenery(out);
    writeSpares(out);
    writeGate(out);
    writeBonus(out, "data/M/m054.obx", kDoubling, "x2");
    writeBonus(out, "data/M/m055.obx", kHalving, "\u00bd");
}

}  // namespace

// Background, six obstacles, eight scenery pictures, three spares, the gate
// and the two bonus pick-ups.
const AssetModule kCourse1Art = {"course 1", 21, &makeCourse1Art};
