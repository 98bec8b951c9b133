#include "assetgen/art/StoryBeast.h"

#include <cmath>

#include "assetgen/art/StoryBrain.h"
#include "assetgen/art/StoryBrush.h"
#include "assetgen/art/StoryCity.h"
#include "assetgen/art/StoryCraft.h"

namespace {

constexpr Rgb kStone{0.24, 0.23, 0.21};
constexpr Rgb kStoneDark{0.10, 0.10, 0.09};
constexpr Rgb kRust{0.30, 0.22, 0.17};
constexpr Rgb kSludge{0.34, 0.40, 0.13};
constexpr Rgb kCavity{0.16, 0.05, 0.14};
constexpr Rgb kCavityLight{0.34, 0.11, 0.28};
constexpr Rgb kFlesh{0.80, 0.38, 0.52};
constexpr Rgb kFleshDark{0.46, 0.15, 0.32};
constexpr Rgb kVein{0.40, 0.08, 0.30};
constexpr Rgb kBile{0.58, 0.80, 0.18};
constexpr Rgb kGlowPink{0.95, 0.45, 0.65};

constexpr double kWaterY = 440;

void brickRows(cairo_t* cr, double top, double bottom, double brickW, double rowH, double alpha) {
    cairo_set_line_width(cr, 1.0);
    setColour(cr, kStoneDark, alpha);
    int row = 0;
    for (double y = top; y < bottom; y += rowH, ++row) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, 800, y + 0.5);
        for (double x = (row % 2) * brickW / 2; x < 800; x += brickW) {
            cairo_move_to(cr, x + 0.5, y);
            cairo_line_to(cr, x + 0.5, y + rowH);
        }
    }
    cairo_stroke(cr);
}

// A length of rusty pipe lying along x: lit along its upper side.
void pipe(cairo_t* cr, double x, double y, double w, double h) {
    StoryBrush::rect(cr, x, y, w, h);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    StoryBrush::addStop(p, 0, darken(kRust, 0.3));
    StoryBrush::addStop(p, 0.3, lighten(kRust, 0.25));
    StoryBrush::addStop(p, 1, darken(kRust, 0.65));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

}  // namespace

void StoryBeast::vein(cairo_t* cr, ArtRandom& rnd, double x, double y, double dx, double dy,
                      double width, Rgb colour) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int s = 0; s < 6; ++s) {
        const double nx = x + dx / 6 + rnd.uniform(-8, 8), ny = y + dy / 6 + rnd.uniform(-10, 10);
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + rnd.uniform(-6, 6), y + rnd.uniform(-6, 6), nx, ny, nx, ny);
        setColour(cr, colour, 0.9);
        cairo_set_line_width(cr, width * (1.0 - s / 7.0));
        cairo_stroke(cr);
        x = nx;
        y = ny;
    }
}

// ---------------------------------------------------------------- 2_1

void StoryBeast::paintSewerEnd(cairo_t* cr) {
    paintSewerWall(cr);
    paintSewerWater(cr);
    paintGullet(cr);
    const StoryCraft craft(230, 300, 150, 0.0, kPlayer1);
    // The headlamp's beam reaching for the opening.
    cairo_new_path(cr);
    cairo_move_to(cr, 300, 300);
    cairo_line_to(cr, 620, 220);
    cairo_line_to(cr, 620, 380);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(300, 0, 620, 0);
    StoryBrush::addStop(p, 0, kWhite, 0.30);
    StoryBrush::addStop(p, 1, kWhite, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    craft.drawFlame(cr, 40);
    craft.draw(cr);
    StoryBrush::vignette(cr, 0.55);
}

void StoryBeast::paintSewerWall(cairo_t* cr) {
    StoryBrush::sky(cr, kStoneDark, kStone, darken(kStone, 0.3), 0.55);
    brickRows(cr, 90, kWaterY, 36, 14, 0.55);
    // Arches into side tunnels, dark and deep.
    const double arches[] = {40, 250};
    for (double x : arches) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, kWaterY);
        cairo_line_to(cr, x, 270);
        cairo_arc(cr, x + 70, 270, 70, M_PI, 2 * M_PI);
        cairo_line_to(cr, x + 140, kWaterY);
        cairo_close_path(cr);
        cairo_path_t* arch = cairo_copy_path(cr);
        setColour(cr, darken(kStone, 0.2));
        cairo_set_line_width(cr, 18);
        cairo_stroke_preserve(cr);
        StoryBrush::fillVertical(cr, 200, kWaterY, Rgb{0.02, 0.02, 0.02}, Rgb{0.06, 0.07, 0.04});
        cairo_append_path(cr, arch);
        setColour(cr, lighten(kStone, 0.15), 0.5);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_path_destroy(arch);
        StoryBrush::glow(cr, x + 70, 400, 60, kSludge, 0.3);
    }
    // The main pipe along the roof, with its flanges.
    pipe(cr, 0, 52, 800, 28);
    for (int x = 60; x < 800; x += 140) {
        pipe(cr, x, 48, 12, 36);
    }
    // A walkway ledge above the water.
    StoryBrush::rect(cr, 0, kWaterY - 14, 800, 14);
    StoryBrush::fillVertical(cr, kWaterY - 14, kWaterY, lighten(kStone, 0.25), kStoneDark);
}

void StoryBeast::paintSewerWater(cairo_t* cr) {
    StoryBrush::rect(cr, 0, kWaterY, 800, 600 - kWaterY);
    StoryBrush::fillVertical(cr, kWaterY, 600, darken(kSludge, 0.3), darken(kSludge, 0.8));
    StoryBrush::rect(cr, 0, kWaterY, 800, 60);
    StoryBrush::fillFade(cr, kWaterY, kWaterY + 60, lighten(kSludge, 0.3), 0.3, 0.0);
    // The pink light of the opening on the water.
    cairo_save(cr);
    StoryBrush::rect(cr, 0, kWaterY, 800, 600 - kWaterY);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, 640, kWaterY + 20);
    cairo_scale(cr, 2.2, 0.5);
    StoryBrush::glow(cr, 0, 0, 120, kGlowPink, 0.45);
    cairo_restore(cr);
    cairo_restore(cr);
    ArtRandom rnd(2101);
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 40; ++i) {
        const double y = kWaterY + 6 + std::pow(rnd.uniform(0, 1), 1.5) * 150;
        const double x = rnd.uniform(0, 800), len = rnd.uniform(10, 40) * (1 + (y - kWaterY) / 80);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + len, y);
    }
    setColour(cr, lighten(kSludge, 0.5), 0.35);
    cairo_stroke(cr);
}

// The sewer's end: the brickwork gives way to a wall of flesh with a
// throat opening in it.
void StoryBeast::paintGullet(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 800, 0);
    cairo_line_to(cr, 560, 0);
    cairo_curve_to(cr, 470, 120, 540, 200, 480, 300);
    cairo_curve_to(cr, 440, 370, 520, 420, 500, kWaterY + 10);
    cairo_line_to(cr, 800, kWaterY + 10);
    cairo_close_path(cr);
    cairo_path_t* wall = cairo_copy_path(cr);
    shadeAndOutline(cr, kFleshDark, 480, 0, 320, kWaterY);
    ArtRandom rnd(2102);
    // Swellings and pores over the wall.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, wall);
    cairo_clip(cr);
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.uniform(470, 800), y = rnd.uniform(0, kWaterY), r = rnd.uniform(5, 12);
        blobPath(cr, x, y, r * 1.3, r, 0.2, 2130 + i, 10);
        shadeOnly(cr, mix(kFleshDark, kFlesh, 0.18), x - r, y - r, 2 * r, 2 * r);
        StoryBrush::circle(cr, x + r * 0.2, y + r * 0.2, r * 0.22);
        setColour(cr, darken(kFleshDark, 0.5), 0.7);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, wall);
    cairo_path_destroy(wall);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_stroke(cr);
    for (int i = 0; i < 8; ++i) {
        const double y = rnd.uniform(20, 420);
        vein(cr, rnd, 540 + rnd.uniform(-20, 30), y, -rnd.uniform(120, 260), rnd.uniform(-40, 40),
             rnd.uniform(3, 7), kVein);
    }
    // Rings of muscle around the throat, lighter towards the middle, with
    // their fibres running into the dark.
    const double cx = 660, cy = 265;
    for (int i = 0; i < 3; ++i) {
        const double k = 1.0 - i * 0.2;
        blobPath(cr, cx, cy, 150 * k, 185 * k, 0.14, 2110 + i, 16);
        const Rgb ring = mix(kFleshDark, kFlesh, 0.35 + i * 0.25);
        if (i == 0) {
            shadeAndOutline(cr, ring, cx - 150 * k, cy - 185 * k, 300 * k, 370 * k);
        } else {
            shadeOnly(cr, ring, cx - 150 * k, cy - 185 * k, 300 * k, 370 * k);
        }
    }
    cairo_set_line_width(cr, 2.0);
    setColour(cr, kFleshDark, 0.6);
    for (int i = 0; i < 28; ++i) {
        const double a = 2 * M_PI * i / 28;
        cairo_move_to(cr, cx + std::cos(a) * 78, cy + std::sin(a) * 102);
        cairo_line_to(cr, cx + std::cos(a) * 118, cy + std::sin(a) * 150);
    }
    cairo_stroke(cr);
    blobPath(cr, cx, cy, 70, 95, 0.12, 2120, 14);
    cairo_path_t* throat = cairo_copy_path(cr);
    StoryBrush::fillVertical(cr, cy - 95, cy + 95, Rgb{0.05, 0.01, 0.04}, kCavity);
    cairo_append_path(cr, throat);
    cairo_path_destroy(throat);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_stroke(cr);
    StoryBrush::glow(cr, cx + 8, cy + 10, 70, kGlowPink, 0.55);
    StoryBrush::glow(cr, cx, cy, 240, kGlowPink, 0.15);
    // Slime hanging from the rim.
    for (int i = 0; i < 6; ++i) {
        const double x = cx - 50 + i * 20 + rnd.uniform(-4, 4),
                     top = cy - 78 + std::abs(i - 2.5) * 6;
        const double len = rnd.uniform(18, 46);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 3, top);
        cairo_curve_to(cr, x - 2, top + len * 0.6, x - 4, top + len, x, top + len);
        cairo_curve_to(cr, x + 4, top + len, x + 2, top + len * 0.6, x + 3, top);
        cairo_close_path(cr);
        setColour(cr, lighten(kBile, 0.2), 0.85);
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- 2_2

void StoryBeast::paintBeast(cairo_t* cr) {
    paintUnderCity(cr);
    paintBeastBody(cr);
    paintBeastHead(cr);
    paintBeastInside(cr);
    StoryBrush::captionShade(cr, Rgb{0.04, 0.01, 0.04}, 450, 0.7);
    StoryBrush::vignette(cr, 0.45);
}

// The city small at the very top, the sewers under it, and under those a
// hollow in the rock that the beast fills.
void StoryBeast::paintUnderCity(cairo_t* cr) {
    StoryBrush::sky(cr, Rgb{0.03, 0.03, 0.10}, Rgb{0.12, 0.08, 0.10}, Rgb{0.05, 0.02, 0.04}, 0.2);
    ArtRandom rnd(2201);
    StoryBrush::stars(cr, rnd, 40, 0, 0, 800, 40, 0.7);
    StoryCity::skyline(
        cr, rnd, {62, 14, 40, 12, 26, Rgb{0.07, 0.07, 0.13}, Rgb{1.0, 0.8, 0.42}, 0.25}, 0, 800);
    StoryBrush::rect(cr, 0, 62, 800, 538);
    StoryBrush::fillVertical(cr, 62, 600, Rgb{0.20, 0.16, 0.14}, Rgb{0.05, 0.02, 0.04});
    // The sewer line, and a shaft dropping from it into the beast.
    StoryBrush::rect(cr, 0, 96, 800, 22);
    StoryBrush::fillVertical(cr, 96, 118, kStone, kStoneDark);
    StoryBrush::rect(cr, 0, 101, 800, 12);
    setColour(cr, Rgb{0.05, 0.05, 0.04});
    cairo_fill(cr);
    StoryBrush::rect(cr, 0, 108, 800, 5);
    setColour(cr, kSludge);
    cairo_fill(cr);
    StoryBrush::rect(cr, 150, 110, 26, 110);
    StoryBrush::fillVertical(cr, 110, 220, kStone, kStoneDark);
    StoryBrush::rect(cr, 156, 110, 14, 110);
    setColour(cr, Rgb{0.04, 0.04, 0.04});
    cairo_fill(cr);
    blobPath(cr, 420, 330, 400, 210, 0.15, 2202, 18);
    setColour(cr, Rgb{0.03, 0.01, 0.03});
    cairo_fill(cr);
}

// The beast: a swollen grub-like bulk of ringed segments, lying curled in
// its hollow.
void StoryBeast::paintBeastBody(cairo_t* cr) {
    const double segments[][4] = {{110, 380, 70, 60},   {190, 350, 95, 84},   {300, 330, 120, 110},
                                  {430, 320, 140, 130}, {570, 318, 140, 128}, {690, 340, 105, 100}};
    for (const auto& s : segments) {
        blobPath(cr, s[0], s[1], s[2], s[3], 0.06, static_cast<std::uint32_t>(s[0]), 16);
        shadeAndOutline(cr, kFleshDark, s[0] - s[2], s[1] - s[3], 2 * s[2], 2 * s[3], 2.5);
        // Wrinkles around the segment and pores in its hide.
        cairo_set_line_width(cr, 2.0);
        setColour(cr, darken(kFleshDark, 0.5), 0.6);
        for (int k = -1; k <= 1; k += 2) {
            cairo_new_path(cr);
            cairo_move_to(cr, s[0] + k * s[2] * 0.55, s[1] - s[3] * 0.8);
            cairo_curve_to(cr, s[0] + k * s[2] * 0.7, s[1] - s[3] * 0.2, s[0] + k * s[2] * 0.7,
                           s[1] + s[3] * 0.2, s[0] + k * s[2] * 0.55, s[1] + s[3] * 0.8);
            cairo_stroke(cr);
        }
    }
    ArtRandom rnd(2203);
    for (int i = 0; i < 10; ++i) {
        vein(cr, rnd, rnd.uniform(100, 720), rnd.uniform(230, 420), rnd.uniform(-80, 80),
             rnd.uniform(-50, 50), rnd.uniform(2, 4), kVein);
    }
    // The feeding tube that grew up into the sewer.
    cairo_new_path(cr);
    cairo_move_to(cr, 150, 300);
    cairo_curve_to(cr, 140, 260, 170, 240, 163, 214);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 24);
    cairo_stroke_preserve(cr);
    setColour(cr, kFlesh);
    cairo_set_line_width(cr, 19);
    cairo_stroke(cr);
}

// Its blunt head at the right: a lidded bile-green eye over a wide maw.
void StoryBeast::paintBeastHead(cairo_t* cr) {
    const double ex = 728, ey = 300;
    StoryBrush::glow(cr, ex, ey, 40, kBile, 0.5);
    cairo_save(cr);
    cairo_translate(cr, ex, ey);
    cairo_scale(cr, 22, 11);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    shadeAndOutline(cr, lighten(kBile, 0.2), ex - 22, ey - 11, 44, 22);
    StoryBrush::rect(cr, ex - 2, ey - 9, 4, 18);
    setColour(cr, kOutline);
    cairo_fill(cr);
    // The heavy lid.
    cairo_new_path(cr);
    cairo_move_to(cr, ex - 28, ey - 2);
    cairo_curve_to(cr, ex - 14, ey - 22, ex + 14, ey - 22, ex + 28, ey - 2);
    cairo_curve_to(cr, ex + 14, ey - 10, ex - 14, ey - 10, ex - 28, ey - 2);
    cairo_close_path(cr);
    shadeAndOutline(cr, kFleshDark, ex - 28, ey - 22, 56, 20);
    // The maw, ragged with teeth.
    cairo_new_path(cr);
    cairo_move_to(cr, 690, 372);
    cairo_curve_to(cr, 720, 392, 760, 396, 800, 380);
    cairo_line_to(cr, 800, 404);
    cairo_curve_to(cr, 760, 420, 720, 412, 690, 372);
    cairo_close_path(cr);
    shadeAndOutline(cr, kCavity, 690, 372, 110, 48);
    for (int i = 0; i < 6; ++i) {
        const double x = 704 + i * 16, y = 384 + (i < 3 ? i * 2.5 : 7 - (i - 3) * 1.5);
        cairo_new_path(cr);
        cairo_move_to(cr, x - 4, y - 2);
        cairo_line_to(cr, x, y + 9);
        cairo_line_to(cr, x + 4, y - 2);
        cairo_close_path(cr);
        shadeAndOutline(cr, Rgb{0.95, 0.90, 0.78}, x - 4, y - 2, 8, 11, 1.2);
    }
}

// The beast cut open: a warren of tunnels, and in the middle of it all the
// brain, glowing.
void StoryBeast::paintBeastInside(cairo_t* cr) {
    cairo_save(cr);
    blobPath(cr, 460, 320, 250, 105, 0.1, 2204, 16);
    cairo_path_t* cut = cairo_copy_path(cr);
    cairo_clip(cr);
    StoryBrush::rect(cr, 200, 200, 520, 240);
    StoryBrush::fillVertical(cr, 200, 440, kCavityLight, kCavity);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double tunnels[][8] = {{170, 300, 260, 250, 330, 360, 430, 300},
                                 {300, 380, 380, 420, 450, 350, 520, 330},
                                 {340, 250, 420, 230, 470, 280, 560, 300}};
    for (const auto& t : tunnels) {
        cairo_new_path(cr);
        cairo_move_to(cr, t[0], t[1]);
        cairo_curve_to(cr, t[2], t[3], t[4], t[5], t[6], t[7]);
        setColour(cr, darken(kCavity, 0.5));
        cairo_set_line_width(cr, 30);
        cairo_stroke_preserve(cr);
        setColour(cr, kFleshDark);
        cairo_set_line_width(cr, 24);
        cairo_stroke_preserve(cr);
        setColour(cr, mix(kFleshDark, kGlowPink, 0.35));
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
    }
    const StoryBrain brain(585, 292, 130);
    brain.drawStalk(cr, 600, 410);
    brain.drawBrain(cr);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, cut);
    cairo_path_destroy(cut);
    // The cut through the hide, raw and lighter.
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 14.0);
    cairo_stroke_preserve(cr);
    setColour(cr, lighten(kFlesh, 0.15));
    cairo_set_line_width(cr, 10.0);
    cairo_stroke_preserve(cr);
    setColour(cr, kFleshDark);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    const StoryCraft craft(210, 300, 34, 0.3, kPlayer1);
    craft.drawWake(cr, 40, 0.8);
    craft.draw(cr);
}

// ---------------------------------------------------------------- 2_3

void StoryBeast::paintChamber(cairo_t* cr) {
    paintChamberWalls(cr, kCavity, 0.0);
    paintSpores(cr, 2301, 26);
    const StoryBrain brain(470, 200, 300);
    brain.drawStalk(cr, 480, 500);
    brain.drawBrain(cr);
    paintBilePool(cr);
    const StoryCraft craft(120, 340, 110, 0.0, kPlayer1);
    craft.drawFlame(cr, 24);
    craft.draw(cr);
    StoryBrush::vignette(cr, 0.55);
}

void StoryBeast::paintChamberWalls(cairo_t* cr, Rgb tint, double tintAlpha) {
    StoryBrush::rect(cr, 0, 0, 800, 600);
    cairo_pattern_t* p = cairo_pattern_create_radial(470, 230, 40, 470, 260, 560);
    StoryBrush::addStop(p, 0, kCavityLight);
    StoryBrush::addStop(p, 1, darken(kCavity, 0.5));
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Ribs of the chamber, arching over the brain.
    for (int i = 0; i < 6; ++i) {
        const double r = 220 + i * 70;
        cairo_new_path(cr);
        cairo_arc(cr, 470, 330, r, M_PI * 1.05, M_PI * 1.95);
        setColour(cr, kFlesh, 0.22 - i * 0.025);
        cairo_set_line_width(cr, 22 - i * 2);
        cairo_stroke(cr);
    }
    ArtRandom rnd(2302);
    for (int i = 0; i < 16; ++i) {
        const bool left = i % 2 == 0;
        vein(cr, rnd, left ? rnd.uniform(0, 60) : rnd.uniform(740, 800), rnd.uniform(0, 480),
             left ? rnd.uniform(100, 240) : -rnd.uniform(100, 240), rnd.uniform(-60, 60),
             rnd.uniform(2, 5), kVein);
    }
    // Fleshy walls pressing in at both sides.
    blobPath(cr, -20, 300, 110, 340, 0.12, 2303, 18);
    shadeAndOutline(cr, kFleshDark, -130, -40, 240, 680);
    blobPath(cr, 830, 280, 120, 360, 0.12, 2304, 18);
    shadeAndOutline(cr, kFleshDark, 710, -80, 240, 720);
    if (tintAlpha > 0) {
        StoryBrush::haze(cr, tint, tintAlpha);
    }
}

void StoryBeast::paintBilePool(cairo_t* cr) {
    const double top = 490;
    cairo_new_path(cr);
    cairo_move_to(cr, 0, top);
    for (int x = 0; x <= 800; x += 20) {
        cairo_line_to(cr, x, top + 3 * std::sin(x * 0.03));
    }
    cairo_line_to(cr, 800, 600);
    cairo_line_to(cr, 0, 600);
    cairo_close_path(cr);
    StoryBrush::fillVertical(cr, top, 600, mix(kBile, kCavity, 0.5), darken(kBile, 0.85));
    StoryBrush::rect(cr, 0, top, 800, 6);
    StoryBrush::fillFade(cr, top, top + 6, lighten(kBile, 0.6), 0.8, 0.0);
    ArtRandom rnd(2304);
    for (int i = 0; i < 10; ++i) {
        const double x = rnd.uniform(20, 780), y = top + rnd.uniform(15, 90), r = rnd.uniform(3, 7);
        StoryBrush::circle(cr, x, y, r);
        setColour(cr, lighten(kBile, 0.4), 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
}

// Spores drifting in the chamber's air, far ones dim.
void StoryBeast::paintSpores(cairo_t* cr, std::uint32_t seed, int count) {
    ArtRandom rnd(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rnd.uniform(60, 740), y = rnd.uniform(30, 470);
        const double r = rnd.uniform(2, 6);
        StoryBrush::glow(cr, x, y, r * 4, kBile, 0.25);
        StoryBrush::circle(cr, x, y, r);
        setColour(cr, lighten(kBile, 0.3), 0.7);
        cairo_fill(cr);
    }
}
