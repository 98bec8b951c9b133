#include "assetgen/art/StoryEnding.h"

#include <cmath>

#include "assetgen/art/StoryBeast.h"
#include "assetgen/art/StoryBrain.h"
#include "assetgen/art/StoryBrush.h"
#include "assetgen/art/StoryCity.h"
#include "assetgen/art/StoryCraft.h"

namespace {

constexpr Rgb kHot{1.00, 0.88, 0.55};
constexpr Rgb kBrainPink{0.94, 0.58, 0.68};
constexpr Rgb kBile{0.58, 0.80, 0.18};
constexpr Rgb kDeadFlesh{0.42, 0.26, 0.36};
constexpr Rgb kDeadDark{0.16, 0.08, 0.14};
constexpr Rgb kDaylight{0.85, 0.95, 1.00};

constexpr Rgb kSkyHigh{0.32, 0.58, 0.88};
constexpr Rgb kSkyLow{0.98, 0.86, 0.70};
constexpr Rgb kSeaNear{0.06, 0.20, 0.36};
constexpr Rgb kSeaFar{0.36, 0.58, 0.76};
constexpr double kHorizon = 440;

// A wavy edge across the picture, from the top (fromTop) or the bottom.
void wavyBand(cairo_t* cr, double base, double amplitude, double waves, double phase,
              bool fromTop) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, fromTop ? 0 : 600);
    for (int x = 0; x <= 800; x += 8) {
        cairo_line_to(cr, x,
                      base + amplitude * std::sin(x * waves * 2 * M_PI / 800 + phase) +
                          amplitude * 0.4 * std::sin(x * waves * 6 * M_PI / 800));
    }
    cairo_line_to(cr, 800, fromTop ? 0 : 600);
    cairo_close_path(cr);
}

}  // namespace

// ---------------------------------------------------------------- 3_1

void StoryEnding::paintBurst(cairo_t* cr) {
    StoryBeast::paintChamberWalls(cr, Rgb{0.30, 0.05, 0.10}, 0.35);
    const double cx = 470, cy = 215;
    paintShockwave(cr, cx, cy);
    const StoryBrain brain(cx, cy, 290);
    brain.drawStalk(cr, 520, 500);
    brain.drawBursting(cr);
    paintFlyingChunks(cr, cx, cy);
    StoryBeast::paintBilePool(cr);
    const StoryCraft craft(110, 400, 100, -0.25, kPlayer1);
    craft.drawFlame(cr, 50);
    craft.draw(cr);
    StoryBrush::glow(cr, cx, cy, 420, kHot, 0.12);
    StoryBrush::vignette(cr, 0.5);
}

void StoryEnding::paintShockwave(cairo_t* cr, double cx, double cy) {
    for (int i = 0; i < 2; ++i) {
        const double r = 230 + i * 110;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1.0, 0.7);
        StoryBrush::circle(cr, 0, 0, r);
        cairo_restore(cr);
        setColour(cr, kHot, 0.25 - i * 0.1);
        cairo_set_line_width(cr, 26 - i * 10);
        cairo_stroke_preserve(cr);
        setColour(cr, kWhite, 0.7 - i * 0.3);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

// Lumps of brain and drops of bile thrown out, each trailing a streak.
void StoryEnding::paintFlyingChunks(cairo_t* cr, double cx, double cy) {
    ArtRandom rnd(3101);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 22; ++i) {
        const double a = 2 * M_PI * i / 22 + rnd.uniform(-0.12, 0.12);
        const double d = rnd.uniform(170, 330);
        const double x = cx + std::cos(a) * d * 1.2, y = cy + std::sin(a) * d * 0.8;
        const double r = rnd.uniform(6, 18);
        const bool bile = i % 3 == 0;
        cairo_new_path(cr);
        cairo_move_to(cr, x - std::cos(a) * r * 4, y - std::sin(a) * r * 3);
        cairo_line_to(cr, x, y);
        setColour(cr, bile ? kBile : kHot, 0.35);
        cairo_set_line_width(cr, r * 0.9);
        cairo_stroke(cr);
        blobPath(cr, x, y, r, r * 0.8, 0.35, 3110 + i, 10);
        shadeAndOutline(cr, bile ? kBile : kBrainPink, x - r, y - r, 2 * r, 2 * r);
    }
}

// ---------------------------------------------------------------- 3_2

void StoryEnding::paintEscape(cairo_t* cr) {
    StoryBrush::sky(cr, kDeadDark, darken(kDeadFlesh, 0.45), kDeadDark);
    // The tunnel's ribs, far back in the gloom.
    for (int i = 0; i < 6; ++i) {
        const double x = 40 + i * 120;
        cairo_new_path(cr);
        cairo_move_to(cr, x, 60);
        cairo_curve_to(cr, x + 50, 220, x + 50, 380, x, 540);
        setColour(cr, kDeadFlesh, 0.3);
        cairo_set_line_width(cr, 18);
        cairo_stroke(cr);
    }
    paintDaylightExit(cr, 700, 300, 120);
    paintCollapsingWalls(cr);
    paintFallingChunks(cr);
    ArtRandom rnd(3201);
    StoryBrush::speedLines(cr, rnd, 420, 300, 90, 300, 18, kWhite, 0.3);
    const StoryCraft craft(430, 300, 180, -0.06, kPlayer1);
    craft.drawWake(cr, 260, 0.9);
    craft.drawFlame(cr, 90);
    craft.draw(cr);
    StoryBrush::vignette(cr, 0.5);
}

// The tunnel's far end, open onto the day: sky and sea through a ragged
// hole, and light pouring in along the tunnel.
void StoryEnding::paintDaylightExit(cairo_t* cr, double cx, double cy, double r) {
    StoryBrush::glow(cr, cx, cy, r * 3.2, kDaylight, 0.5);
    blobPath(cr, cx, cy, r, r * 1.05, 0.15, 3202, 16);
    cairo_path_t* hole = cairo_copy_path(cr);
    cairo_save(cr);
    cairo_clip(cr);
    StoryBrush::rect(cr, cx - r, cy - r * 1.1, 2 * r, 2.2 * r);
    StoryBrush::fillVertical(cr, cy - r, cy + r * 0.3, lighten(kSkyHigh, 0.4), kWhite);
    StoryBrush::rect(cr, cx - r, cy + r * 0.3, 2 * r, r);
    StoryBrush::fillVertical(cr, cy + r * 0.3, cy + r, lighten(kSeaFar, 0.3), kSeaFar);
    cairo_restore(cr);
    cairo_append_path(cr, hole);
    cairo_path_destroy(hole);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    // Shafts of daylight fanning back into the tunnel.
    for (int i = 0; i < 5; ++i) {
        const double spread = (i - 2) * 55;
        cairo_new_path(cr);
        cairo_move_to(cr, cx - r * 0.85, cy + spread * 0.3 - 20);
        cairo_line_to(cr, 0, cy + spread * 1.6 - 60);
        cairo_line_to(cr, 0, cy + spread * 1.6 + 20);
        cairo_line_to(cr, cx - r * 0.85, cy + spread * 0.3 + 20);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(cx - r * 0.85, 0, 0, 0);
        StoryBrush::addStop(p, 0, kDaylight, 0.22);
        StoryBrush::addStop(p, 1, kDaylight, 0.0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

// The walls sag and split as the dead beast falls in on itself.
void StoryEnding::paintCollapsingWalls(cairo_t* cr) {
    wavyBand(cr, 120, 34, 2.5, 0.4, true);
    shadeAndOutline(cr, kDeadFlesh, 0, 0, 800, 160, 2.5);
    wavyBand(cr, 490, 24, 2, 1.9, false);
    shadeAndOutline(cr, kDeadFlesh, 0, 460, 800, 140, 2.5);
    ArtRandom rnd(3203);
    for (int i = 0; i < 8; ++i) {
        const double x = 40 + i * 100 + rnd.uniform(-20, 20);
        const bool top = i % 2 == 0;
        StoryBeast::vein(cr, rnd, x, top ? 20 : 580, rnd.uniform(-40, 40),
                         top ? rnd.uniform(60, 110) : -rnd.uniform(40, 80), 4, kDeadDark);
    }
    // Torn flaps hanging down, about to fall.
    const double flaps[][3] = {{180, 120, 90}, {560, 100, 110}, {340, 140, 60}, {690, 90, 60}};
    for (const auto& f : flaps) {
        const double x = f[0], y = f[1], len = f[2];
        cairo_new_path(cr);
        cairo_move_to(cr, x - 34, y - 20);
        cairo_curve_to(cr, x - 26, y + len * 0.4, x - 8, y + len * 0.7, x + 4, y + len);
        cairo_curve_to(cr, x + 6, y + len * 0.6, x + 24, y + len * 0.3, x + 34, y - 20);
        cairo_close_path(cr);
        shadeAndOutline(cr, kDeadFlesh, x - 34, y - 20, 68, len + 20, 2.5);
    }
}

void StoryEnding::paintFallingChunks(cairo_t* cr) {
    ArtRandom rnd(3204);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 12; ++i) {
        const double x = rnd.uniform(60, 620), y = rnd.uniform(190, 430), r = rnd.uniform(7, 20);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y - r * 3.5);
        cairo_line_to(cr, x, y);
        setColour(cr, kDeadFlesh, 0.3);
        cairo_set_line_width(cr, r);
        cairo_stroke(cr);
        blobPath(cr, x, y, r, r * 0.85, 0.3, 3210 + i, 10);
        shadeAndOutline(cr, lighten(kDeadFlesh, 0.1), x - r, y - r, 2 * r, 2 * r);
    }
}

// ---------------------------------------------------------------- 3_3

void StoryEnding::paintHome(cairo_t* cr) {
    paintMorningSky(cr);
    paintClouds(cr);
    paintHomeCity(cr);
    paintSea(cr);
    paintShore(cr);
    paintBirds(cr);
    const StoryCraft craft(420, 402, 96, -0.04, kPlayer1);
    craft.drawWake(cr, 230, 0.8);
    craft.drawFlame(cr, 22);
    craft.draw(cr);
    StoryBrush::vignette(cr, 0.25);
}

void StoryEnding::paintMorningSky(cairo_t* cr) {
    StoryBrush::rect(cr, 0, 0, 800, kHorizon);
    StoryBrush::fillVertical(cr, 0, kHorizon, kSkyHigh, kSkyLow);
    StoryBrush::glow(cr, 105, 95, 300, Rgb{1.0, 0.93, 0.70}, 0.6);
    StoryBrush::glow(cr, 105, 95, 80, Rgb{1.0, 1.0, 0.95}, 0.8);
    StoryBrush::circle(cr, 105, 95, 36);
    setColour(cr, Rgb{1.0, 0.99, 0.93});
    cairo_fill(cr);
    // Far hills along the horizon, pale with distance.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, kHorizon);
    for (int x = 0; x <= 800; x += 10) {
        cairo_line_to(cr, x, kHorizon - 22 - 14 * std::sin(x * 0.012) - 8 * std::sin(x * 0.031));
    }
    cairo_line_to(cr, 800, kHorizon);
    cairo_close_path(cr);
    setColour(cr, mix(kSkyLow, kSkyHigh, 0.55));
    cairo_fill(cr);
}

// Soft clouds high up and away from the middle, where the caption sits:
// each bank is one shape of heaped puffs on a flat base, lit from above.
void StoryEnding::paintClouds(cairo_t* cr) {
    const double banks[][3] = {{560, 80, 1.0}, {710, 150, 0.75}, {290, 52, 0.7}, {770, 56, 0.6}};
    ArtRandom rnd(3301);
    for (const auto& b : banks) {
        const double w = 130 * b[2], base = b[1] + 18 * b[2];
        cairo_new_path(cr);
        for (int i = 0; i < 5; ++i) {
            const double x = b[0] - w / 2 + w * (i + 0.5) / 5 + rnd.uniform(-6, 6);
            const double r = (i == 1 || i == 2 ? 36 : 24) * b[2] * rnd.uniform(0.85, 1.1);
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, base - r * 0.5, r, 0, 2 * M_PI);
        }
        cairo_new_sub_path(cr);
        cairo_rectangle(cr, b[0] - w / 2, base - 16 * b[2], w, 16 * b[2]);
        cairo_save(cr);
        cairo_clip(cr);
        StoryBrush::rect(cr, b[0] - w, b[1] - 80, 2 * w, base - b[1] + 80);
        StoryBrush::fillVertical(cr, b[1] - 50 * b[2], base, kWhite, Rgb{0.80, 0.84, 0.92});
        cairo_restore(cr);
    }
}

// Home: towers standing on the far shore at the right, low at the edge so
// the middle of the sky stays open.
void StoryEnding::paintHomeCity(cairo_t* cr) {
    ArtRandom rnd(3302);
    StoryBrush::pushLayer(cr);
    StoryCity::skyline(
        cr, rnd, {kHorizon, 70, 190, 26, 44, Rgb{0.55, 0.62, 0.78}, Rgb{0.9, 0.95, 1.0}, 0.15}, 650,
        800);
    StoryCity::skyline(cr, rnd,
                       {kHorizon, 30, 70, 22, 36, Rgb{0.55, 0.62, 0.78}, Rgb{0.9, 0.95, 1.0}, 0.15},
                       560, 650);
    StoryBrush::popLayer(cr, kSkyLow, 0.35);
    StoryCity::skyline(
        cr, rnd, {kHorizon, 40, 130, 22, 38, Rgb{0.34, 0.40, 0.55}, Rgb{1.0, 0.92, 0.70}, 0.18},
        680, 800);
}

void StoryEnding::paintSea(cairo_t* cr) {
    StoryBrush::rect(cr, 0, kHorizon, 800, 600 - kHorizon);
    StoryBrush::fillVertical(cr, kHorizon, 600, kSeaFar, kSeaNear);
    ArtRandom rnd(3303);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // The sun's glitter on the water, and ripples further out.
    for (int i = 0; i < 70; ++i) {
        const double y = kHorizon + 4 + std::pow(rnd.uniform(0, 1), 1.6) * 150;
        const double depth = (y - kHorizon) / 160;
        const bool glitter = i < 40;
        const double x =
            glitter ? 105 + rnd.uniform(-40, 40) * (1 + depth * 2) : rnd.uniform(0, 800);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rnd.uniform(6, 18) * (1 + depth * 2), y);
        setColour(cr, glitter ? Rgb{1.0, 0.97, 0.85} : lighten(kSeaFar, 0.4), glitter ? 0.8 : 0.35);
        cairo_set_line_width(cr, 1.0 + depth * 1.5);
        cairo_stroke(cr);
    }
}

// The headland at the left, with the old outflow pipe the craft burst out
// of, still trickling.
void StoryEnding::paintShore(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 352);
    cairo_curve_to(cr, 70, 346, 120, 360, 160, 392);
    cairo_curve_to(cr, 180, 410, 186, 440, 178, 462);
    cairo_line_to(cr, 0, 470);
    cairo_close_path(cr);
    shadeOnly(cr, Rgb{0.46, 0.40, 0.34}, 0, 346, 186, 124);
    // Grass along the top.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 352);
    cairo_curve_to(cr, 70, 346, 120, 360, 160, 392);
    cairo_curve_to(cr, 120, 372, 70, 364, 0, 366);
    cairo_close_path(cr);
    shadeOnly(cr, Rgb{0.38, 0.62, 0.30}, 0, 346, 160, 46);
    // The pipe's mouth: a concrete collar, dark inside, and its trickle.
    StoryBrush::rect(cr, 118, 424, 44, 26);
    StoryBrush::fillVertical(cr, 424, 450, Rgb{0.72, 0.70, 0.66}, Rgb{0.40, 0.39, 0.37});
    cairo_save(cr);
    cairo_translate(cr, 162, 437);
    cairo_scale(cr, 7, 13);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    setColour(cr, Rgb{0.58, 0.57, 0.54});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 163, 438);
    cairo_scale(cr, 4.5, 10);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    setColour(cr, Rgb{0.10, 0.10, 0.10});
    cairo_fill(cr);
    StoryBrush::rect(cr, 162, 446, 3, kHorizon - 446 + 6);
    setColour(cr, Rgb{0.70, 0.85, 0.95}, 0.8);
    cairo_fill(cr);
}

void StoryEnding::paintBirds(cairo_t* cr) {
    const double birds[][2] = {{640, 250}, {662, 238}, {676, 262}, {700, 246}};
    cairo_set_line_width(cr, 2.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, Rgb{0.20, 0.24, 0.34});
    for (const auto& b : birds) {
        cairo_move_to(cr, b[0] - 7, b[1] - 3);
        cairo_curve_to(cr, b[0] - 4, b[1] - 5, b[0] - 2, b[1] - 3, b[0], b[1]);
        cairo_curve_to(cr, b[0] + 2, b[1] - 3, b[0] + 4, b[1] - 5, b[0] + 7, b[1] - 3);
    }
    cairo_stroke(cr);
}
