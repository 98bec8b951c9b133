// Course 2: under water. Light falls in shafts from the surface into teal
// water; below y 500 lies a murky, denser layer (where the crafts slow down)
// over a sea bed that scrolls in front of them. Jellyfish, mines, rocks,
// wreckage and an anglerfish come at the crafts; a shark sweeps the top.
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

// The water line: the crafts slow down below it.
constexpr double kWaterLine = 500.0;
// A floor tile goes back to x 800 once it is wholly off screen, 5 pixels
// left of its partner's end; 805 wide, the two always meet.
constexpr int kFloorWidth = 805;
// Low enough that a craft at the bottom edge still shows its top over the
// sand, since the strip is drawn in front of the crafts.
constexpr int kFloorHeight = 44;
// Both kind-1 frames share one size: the obstacle keeps the size of the
// frame it was spawned with.
constexpr int kJellyWidth = 76;
constexpr int kJellyHeight = 94;

constexpr Rgb kSurfaceTeal{0.42, 0.82, 0.80};
constexpr Rgb kMidTeal{0.07, 0.44, 0.50};
constexpr Rgb kDeepTeal{0.03, 0.22, 0.30};
constexpr Rgb kMurk{0.10, 0.24, 0.19};
constexpr Rgb kMurkDeep{0.05, 0.13, 0.11};
constexpr Rgb kShaftLight{0.85, 1.00, 0.92};
constexpr Rgb kJellyPink{0.96, 0.30, 0.72};
constexpr Rgb kJellyArm{1.00, 0.55, 0.35};
constexpr Rgb kMineRust{0.74, 0.20, 0.10};
constexpr Rgb kWarnYellow{1.00, 0.82, 0.12};
constexpr Rgb kRock{0.56, 0.38, 0.46};
constexpr Rgb kCoral{1.00, 0.38, 0.22};
constexpr Rgb kHullRust{0.82, 0.40, 0.12};
constexpr Rgb kAnchorIron{0.56, 0.26, 0.16};
constexpr Rgb kAngler{0.52, 0.14, 0.36};
constexpr Rgb kLure{0.98, 1.00, 0.45};
constexpr Rgb kShark{0.36, 0.47, 0.62};
constexpr Rgb kBelly{0.90, 0.93, 0.95};
constexpr Rgb kTooth{0.98, 0.97, 0.90};
constexpr Rgb kSand{0.62, 0.54, 0.36};
constexpr Rgb kSeaRock{0.30, 0.32, 0.30};
constexpr Rgb kWeedFront{0.14, 0.42, 0.22};
constexpr Rgb kBrass{0.78, 0.62, 0.26};
constexpr Rgb kPortalGlow{0.55, 1.00, 0.90};
// Scenery: cool, dark and soft against the water, never outlined.
constexpr Rgb kKelp{0.08, 0.30, 0.26};
constexpr Rgb kBubble{0.42, 0.68, 0.72};
constexpr Rgb kFishShadow{0.10, 0.24, 0.34};

// A thin bright highlight along the upper left of a round shape.
void rimLight(cairo_t* cr, double cx, double cy, double r, double alpha = 0.7) {
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r * 0.72, M_PI * 1.05, M_PI * 1.45);
    setColour(cr, kWhite, alpha);
    cairo_set_line_width(cr, std::max(1.5, r * 0.12));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// ---------------------------------------------------------------- background

void paintWater(cairo_t* cr) {
    rect(cr, 0, 0, 800, kWaterLine);
    Gradient::linear(0, 0, 0, kWaterLine)
        .stop(0.00, kSurfaceTeal)
        .stop(0.10, lighten(kMidTeal, 0.25))
        .stop(0.50, kMidTeal)
        .stop(1.00, kDeepTeal)
        .fill(cr);
}

// The surface seen from below: a bright band of ripples along the top.
void paintSurface(cairo_t* cr) {
    ArtRandom rnd(2001);
    for (int row = 0; row < 4; ++row) {
        const double y = 4 + row * 6;
        cairo_new_path(cr);
        for (int x = 0; x <= 800; x += 5) {
            const double wy = y + 2.5 * std::sin(x * (0.035 + row * 0.01) + row * 1.7);
            if (x == 0) {
                cairo_move_to(cr, x, wy);
            } else {
                cairo_line_to(cr, x, wy);
            }
        }
        setColour(cr, kWhite, 0.30 - row * 0.06);
        cairo_set_line_width(cr, 2.0 - row * 0.3);
        cairo_stroke(cr);
    }
    // Caustic flecks just under the surface.
    for (int i = 0; i < 90; ++i) {
        const double x = rnd.uniform(0, 800), y = rnd.uniform(20, 90);
        ellipse(cr, x, y, rnd.uniform(3, 9), rnd.uniform(0.8, 1.8));
        setColour(cr, kShaftLight, 0.10 * (1.0 - (y - 20) / 80));
        cairo_fill(cr);
    }
}

// Wedges of light fanning down from the surface and fading before the water
// line.
void paintLightShafts(cairo_t* cr) {
    const double tops[] = {70, 210, 330, 470, 600, 730};
    const double spreads[] = {26, 40, 18, 34, 22, 30};
    for (int i = 0; i < 6; ++i) {
        const double x = tops[i], s = spreads[i], slant = 120;
        cairo_new_path(cr);
        cairo_move_to(cr, x - s * 0.5, 0);
        cairo_line_to(cr, x + s * 0.5, 0);
        cairo_line_to(cr, x + slant + s * 2.2, 470);
        cairo_line_to(cr, x + slant - s * 1.2, 470);
        cairo_close_path(cr);
        fillVertical(cr, 0, 470, kShaftLight, kShaftLight, 0.16, 0.0);
    }
}

// A far reef: a rolling ridge of rock with kelp rising from it, hazier the
// farther it is.
void paintDistantReef(cairo_t* cr, std::uint32_t seed, double height, Rgb colour) {
    ArtRandom rnd(seed);
    const double f1 = rnd.uniform(0.006, 0.012), f2 = rnd.uniform(0.02, 0.04);
    const double p1 = rnd.uniform(0, 6), p2 = rnd.uniform(0, 6);
    double xs[64], ys[64];
    int n = 0;
    for (double x = -30; x < 840 && n < 64; x += rnd.uniform(16, 34)) {
        const double shape =
            (0.5 + 0.5 * std::sin(x * f1 + p1)) * (0.6 + 0.4 * std::sin(x * f2 + p2));
        xs[n] = x;
        ys[n] = kWaterLine - height * (0.2 + 0.8 * shape) - rnd.uniform(0, 10);
        ++n;
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -30, kWaterLine + 2);
    cairo_line_to(cr, xs[0], ys[0]);
    for (int i = 1; i < n - 1; ++i) {
        cairo_curve_to(cr, xs[i], ys[i], xs[i], ys[i], (xs[i] + xs[i + 1]) / 2,
                       (ys[i] + ys[i + 1]) / 2);
    }
    cairo_line_to(cr, xs[n - 1], ys[n - 1]);
    cairo_line_to(cr, xs[n - 1], kWaterLine + 2);
    cairo_close_path(cr);
    fillVertical(cr, kWaterLine - height, kWaterLine, colour, darken(colour, 0.35));
    for (int i = 1; i < n - 1; i += 2) {
        const double x = xs[i], base = ys[i] + 6, h = rnd.uniform(0.3, 0.9) * height;
        const double sway = rnd.uniform(-12, 12);
        cairo_new_path(cr);
        cairo_move_to(cr, x, base);
        cairo_curve_to(cr, x + sway, base - h * 0.4, x - sway, base - h * 0.7, x + sway * 0.5,
                       base - h);
        setColour(cr, colour);
        cairo_set_line_width(cr, rnd.uniform(2, 4));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void paintPlankton(cairo_t* cr) {
    ArtRandom rnd(77);
    for (int i = 0; i < 160; ++i) {
        const double x = rnd.uniform(0, 800), y = rnd.uniform(30, kWaterLine - 10);
        circle(cr, x, y, rnd.uniform(0.6, 1.6));
        setColour(cr, kShaftLight, rnd.uniform(0.10, 0.35));
        cairo_fill(cr);
    }
}

// Below the water line: a darker, denser layer full of silt. Its top is a
// bright, rippling boundary so the line reads at a glance.
void paintDenseLayer(cairo_t* cr) {
    rect(cr, 0, kWaterLine, 800, 600 - kWaterLine);
    fillVertical(cr, kWaterLine, 600, kMurk, kMurkDeep);
    rect(cr, 0, kWaterLine - 14, 800, 14);
    fillVertical(cr, kWaterLine - 14, kWaterLine, kMurk, kMurk, 0.0, 0.55);
    ArtRandom rnd(500);
    for (int i = 0; i < 260; ++i) {
        const double x = rnd.uniform(0, 800), y = rnd.uniform(kWaterLine + 3, 600);
        circle(cr, x, y, rnd.uniform(0.6, 2.0));
        setColour(cr, Rgb{0.45, 0.50, 0.34}, rnd.uniform(0.15, 0.45));
        cairo_fill(cr);
    }
    for (int band = 0; band < 3; ++band) {
        cairo_new_path(cr);
        for (int x = 0; x <= 800; x += 4) {
            const double y = kWaterLine + band * 5 + 1.6 * std::sin(x * 0.045 + band * 2.1);
            if (x == 0) {
                cairo_move_to(cr, x, y);
            } else {
                cairo_line_to(cr, x, y);
            }
        }
        setColour(cr, band == 0 ? kShaftLight : kSurfaceTeal,
                  band == 0 ? 0.85 : 0.30 - band * 0.08);
        cairo_set_line_width(cr, band == 0 ? 2.5 : 1.5);
        cairo_stroke(cr);
    }
}

void makeBackground(AssetWriter& out) {
    Canvas c(800, 600);
    cairo_t* cr = c.cr();
    paintWater(cr);
    paintLightShafts(cr);
    paintDistantReef(cr, 11, 200, mix(mix(kMidTeal, kDeepTeal, 0.5), kKelp, 0.3));
    paintDistantReef(cr, 23, 120, darken(mix(kDeepTeal, kKelp, 0.4), 0.25));
    paintPlankton(cr);
    paintSurface(cr);
    paintDenseLayer(cr);
    out.obx(c, dataPath("L2/", 2001));
}

// ------------------------------------------------------------ the jellyfish

struct JellyPose {
    double bellHalfWidth;
    double bellTop;
    double rimY;
    double tentacleEnd;
    double splay;  // how far the tentacles swing out at their ends
};

// The bell: a dome with a scalloped rim.
void jellyBellPath(cairo_t* cr, double cx, const JellyPose& pose) {
    const double rx = pose.bellHalfWidth, top = pose.bellTop, rim = pose.rimY;
    const double h = rim - top;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - rx, rim);
    cairo_curve_to(cr, cx - rx, rim - h * 0.95, cx - rx * 0.55, top, cx, top);
    cairo_curve_to(cr, cx + rx * 0.55, top, cx + rx, rim - h * 0.95, cx + rx, rim);
    const int scallops = 5;
    for (int i = 0; i < scallops; ++i) {
        const double x0 = cx + rx - 2 * rx * i / scallops;
        const double x1 = cx + rx - 2 * rx * (i + 1) / scallops;
        cairo_curve_to(cr, x0 - 2, rim + 5, x1 + 2, rim + 5, x1, rim);
    }
    cairo_close_path(cr);
}

void jellyTentacles(cairo_t* cr, double cx, const JellyPose& pose, double phase) {
    for (int i = 0; i < 5; ++i) {
        const double t = (i - 2) / 2.0;  // -1 .. 1
        const double x0 = cx + t * pose.bellHalfWidth * 0.8;
        const double len = pose.tentacleEnd - pose.rimY;
        const double x1 = x0 + t * pose.splay;
        cairo_new_path(cr);
        cairo_move_to(cr, x0, pose.rimY);
        cairo_curve_to(cr, x0 + 6 * std::sin(phase + i), pose.rimY + len * 0.35,
                       x1 - 6 * std::sin(phase + i * 1.3), pose.rimY + len * 0.7, x1,
                       pose.tentacleEnd - (i % 2) * 6);
        outlinedStroke(cr, lighten(kJellyPink, 0.25), 2.0);
    }
    // Two frilled mouth arms in the middle.
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + side * 4, pose.rimY);
        cairo_curve_to(cr, cx + side * 12, pose.rimY + 14, cx - side * 4, pose.rimY + 26,
                       cx + side * 6, pose.tentacleEnd - 16);
        outlinedStroke(cr, kJellyArm, 5.0);
    }
}

void makeJellyfish(AssetWriter& out, const JellyPose& pose, double phase, int number) {
    Canvas c(kJellyWidth, kJellyHeight);
    cairo_t* cr = c.cr();
    const double cx = kJellyWidth / 2.0;
    jellyTentacles(cr, cx, pose, phase);
    jellyBellPath(cr, cx, pose);
    shadeAndOutline(cr, kJellyPink, cx - pose.bellHalfWidth, pose.bellTop, 2 * pose.bellHalfWidth,
                    pose.rimY - pose.bellTop);
    // The glowing inner bell and its four gonad rings.
    ellipse(cr, cx, (pose.bellTop + pose.rimY) / 2 + 2, pose.bellHalfWidth * 0.55,
            (pose.rimY - pose.bellTop) * 0.3);
    setColour(cr, lighten(kJellyPink, 0.45), 0.8);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        const double x = cx + (i - 1.5) * pose.bellHalfWidth * 0.32;
        circle(cr, x, (pose.bellTop + pose.rimY) / 2 + 2, 2.6);
        setColour(cr, darken(kJellyPink, 0.25));
        cairo_fill(cr);
    }
    // A gloss on the upper left of the bell.
    cairo_save(cr);
    jellyBellPath(cr, cx, pose);
    cairo_clip(cr);
    ellipse(cr, cx - pose.bellHalfWidth * 0.45, pose.bellTop + (pose.rimY - pose.bellTop) * 0.3,
            pose.bellHalfWidth * 0.28, (pose.rimY - pose.bellTop) * 0.16);
    setColour(cr, kWhite, 0.75);
    cairo_fill(cr);
    cairo_restore(cr);
    out.obx(c, dataPath("L2/", number));
}

// -------------------------------------------------------------- the mines

void mine(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4 + M_PI / 8;
        cairo_new_path(cr);
        cairo_move_to(cr, cx + std::cos(a) * r * 0.8, cy + std::sin(a) * r * 0.8);
        cairo_line_to(cr, cx + std::cos(a) * (r + r * 0.45), cy + std::sin(a) * (r + r * 0.45));
        outlinedStroke(cr, darken(kMineRust, 0.2), r * 0.16 + 1.5);
        circle(cr, cx + std::cos(a) * r * 1.5, cy + std::sin(a) * r * 1.5, r * 0.14 + 1.5);
        shadeAndOutline(cr, kWarnYellow, cx - r * 1.7, cy - r * 1.7, r * 3.4, r * 3.4);
    }
    circle(cr, cx, cy, r);
    shadeAndOutline(cr, kMineRust, cx - r, cy - r, 2 * r, 2 * r);
    // The seam where the two halves are bolted together.
    cairo_save(cr);
    circle(cr, cx, cy, r - 1);
    cairo_clip(cr);
    ellipse(cr, cx, cy + r * 0.1, r, r * 0.28);
    setColour(cr, darken(kMineRust, 0.55));
    cairo_set_line_width(cr, std::max(1.5, r * 0.1));
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int i = -2; i <= 2; ++i) {
        const double a = M_PI / 2 + i * 0.5;
        circle(cr, cx + std::cos(a) * r, cy + r * 0.1 + std::sin(a) * r * 0.28,
               std::max(1.0, r * 0.07));
        setColour(cr, kWarnYellow);
        cairo_fill(cr);
    }
    rimLight(cr, cx, cy, r);
}

void makeSmallMine(AssetWriter& out) {
    Canvas c(50, 50);
    mine(c.cr(), 25, 25, 14);
    out.obx(c, dataPath("L2/", 2008));
}

// A mine on its mooring chain, which runs off the bottom of the picture.
void makeMooredMine(AssetWriter& out) {
    Canvas c(78, 112);
    cairo_t* cr = c.cr();
    for (int i = 0; i < 5; ++i) {
        const double y = 62 + i * 11;
        if (i % 2 == 0) {
            ellipse(cr, 39, y, 4, 7);
        } else {
            ellipse(cr, 39, y, 1.5, 7);
        }
        outlinedStroke(cr, darken(kAnchorIron, 0.1), 2.5);
    }
    mine(cr, 39, 36, 21);
    out.obx(c, dataPath("L2/", 2009));
}

// ------------------------------------------------------ rocks and wreckage

// A black sea urchin: a dark ball bristling with thin spines.
void urchin(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 14; ++i) {
        const double a = M_PI + i * M_PI / 13;
        strokeRoundLine(cr, kOutline, 1.6, cx, cy, cx + std::cos(a) * r * 2.1,
                        cy + std::sin(a) * r * 2.1);
    }
    circle(cr, cx, cy, r);
    shadeAndOutline(cr, Rgb{0.30, 0.12, 0.36}, cx - r, cy - r, 2 * r, 2 * r, 1.5);
}

// A jagged rock crowned with fire coral and urchins.
void makeCoralRock(AssetWriter& out) {
    Canvas c(114, 84);
    cairo_t* cr = c.cr();
    const double branches[][6] = {
        {30, 36, 24, 10, 16, 4}, {46, 30, 50, 8, 58, 4}, {82, 32, 88, 12, 96, 8}};
    for (const auto& b : branches) {
        cairo_new_path(cr);
        cairo_move_to(cr, b[0], b[1] + 10);
        cairo_curve_to(cr, b[0], b[1], b[2], b[3] + 10, b[2], b[3]);
        cairo_move_to(cr, b[2], b[3] + 10);
        cairo_line_to(cr, b[4], b[5]);
        outlinedStroke(cr, kCoral, 4.5);
    }
    blobPath(cr, 57, 52, 53, 29, 0.45, 2010, 18);
    shadeAndOutline(cr, kRock, 4, 23, 106, 58);
    urchin(cr, 66, 30, 6);
    urchin(cr, 38, 40, 4.5);
    ArtRandom rnd(44);
    for (int i = 0; i < 6; ++i) {
        const double x = rnd.uniform(24, 92), y = rnd.uniform(48, 70);
        circle(cr, x, y, rnd.uniform(2, 3.2));
        shadeAndOutline(cr, Rgb{0.92, 0.86, 0.70}, x - 4, y - 4, 8, 8, 1.2);
    }
    strokeRoundLine(cr, darken(kRock, 0.55), 1.5, 30, 52, 44, 66, 0.8);
    strokeRoundLine(cr, darken(kRock, 0.55), 1.5, 84, 44, 78, 60, 0.8);
    out.obx(c, dataPath("L2/", 2010));
}

// A torn piece of hull with two portholes.
void makeHullPlate(AssetWriter& out) {
    Canvas c(140, 92);
    cairo_t* cr = c.cr();
    const double hull[][2] = {{4, 32},   {38, 8},   {70, 12},  {84, 4},   {112, 6},  {136, 20},
                              {126, 34}, {134, 46}, {120, 54}, {130, 68}, {116, 74}, {122, 88},
                              {62, 86},  {22, 80},  {12, 64},  {18, 52},  {6, 44}};
    polygon(cr, hull, 17);
    shadeAndOutline(cr, kHullRust, 4, 4, 132, 84);
    // Rivets along two seams.
    for (int i = 0; i < 9; ++i) {
        circle(cr, 22 + i * 11, 24 + i * 0.6, 1.6);
        setColour(cr, darken(kHullRust, 0.45));
        cairo_fill(cr);
        circle(cr, 20 + i * 11, 70 - i * 0.3, 1.6);
        cairo_fill(cr);
    }
    for (double x : {46.0, 86.0}) {
        circle(cr, x, 46, 11);
        shadeAndOutline(cr, kBrass, x - 11, 35, 22, 22);
        circle(cr, x, 46, 7);
        Gradient::radial(x - 2, 43, 1, x, 46, 8)
            .stop(0, Rgb{0.35, 0.75, 0.70})
            .stop(1, Rgb{0.02, 0.12, 0.14})
            .fill(cr);
    }
    // Rust runs down from the rivets.
    ArtRandom rnd(2011);
    for (int i = 0; i < 6; ++i) {
        const double x = rnd.uniform(20, 110);
        strokeRoundLine(cr, darken(kHullRust, 0.35), 2, x, 26, x + 1, 26 + rnd.uniform(8, 30), 0.6);
    }
    out.obx(c, dataPath("L2/", 2011));
}

void makeAnchor(AssetWriter& out) {
    Canvas c(88, 112);
    cairo_t* cr = c.cr();
    const double cx = 44;
    circle(cr, cx, 11, 7);
    outlinedStroke(cr, kAnchorIron, 4);
    // The arms: one curve from fluke to fluke under the shank.
    cairo_new_path(cr);
    cairo_move_to(cr, 10, 70);
    cairo_curve_to(cr, 12, 96, 30, 104, cx, 104);
    cairo_curve_to(cr, 58, 104, 76, 96, 78, 70);
    outlinedStroke(cr, kAnchorIron, 8);
    for (int side = -1; side <= 1; side += 2) {
        const double x = cx + side * 34;
        const double fluke[][2] = {{x - side * 2, 80}, {x + side * 8, 60}, {x - side * 12, 70}};
        polygon(cr, fluke, 3);
        shadeAndOutline(cr, kAnchorIron, x - 12, 60, 24, 22);
    }
    rect(cr, cx - 5, 17, 10, 88);
    shadeAndOutline(cr, kAnchorIron, cx - 5, 17, 10, 88);
    rect(cr, cx - 26, 24, 52, 8);
    shadeAndOutline(cr, darken(kAnchorIron, 0.1), cx - 26, 24, 52, 8);
    // Weed caught on the stock.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 20, 30);
    cairo_curve_to(cr, cx - 24, 44, cx - 14, 50, cx - 20, 62);
    outlinedStroke(cr, kWeedFront, 3);
    out.obx(c, dataPath("L2/", 2012));
}

// ---------------------------------------------------------- the anglerfish

void anglerBodyPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 30, 78);                         // upper lip
    cairo_curve_to(cr, 40, 40, 90, 26, 130, 34);       // forehead
    cairo_curve_to(cr, 170, 42, 186, 66, 188, 86);     // back
    cairo_curve_to(cr, 186, 112, 160, 134, 120, 138);  // rear belly
    cairo_curve_to(cr, 80, 142, 40, 132, 18, 112);     // belly to the jaw
    cairo_curve_to(cr, 14, 104, 18, 98, 28, 98);       // chin
    cairo_curve_to(cr, 50, 100, 60, 92, 62, 84);       // lower lip
    cairo_curve_to(cr, 52, 80, 40, 80, 30, 78);        // gape
    cairo_close_path(cr);
}

void makeAnglerfish(AssetWriter& out) {
    Canvas c(212, 150);
    cairo_t* cr = c.cr();
    // Tail and fins behind the body.
    const double tail[][2] = {{180, 80}, {208, 50}, {200, 86}, {208, 124}, {180, 98}};
    polygon(cr, tail, 5);
    shadeAndOutline(cr, darken(kAngler, 0.15), 180, 50, 28, 74);
    const double fin[][2] = {{110, 112}, {132, 146}, {140, 116}};
    polygon(cr, fin, 3);
    shadeAndOutline(cr, darken(kAngler, 0.1), 110, 112, 30, 34);
    anglerBodyPath(cr);
    shadeAndOutline(cr, kAngler, 14, 26, 176, 116);
    // The mouth's dark inside and its needle teeth.
    const double gape[][2] = {{30, 78}, {62, 84}, {28, 98}};
    polygon(cr, gape, 3);
    setColour(cr, Rgb{0.08, 0.02, 0.06});
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i) {
        const double x = 33 + i * 6;
        const double upper[][2] = {{x, 79 + i * 1.1}, {x + 3, 79 + i * 1.1}, {x + 1.5, 90}};
        polygon(cr, upper, 3);
        setColour(cr, kTooth);
        cairo_fill(cr);
        const double lower[][2] = {{x - 2, 98 - i * 0.4}, {x + 1, 98 - i * 0.4}, {x, 88}};
        polygon(cr, lower, 3);
        cairo_fill(cr);
    }
    // The eye, small and mean.
    circle(cr, 74, 60, 7);
    shadeAndOutline(cr, kWarnYellow, 67, 53, 14, 14);
    circle(cr, 73, 61, 3);
    setColour(cr, kOutline);
    cairo_fill(cr);
    // Spines along the back and the lure on its stalk.
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 130 + i * 12, 36 + i * 5);
        cairo_line_to(cr, 138 + i * 12, 24 + i * 6);
        outlinedStroke(cr, darken(kAngler, 0.2), 2);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 96, 32);
    cairo_curve_to(cr, 80, 4, 40, 2, 24, 18);
    outlinedStroke(cr, darken(kAngler, 0.1), 3);
    circle(cr, 22, 22, 8);
    shadeAndOutline(cr, kLure, 14, 14, 16, 16);
    circle(cr, 20, 20, 3);
    setColour(cr, kWhite);
    cairo_fill(cr);
    out.obx(c, dataPath("L2/", 2013));
}

// ------------------------------------------------------------------ scenery

void makeKelp(AssetWriter& out) {
    Canvas c(54, 172);
    cairo_t* cr = c.cr();
    const double fronds[][3] = {{16, 14, 0.0}, {30, 4, 1.8}, {42, 30, 3.1}};
    for (const auto& f : fronds) {
        const double x = f[0], top = f[1], phase = f[2];
        cairo_new_path(cr);
        cairo_move_to(cr, x, 172);
        for (double y = 168; y >= top; y -= 6) {
            cairo_line_to(cr, x + 5 * std::sin((172 - y) * 0.05 + phase), y);
        }
        setColour(cr, darken(kKelp, 0.1));
        cairo_set_line_width(cr, 4);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
        for (double y = top + 10; y < 160; y += 18) {
            const double sx = x + 5 * std::sin((172 - y) * 0.05 + phase);
            const int side = static_cast<int>(y / 18) % 2 == 0 ? 1 : -1;
            ellipse(cr, sx + side * 6, y, 7, 3);
            shadeOnly(cr, kKelp, sx - 8, y - 4, 16, 8);
        }
    }
    out.obx(c, dataPath("L2/", 2004));
}

void makeBubbles(AssetWriter& out) {
    Canvas c(40, 112);
    cairo_t* cr = c.cr();
    ArtRandom rnd(2005);
    double y = 102;
    for (int i = 0; i < 10 && y > 6; ++i) {
        const double r = 7.5 - i * 0.55;
        const double x = 20 + rnd.uniform(-8, 8);
        circle(cr, x, y, r);
        setColour(cr, kBubble);
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
        circle(cr, x - r * 0.4, y - r * 0.4, std::max(1.0, r * 0.22));
        setColour(cr, lighten(kBubble, 0.4));
        cairo_fill(cr);
        y -= r * 2 + rnd.uniform(1, 5);
    }
    out.obx(c, dataPath("L2/", 2005));
}

void smallFish(cairo_t* cr, double x, double y, double size, Rgb colour) {
    ellipse(cr, x, y, size, size * 0.42);
    shadeOnly(cr, colour, x - size, y - size * 0.5, size * 2, size);
    const double tail[][2] = {
        {x + size * 0.8, y}, {x + size * 1.5, y - size * 0.45}, {x + size * 1.5, y + size * 0.45}};
    polygon(cr, tail, 3);
    setColour(cr, darken(colour, 0.2));
    cairo_fill(cr);
}

void makeFishSchool(AssetWriter& out) {
    Canvas c(122, 62);
    cairo_t* cr = c.cr();
    ArtRandom rnd(2006);
    for (int i = 0; i < 9; ++i) {
        const double x = 12 + (i % 5) * 21 + rnd.uniform(-3, 3);
        const double y = 12 + (i / 5) * 22 + (i % 2) * 10 + rnd.uniform(-2, 2);
        smallFish(cr, x, y, rnd.uniform(6, 8.5), mix(kFishShadow, kMidTeal, rnd.uniform(0, 0.3)));
    }
    out.obx(c, dataPath("L2/", 2006));
}

// A ray gliding far off, seen from above, its head to the left.
void makeRay(AssetWriter& out) {
    Canvas c(100, 72);
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_move_to(cr, 8, 36);
    cairo_curve_to(cr, 14, 24, 30, 12, 50, 4);
    cairo_curve_to(cr, 50, 16, 60, 28, 72, 36);
    cairo_curve_to(cr, 60, 44, 50, 56, 50, 68);
    cairo_curve_to(cr, 30, 60, 14, 48, 8, 36);
    cairo_close_path(cr);
    shadeOnly(cr, darken(kFishShadow, 0.1), 8, 4, 64, 64);
    for (int side = -1; side <= 1; side += 2) {
        ellipse(cr, 9, 36 + side * 4, 4, 1.8);
        setColour(cr, darken(kFishShadow, 0.2));
        cairo_fill(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 70, 36);
    cairo_curve_to(cr, 80, 36, 88, 34, 98, 38);
    setColour(cr, darken(kFishShadow, 0.2));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    out.obx(c, dataPath("L2/", 2007));
}

// ------------------------------------------------------------------ the gate

// A lock hanging from the surface: a riveted shaft and, at the height the
// crafts fly off at, a brass ring full of light.
void makeGate(AssetWriter& out) {
    constexpr double cx = 96, cy = 322, outer = 80, inner = 54;
    Canvas c(200, 410);
    cairo_t* cr = c.cr();
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + side * 88, 0);
        cairo_line_to(cr, cx + side * 62, cy - 52);
        outlinedStroke(cr, darken(kBrass, 0.35), 3);
    }
    rect(cr, cx - 22, 0, 44, cy - outer + 6);
    shadeAndOutline(cr, mix(kBrass, kMidTeal, 0.45), cx - 22, 0, 44, cy - outer + 6);
    for (double y = 30; y < cy - outer; y += 46) {
        rect(cr, cx - 26, y, 52, 9);
        shadeAndOutline(cr, kBrass, cx - 26, y, 52, 9);
    }
    // The ring: an annulus, lit from the upper left, with bolts around it.
    ringPath(cr, cx, cy, outer, inner);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    shadeAndOutline(cr, kBrass, cx - outer, cy - outer, 2 * outer, 2 * outer, 2.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    circle(cr, cx, cy, inner - 1);
    Gradient::radial(cx - 8, cy - 8, 4, cx, cy, inner)
        .stop(0.0, kWhite)
        .stop(0.45, kPortalGlow)
        .stop(1.0, mix(kPortalGlow, kMidTeal, 0.6))
        .fill(cr);
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        const double r = (outer + inner) / 2;
        circle(cr, cx + std::cos(a) * r, cy + std::sin(a) * r, 3.2);
        shadeAndOutline(cr, lighten(kBrass, 0.2), cx + std::cos(a) * r - 3,
                        cy + std::sin(a) * r - 3, 6, 6, 1.2);
    }
    out.obx(c, dataPath("L2/", 2014));
}

// --------------------------------------------------------------- the floor

// The top of the sand: whole waves per tile, so both ends meet.
double sandTop(double x) {
    const double t = 2 * M_PI * x / kFloorWidth;
    return 20 + 3 * std::sin(2 * t) + 2 * std::sin(7 * t + 1.0) + 1.0 * std::sin(23 * t + 2.0);
}

void paintSand(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, kFloorHeight);
    for (int x = 0; x <= kFloorWidth; x += 5) {
        cairo_line_to(cr, x, sandTop(x));
    }
    cairo_line_to(cr, kFloorWidth, kFloorHeight);
    cairo_close_path(cr);
    Gradient::linear(0, 12, 0, kFloorHeight)
        .stop(0.0, lighten(kSand, 0.15))
        .stop(0.35, kSand)
        .stop(1.0, darken(kSand, 0.55))
        .fill(cr);
    cairo_new_path(cr);
    for (int x = -5; x <= kFloorWidth + 5; x += 5) {
        cairo_line_to(cr, x, sandTop(x));
    }
    setColour(cr, darken(kSand, 0.6));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Ripples in the sand.
    ArtRandom rnd(2015);
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.uniform(0, kFloorWidth), y = rnd.uniform(29, 41);
        const double w = rnd.uniform(10, 22);
        wrapped(cr, kFloorWidth, [&] {
            cairo_new_path(cr);
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + w * 0.3, y - 3, x + w * 0.7, y - 3, x + w, y);
            setColour(cr, darken(kSand, 0.35), 0.8);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        });
    }
}

void paintStonesAndWeed(cairo_t* cr) {
    ArtRandom rnd(4021);
    for (int i = 0; i < 14; ++i) {
        const double x = rnd.uniform(0, kFloorWidth);
        const double rx = rnd.uniform(6, 14), ry = rx * rnd.uniform(0.5, 0.7);
        const double y = sandTop(x) + ry * 0.4;
        const std::uint32_t seed = static_cast<std::uint32_t>(i * 17 + 3);
        const Rgb colour = mix(kSeaRock, kSand, rnd.uniform(0.0, 0.3));
        wrapped(cr, kFloorWidth, [&] {
            blobPath(cr, x, y, rx, ry, 0.25, seed, 10);
            shadeOnly(cr, colour, x - rx, y - ry, 2 * rx, 2 * ry);
        });
    }
    for (int i = 0; i < 18; ++i) {
        const double x = rnd.uniform(0, kFloorWidth), h = rnd.uniform(8, 16);
        const double lean = rnd.uniform(-5, 5);
        wrapped(cr, kFloorWidth, [&] {
            for (int blade = -1; blade <= 1; ++blade) {
                const double bx = x + blade * 2.5, top = sandTop(x) - h + std::abs(blade) * 4;
                cairo_new_path(cr);
                cairo_move_to(cr, bx, sandTop(x) + 4);
                cairo_curve_to(cr, bx + lean * 0.3, top + h * 0.5, bx + lean, top + 4,
                               bx + lean * 1.2, top);
                setColour(cr, blade == 0 ? kWeedFront : darken(kWeedFront, 0.25));
                cairo_set_line_width(cr, 2.2);
                cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
                cairo_stroke(cr);
            }
        });
    }
    for (int i = 0; i < 6; ++i) {
        const double x = rnd.uniform(0, kFloorWidth), y = rnd.uniform(28, 36);
        wrapped(cr, kFloorWidth, [&] {
            // A small scallop shell.
            cairo_new_path(cr);
            cairo_move_to(cr, x, y + 4);
            cairo_arc(cr, x, y + 4, 6, M_PI * 1.1, M_PI * 1.9);
            cairo_close_path(cr);
            shadeOnly(cr, Rgb{0.95, 0.80, 0.70}, x - 6, y - 2, 12, 7);
        });
    }
}

void makeFloor(AssetWriter& out) {
    Canvas c(kFloorWidth, kFloorHeight);
    paintSand(c.cr());
    paintStonesAndWeed(c.cr());
    out.obx(c, dataPath("L2/", 2015));
}

// ---------------------------------------------------------------- the shark

void makeShark(AssetWriter& out) {
    Canvas c(212, 80);
    cairo_t* cr = c.cr();
    const double tail[][2] = {{172, 40}, {206, 6}, {194, 42}, {204, 74}, {172, 48}};
    polygon(cr, tail, 5);
    shadeAndOutline(cr, darken(kShark, 0.1), 172, 6, 34, 68);
    const double dorsal[][2] = {{84, 28}, {110, 2}, {114, 4}, {126, 28}};
    polygon(cr, dorsal, 4);
    shadeAndOutline(cr, kShark, 84, 2, 42, 26);
    // The body: a torpedo from the snout on the left to the tail stem.
    cairo_new_path(cr);
    cairo_move_to(cr, 4, 46);
    cairo_curve_to(cr, 10, 30, 50, 22, 100, 24);
    cairo_curve_to(cr, 140, 26, 164, 36, 178, 42);
    cairo_curve_to(cr, 160, 52, 130, 62, 90, 62);
    cairo_curve_to(cr, 50, 62, 18, 58, 4, 46);
    cairo_close_path(cr);
    cairo_path_t* body = cairo_copy_path(cr);
    shadeAndOutline(cr, kShark, 4, 22, 174, 40);
    // The pale belly below a line along the flank.
    cairo_save(cr);
    cairo_append_path(cr, body);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 48);
    cairo_curve_to(cr, 40, 46, 110, 50, 180, 44);
    cairo_line_to(cr, 180, 80);
    cairo_line_to(cr, 0, 80);
    cairo_close_path(cr);
    shadeOnly(cr, kBelly, 0, 44, 180, 20);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, body);
    strokeOutline(cr);
    cairo_path_destroy(body);
    const double pectoral[][2] = {{70, 56}, {98, 78}, {96, 58}};
    polygon(cr, pectoral, 3);
    shadeAndOutline(cr, darken(kShark, 0.15), 70, 56, 28, 22);
    for (int i = 0; i < 3; ++i) {
        cairo_new_path(cr);
        cairo_move_to(cr, 46 + i * 6, 34);
        cairo_curve_to(cr, 49 + i * 6, 40, 49 + i * 6, 46, 46 + i * 6, 50);
        setColour(cr, darken(kShark, 0.5));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    circle(cr, 24, 36, 3.5);
    setColour(cr, kOutline);
    cairo_fill(cr);
    circle(cr, 23, 35, 1.2);
    setColour(cr, kWhite);
    cairo_fill(cr);
    // The grin, with teeth.
    cairo_new_path(cr);
    cairo_move_to(cr, 10, 50);
    cairo_curve_to(cr, 18, 55, 30, 55, 38, 51);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int i = 0; i < 5; ++i) {
        const double x = 13 + i * 5;
        const double tooth[][2] = {{x, 52.5}, {x + 3, 53}, {x + 1.5, 57}};
        polygon(cr, tooth, 3);
        setColour(cr, kTooth);
        cairo_fill(cr);
    }
    out.obx(c, dataPath("L2/", 2016));
}

void makeCourse2Art(AssetWriter& out) {
    makeBackground(out);
    makeJellyfish(out, JellyPose{23, 6, 44, 90, 4}, 0.0, 2002);
    makeJellyfish(out, JellyPose{33, 12, 36, 84, 7}, 1.4, 2003);
    makeKelp(out);
    makeBubbles(out);
    makeFishSchool(out);
    makeRay(out);
    makeSmallMine(out);
    makeMooredMine(out);
    makeCoralRock(out);
    makeHullPlate(out);
    makeAnchor(out);
    makeAnglerfish(out);
    makeGate(out);
    makeFloor(out);
    makeShark(out);
}

}  // namespace

const AssetModule kCourse2Art = {"course 2", 16, &makeCourse2Art};
