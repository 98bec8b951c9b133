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
// The back wall is right-aligned with the front wall; once the chamber has
// stopped, both end at the screen's right edge.
constexpr int kBackWallWidth = 220;
constexpr int kBackWallLeft = 800 - kBackWallWidth;

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

// The recess's rim in the fight's screen coordinates. The shots of both
// mouths fan out to the left of it: it keeps right of the steepest of them,
// falling from the upper mouth and rising from the lower one, with room for
// the walls' quiver.
constexpr double kRecessRim[][2] = {{722, 92},  {690, 118}, {660, 170}, {632, 236}, {614, 300},
                                    {608, 360}, {616, 420}, {640, 476}, {676, 508}, {722, 526}};
constexpr int kRimPoints = sizeof kRecessRim / sizeof kRecessRim[0];

// A smooth curve through the midpoints of the rim's corners, closed round
// the right edge behind the front wall.
void recessPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 800, kRecessRim[0][1]);
    cairo_line_to(cr, kRecessRim[0][0], kRecessRim[0][1]);
    for (int i = 1; i < kRimPoints - 1; ++i) {
        const double* p = kRecessRim[i];
        const double* n = kRecessRim[i + 1];
        const double mx = (p[0] + n[0]) / 2, my = (p[1] + n[1]) / 2;
        cairo_curve_to(cr, p[0], p[1], p[0], p[1], mx, my);
    }
    cairo_line_to(cr, kRecessRim[kRimPoints - 1][0], kRecessRim[kRimPoints - 1][1]);
    cairo_line_to(cr, 800, kRecessRim[kRimPoints - 1][1]);
    cairo_close_path(cr);
}

// Ridges of the hollow that follow its rim deeper in.
void paintRecessFolds(cairo_t* cr) {
    for (int fold = 1; fold <= 3; ++fold) {
        cairo_save(cr);
        cairo_translate(cr, 22.0 * fold, 6.0 * fold);
        recessPath(cr);
        cairo_restore(cr);
        setColour(cr, kC4CavityLight, 0.45 - 0.1 * fold);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
    }
}

// A strand of sinew along a curve, w0 wide at its start and w1 at its end.
void strandPath(cairo_t* cr, const double (&curve)[4][2], double w0, double w1) {
    constexpr int kSamples = 16;
    double side[2][kSamples + 1][2];
    for (int i = 0; i <= kSamples; ++i) {
        const double t = static_cast<double>(i) / kSamples, u = 1 - t;
        const double b[4] = {u * u * u, 3 * u * u * t, 3 * u * t * t, t * t * t};
        const double d[4] = {-3 * u * u, 3 * u * u - 6 * u * t, 6 * u * t - 3 * t * t, 3 * t * t};
        double x = 0, y = 0, dx = 0, dy = 0;
        for (int k = 0; k < 4; ++k) {
            x += b[k] * curve[k][0];
            y += b[k] * curve[k][1];
            dx += d[k] * curve[k][0];
            dy += d[k] * curve[k][1];
        }
        const double length = std::hypot(dx, dy), half = (w0 + (w1 - w0) * t) / 2;
        for (int s = 0; s < 2; ++s) {
            const double sign = s == 0 ? 1 : -1;
            side[s][i][0] = x - sign * dy / length * half;
            side[s][i][1] = y + sign * dx / length * half;
        }
    }
    cairo_new_path(cr);
    for (int i = 0; i <= kSamples; ++i) {
        cairo_line_to(cr, side[0][i][0], side[0][i][1]);
    }
    for (int i = kSamples; i >= 0; --i) {
        cairo_line_to(cr, side[1][i][0], side[1][i][1]);
    }
    cairo_close_path(cr);
}

// The stalk's root: three strands of sinew from deep in the recess to
// where the stalk's last knot hangs (about x 620, y 280 to 320), the middle
// one in front.
void paintRoot(cairo_t* cr) {
    const int order[3] = {-1, 1, 0};
    for (int i : order) {
        const double curve[4][2] = {{770, 300.0 + 36 * i},
                                    {720, 300.0 + 34 * i},
                                    {680, 300.0 + 4 * i},
                                    {626, 300.0 + 8 * i}};
        strandPath(cr, curve, 30, 14);
        const Rgb colour = darken(kC4Membrane, i == 0 ? 0.25 : 0.45);
        Gradient::linear(0, 270.0 + 36 * i, 0, 330.0 + 36 * i)
            .stop(0, colour)
            .stop(1, darken(colour, 0.45))
            .fill(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, curve[0][0], curve[0][1] - 3);
        cairo_curve_to(cr, curve[1][0], curve[1][1] - 3, curve[2][0], curve[2][1] - 2, curve[3][0],
                       curve[3][1] - 1);
        setColour(cr, lighten(colour, 0.2), 0.7);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    glow(cr, 636, 300, 24, kC4Bile, 0.3);
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

// The back wall is drawn over the shots, so it holds only the hollow behind
// the front wall, where the stalk is rooted, and is clear everywhere else:
// the tunnel shows through and every shot of the fight stays in sight.
// No outline: it lies behind everything that can be touched.
void Course4Chamber::makeBackWall(AssetWriter& out) {
    Canvas back(kBackWallWidth, 600);
    cairo_t* cr = back.cr();
    cairo_translate(cr, -kBackWallLeft, 0);
    recessPath(cr);
    Gradient::radial(730, 300, 10, 730, 300, 200)
        .stop(0, darken(kC4Cavity, 0.55))
        .stop(0.7, darken(kC4Cavity, 0.1))
        .stop(1, kC4CavityLight)
        .fill(cr);
    cairo_save(cr);
    recessPath(cr);
    cairo_clip(cr);
    paintRecessFolds(cr);
    ArtRandom rnd(4022);
    for (int i = 0; i < 6; ++i) {
        Course4Flesh::strokeVein(cr, rnd, rnd.uniform(620, 680), rnd.uniform(140, 460), 100,
                                 rnd.uniform(1.5, 2.5), kC4Vein, 0.9);
    }
    // The lip of the hollow catches the light.
    recessPath(cr);
    setColour(cr, lighten(kC4CavityLight, 0.15));
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    paintRoot(cr);
    cairo_restore(cr);
    out.obx(back, dataPath("L4/", 4022));
}
