#include "assetgen/art/StoryOpening.h"

#include <cmath>

#include "assetgen/art/StoryBrush.h"
#include "assetgen/art/StoryCity.h"
#include "assetgen/art/StoryCraft.h"
#include "assetgen/art/StoryWorld.h"

namespace {

constexpr double kStreetY = 290;
constexpr double kSewerTop = 332;
constexpr double kSewerBottom = 392;

constexpr Rgb kNightTop{0.02, 0.03, 0.09};
constexpr Rgb kNightHorizon{0.14, 0.10, 0.28};
constexpr Rgb kRockTop{0.21, 0.17, 0.15};
constexpr Rgb kRockDeep{0.05, 0.03, 0.06};
constexpr Rgb kBrick{0.36, 0.32, 0.28};
constexpr Rgb kSludge{0.38, 0.46, 0.14};
constexpr Rgb kFleshGlow{0.85, 0.30, 0.55};
constexpr Rgb kFlesh{0.55, 0.22, 0.38};
constexpr Rgb kSignal{0.45, 1.00, 0.85};

constexpr Rgb kSteel{0.15, 0.17, 0.23};
constexpr Rgb kSteelDark{0.07, 0.08, 0.12};
constexpr Rgb kHazard{0.95, 0.72, 0.15};

void wavyLine(cairo_t* cr, double y, double amplitude, double waves, double phase) {
    cairo_move_to(cr, 0, y);
    for (int x = 0; x <= 800; x += 10) {
        cairo_line_to(cr, x, y + amplitude * std::sin(x * waves * 2 * M_PI / 800 + phase));
    }
}

}  // namespace

void StoryOpening::paintCallFromBelow(cairo_t* cr) {
    paintNightCity(cr);
    paintUnderground(cr);
    paintLair(cr);
    paintSewer(cr);
    paintSignal(cr);
    StoryBrush::captionShade(cr, kRockDeep, 450, 0.6);
    StoryBrush::vignette(cr, 0.45);
}

void StoryOpening::paintNightCity(cairo_t* cr) {
    StoryBrush::rect(cr, 0, 0, 800, kStreetY);
    StoryBrush::fillVertical(cr, 0, kStreetY, kNightTop, kNightHorizon);
    ArtRandom rnd(1101);
    StoryBrush::stars(cr, rnd, 140, 0, 0, 800, 200, 0.9);
    StoryBrush::glow(cr, 118, 78, 90, Rgb{0.60, 0.65, 0.90}, 0.35);
    StoryBrush::planet(cr, 118, 78, 30, Rgb{0.93, 0.94, 0.98}, Rgb{0.55, 0.58, 0.72},
                       Rgb{0.70, 0.75, 0.95});
    StoryBrush::pushLayer(cr);
    StoryCity::skyline(
        cr, rnd, {kStreetY, 90, 180, 30, 60, Rgb{0.13, 0.13, 0.26}, Rgb{0.60, 0.66, 0.90}, 0.07}, 0,
        800);
    StoryBrush::popLayer(cr, kNightHorizon, 0.45);
    StoryCity::skyline(
        cr, rnd, {kStreetY, 36, 120, 24, 50, Rgb{0.06, 0.06, 0.12}, Rgb{1.00, 0.80, 0.42}, 0.22}, 0,
        800);
}

void StoryOpening::paintUnderground(cairo_t* cr) {
    StoryBrush::rect(cr, 0, kStreetY, 800, 600 - kStreetY);
    StoryBrush::fillVertical(cr, kStreetY, 600, kRockTop, kRockDeep);
    // Layers of earth, each a little darker than the one above.
    const double bands[] = {312, 410, 470, 540};
    for (int i = 0; i < 4; ++i) {
        cairo_new_path(cr);
        wavyLine(cr, bands[i], 6, 2 + i, i * 1.7);
        cairo_line_to(cr, 800, 600);
        cairo_line_to(cr, 0, 600);
        cairo_close_path(cr);
        setColour(cr, kRockDeep, 0.16);
        cairo_fill(cr);
    }
    // The street: asphalt with a kerb catching the light.
    StoryBrush::rect(cr, 0, kStreetY - 2, 800, 12);
    setColour(cr, Rgb{0.10, 0.10, 0.13});
    cairo_fill(cr);
    StoryBrush::rect(cr, 0, kStreetY - 2, 800, 2);
    setColour(cr, Rgb{0.35, 0.35, 0.45});
    cairo_fill(cr);
    // Old pipes cut across, seen end on.
    ArtRandom rnd(1102);
    for (int i = 0; i < 7; ++i) {
        const double x = 40 + i * 115 + rnd.uniform(-20, 20);
        const double y = i % 2 ? 318 : 412 + rnd.uniform(0, 14);
        const double r = rnd.uniform(7, 13);
        StoryBrush::circle(cr, x, y, r);
        shadeOnly(cr, Rgb{0.30, 0.28, 0.27}, x - r, y - r, 2 * r, 2 * r);
        StoryBrush::circle(cr, x + 1, y + 1, r * 0.55);
        setColour(cr, Rgb{0.04, 0.04, 0.05});
        cairo_fill(cr);
    }
}

// The long sewer, cut open along its length, with two shafts up to the
// street.
void StoryOpening::paintSewer(cairo_t* cr) {
    const double shafts[] = {170, 640};
    for (double x : shafts) {
        StoryBrush::rect(cr, x - 16, kStreetY + 6, 32, kSewerTop - kStreetY);
        setColour(cr, kBrick);
        cairo_fill(cr);
        StoryBrush::rect(cr, x - 11, kStreetY + 6, 22, kSewerTop - kStreetY);
        setColour(cr, Rgb{0.06, 0.06, 0.06});
        cairo_fill(cr);
        for (double y = kStreetY + 14; y < kSewerTop; y += 9) {
            StoryBrush::rect(cr, x - 7, y, 14, 2);
            setColour(cr, Rgb{0.42, 0.40, 0.38});
            cairo_fill(cr);
        }
    }
    paintSewerBricks(cr);
    // The sludge along the bottom, glowing a sickly green, with ripples.
    const double sludgeTop = kSewerBottom - 24;
    StoryBrush::rect(cr, 0, sludgeTop, 800, 14);
    StoryBrush::fillVertical(cr, sludgeTop, sludgeTop + 14, lighten(kSludge, 0.15),
                             darken(kSludge, 0.45));
    StoryBrush::rect(cr, 0, kSewerTop + 10, 800, sludgeTop - kSewerTop - 10);
    StoryBrush::fillFade(cr, kSewerTop + 10, sludgeTop, kSludge, 0.0, 0.35);
    cairo_new_path(cr);
    ArtRandom rnd(1105);
    for (int i = 0; i < 26; ++i) {
        const double x = rnd.uniform(0, 780), y = sludgeTop + rnd.uniform(3, 11);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + rnd.uniform(8, 22), y);
    }
    setColour(cr, lighten(kSludge, 0.5), 0.5);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

// The sewer's lining: a thick course of brick above and below, and the
// back wall's brickwork in the dark between them.
void StoryOpening::paintSewerBricks(cairo_t* cr) {
    StoryBrush::rect(cr, 0, kSewerTop, 800, kSewerBottom - kSewerTop);
    setColour(cr, Rgb{0.07, 0.07, 0.06});
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.0);
    setColour(cr, kBrick, 0.18);
    for (double y = kSewerTop + 18; y < kSewerBottom - 10; y += 8) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, 800, y + 0.5);
        const double shift = static_cast<int>(y) % 16 < 8 ? 0 : 9;
        for (double x = shift; x < 800; x += 18) {
            cairo_move_to(cr, x + 0.5, y);
            cairo_line_to(cr, x + 0.5, y + 8);
        }
    }
    cairo_stroke(cr);
    const double courses[] = {kSewerTop, kSewerBottom - 10};
    for (double y : courses) {
        StoryBrush::rect(cr, 0, y, 800, 10);
        StoryBrush::fillVertical(cr, y, y + 10, lighten(kBrick, 0.1), darken(kBrick, 0.35));
        cairo_set_line_width(cr, 1.0);
        setColour(cr, darken(kBrick, 0.6), 0.9);
        for (double x = y == kSewerTop ? 0 : 11; x < 800; x += 22) {
            cairo_move_to(cr, x + 0.5, y);
            cairo_line_to(cr, x + 0.5, y + 10);
        }
        cairo_move_to(cr, 0, y + 5.5);
        cairo_line_to(cr, 800, y + 5.5);
        cairo_stroke(cr);
    }
}

// Something alive in a hollow under the sewer: a glow, and roots of flesh
// reaching up through the rock.
void StoryOpening::paintLair(cairo_t* cr) {
    blobPath(cr, 470, 478, 260, 78, 0.25, 1103, 16);
    setColour(cr, Rgb{0.03, 0.01, 0.04});
    cairo_fill(cr);
    StoryBrush::glow(cr, 470, 440, 240, kFleshGlow, 0.30);
    // The sleeper's bulk: swollen lobes lit from above by its own glow.
    const double lobes[][3] = {{350, 492, 66}, {592, 490, 70}, {470, 480, 88}};
    for (int i = 0; i < 3; ++i) {
        const double x = lobes[i][0], y = lobes[i][1], r = lobes[i][2];
        blobPath(cr, x, y, r * 1.3, r * 0.55, 0.12, 1110 + i, 14);
        shadeOnly(cr, darken(kFlesh, 0.45), x - r * 1.3, y - r * 0.55, r * 2.6, r * 1.1);
        // Folds in the hide.
        cairo_set_line_width(cr, 2.0);
        setColour(cr, darken(kFlesh, 0.75), 0.8);
        for (int f = -1; f <= 1; ++f) {
            cairo_new_path(cr);
            cairo_arc(cr, x + f * r * 0.5, y + r * 0.5, r * 0.5, -M_PI * 0.85, -M_PI * 0.15);
            cairo_stroke(cr);
        }
    }
    ArtRandom rnd(1104);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 9; ++i) {
        const double x = 270 + i * 50 + rnd.uniform(-15, 15);
        const double top = kSewerBottom - rnd.uniform(-4, 10);
        cairo_new_path(cr);
        cairo_move_to(cr, x + rnd.uniform(-30, 30), 455);
        cairo_curve_to(cr, x + rnd.uniform(-40, 40), 440, x + rnd.uniform(-30, 30), 410, x, top);
        const double width = rnd.uniform(5, 11);
        setColour(cr, darken(kFlesh, 0.4));
        cairo_set_line_width(cr, width + 3);
        cairo_stroke_preserve(cr);
        setColour(cr, kFlesh);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
    // Two eyes, half open, watching from the dark.
    for (int i = 0; i < 2; ++i) {
        const double x = 436 + i * 68, y = 462;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, 17, 5);
        StoryBrush::circle(cr, 0, 0, 1);
        cairo_restore(cr);
        setColour(cr, Rgb{0.80, 0.95, 0.30});
        cairo_fill(cr);
        StoryBrush::glow(cr, x, y, 34, Rgb{0.70, 0.95, 0.30}, 0.35);
        StoryBrush::rect(cr, x - 1.5, y - 4, 3, 8);
        setColour(cr, Rgb{0.05, 0.02, 0.04});
        cairo_fill(cr);
    }
}

// The call: rings of light rising from a beacon in the sewer, through the
// rock and into the sleeping city.
void StoryOpening::paintSignal(cairo_t* cr) {
    const double bx = 420, by = kSewerBottom - 18;
    StoryBrush::glow(cr, bx, by, 40, kSignal, 0.8);
    StoryBrush::circle(cr, bx, by, 4);
    setColour(cr, kWhite);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 1; i <= 7; ++i) {
        const double r = 26.0 * i;
        const double alpha = 0.85 - i * 0.1;
        cairo_new_path(cr);
        cairo_arc(cr, bx, by, r, -M_PI * 0.80, -M_PI * 0.20);
        setColour(cr, kSignal, alpha * 0.35);
        cairo_set_line_width(cr, 7.0);
        cairo_stroke_preserve(cr);
        setColour(cr, lighten(kSignal, 0.4), alpha);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    }
}

void StoryOpening::paintHangar(cairo_t* cr) {
    paintHangarWall(cr);
    paintBayWindow(cr);
    StoryBrush::pushLayer(cr);
    const StoryCraft parked(150, 330, 150, 0.0, kPlayer2);
    parked.draw(cr);
    StoryBrush::popLayer(cr, kSteelDark, 0.45);
    paintHangarFloor(cr);
    paintLaunchCradle(cr);
    const StoryCraft craft(360, 352, 330, -0.02, kPlayer1);
    craft.draw(cr);
    paintPilot(cr, 640, 470);
    StoryBrush::captionShade(cr, kSteelDark, 470, 0.6);
    StoryBrush::vignette(cr, 0.4);
}

void StoryOpening::paintHangarWall(cairo_t* cr) {
    StoryBrush::sky(cr, kSteel, darken(kSteel, 0.2), kSteelDark, 0.6);
    // Panels with seams that catch the light on their left edges.
    for (int x = 0; x < 800; x += 64) {
        StoryBrush::rect(cr, x, 60, 1.5, 360);
        setColour(cr, lighten(kSteel, 0.15), 0.6);
        cairo_fill(cr);
        StoryBrush::rect(cr, x + 1.5, 60, 1.5, 360);
        setColour(cr, kSteelDark, 0.8);
        cairo_fill(cr);
    }
    // The roof truss.
    StoryBrush::rect(cr, 0, 0, 800, 56);
    StoryBrush::fillVertical(cr, 0, 56, kSteelDark, darken(kSteel, 0.1));
    cairo_set_line_width(cr, 4.0);
    setColour(cr, Rgb{0.05, 0.05, 0.08});
    for (int x = 0; x < 800; x += 80) {
        cairo_move_to(cr, x, 8);
        cairo_line_to(cr, x + 40, 50);
        cairo_line_to(cr, x + 80, 8);
    }
    cairo_move_to(cr, 0, 8);
    cairo_line_to(cr, 800, 8);
    cairo_move_to(cr, 0, 50);
    cairo_line_to(cr, 800, 50);
    cairo_stroke(cr);
    // Lamps under the roof; their light falls from the upper left.
    for (int i = 0; i < 4; ++i) {
        const double x = 90 + i * 190;
        StoryBrush::rect(cr, x - 18, 50, 36, 6);
        setColour(cr, Rgb{1.0, 0.97, 0.85});
        cairo_fill(cr);
        StoryBrush::glow(cr, x, 56, 70, Rgb{1.0, 0.95, 0.80}, 0.35);
    }
}

// A wide port on the right, out onto space and the world below.
void StoryOpening::paintBayWindow(cairo_t* cr) {
    const double x = 470, y = 86, w = 300, h = 250;
    cairo_save(cr);
    StoryBrush::rect(cr, x, y, w, h);
    cairo_clip(cr);
    StoryBrush::sky(cr, Rgb{0.01, 0.01, 0.05}, Rgb{0.04, 0.03, 0.12}, Rgb{0.08, 0.03, 0.14});
    ArtRandom rnd(1201);
    StoryBrush::nebula(cr, rnd, 560, 150, 120, 60, Rgb{0.40, 0.18, 0.58}, 0.25, 10);
    StoryBrush::stars(cr, rnd, 70, x, y, w, h, 0.9);
    StoryWorld(700, 330, 150).paint(cr, 1202);
    cairo_restore(cr);
    // The frame, thick steel with bolts.
    cairo_new_path(cr);
    cairo_rectangle(cr, x - 14, y - 14, w + 28, h + 28);
    cairo_rectangle(cr, x + w, y, -w, h);
    shadeOnly(cr, Rgb{0.30, 0.33, 0.40}, x - 14, y - 14, w + 28, h + 28);
    for (int i = 0; i <= 6; ++i) {
        const double bx = x - 7 + i * (w + 14) / 6;
        StoryBrush::circle(cr, bx, y - 7, 2.2);
        StoryBrush::circle(cr, bx, y + h + 7, 2.2);
    }
    setColour(cr, Rgb{0.12, 0.13, 0.17});
    cairo_fill(cr);
    // Glare on the glass from the hangar's lamps.
    cairo_new_path(cr);
    cairo_move_to(cr, x + 20, y);
    cairo_line_to(cr, x + 70, y);
    cairo_line_to(cr, x + 10, y + 120);
    cairo_line_to(cr, x, y + 120);
    cairo_line_to(cr, x, y + 40);
    cairo_close_path(cr);
    setColour(cr, kWhite, 0.07);
    cairo_fill(cr);
}

void StoryOpening::paintHangarFloor(cairo_t* cr) {
    const double top = 420;
    StoryBrush::rect(cr, 0, top, 800, 600 - top);
    StoryBrush::fillVertical(cr, top, 600, Rgb{0.20, 0.21, 0.27}, Rgb{0.06, 0.06, 0.09});
    // Plates running towards the far wall.
    cairo_set_line_width(cr, 1.2);
    setColour(cr, kSteelDark, 0.7);
    for (int i = -6; i <= 14; ++i) {
        cairo_move_to(cr, 400 + i * 40, top);
        cairo_line_to(cr, 400 + i * 150, 600);
    }
    for (double y = top + 12, step = 12; y < 600; step *= 1.45, y += step) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, 800, y);
    }
    cairo_stroke(cr);
    // Hazard stripes along the foot of the wall.
    StoryBrush::rect(cr, 0, top, 800, 8);
    setColour(cr, kHazard);
    cairo_fill(cr);
    for (int x = -10; x < 800; x += 24) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, top + 8);
        cairo_line_to(cr, x + 12, top + 8);
        cairo_line_to(cr, x + 20, top);
        cairo_line_to(cr, x + 8, top);
        cairo_close_path(cr);
        setColour(cr, Rgb{0.08, 0.07, 0.06});
        cairo_fill(cr);
    }
}

// The pad under the craft, its guide lights lit for launch.
void StoryOpening::paintLaunchCradle(cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 365, 452);
    cairo_scale(cr, 210, 26);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    shadeOnly(cr, Rgb{0.26, 0.29, 0.36}, 155, 426, 420, 52);
    StoryBrush::glow(cr, 365, 445, 170, kPlayer1, 0.3);
    for (int i = 0; i < 9; ++i) {
        const double a = M_PI * (0.1 + 0.8 * i / 8.0);
        const double lx = 365 - std::cos(a) * 190, ly = 452 + std::sin(a) * 20;
        StoryBrush::circle(cr, lx, ly, 3);
        setColour(cr, lighten(kPlayer1, 0.5));
        cairo_fill(cr);
    }
    // Two clamps holding the keel.
    const double clamps[] = {300, 430};
    for (double x : clamps) {
        StoryBrush::rect(cr, x - 8, 380, 16, 60);
        shadeOnly(cr, Rgb{0.36, 0.39, 0.46}, x - 8, 380, 16, 60);
    }
}

namespace {

void limb(cairo_t* cr, double x0, double y0, double x1, double y1, double width, Rgb c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, width + 2 * kOutlineWidth);
    cairo_stroke_preserve(cr);
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

}  // namespace

// The pilot striding towards the craft, helmet on, in a white suit with
// the craft's cyan.
void StoryOpening::paintPilot(cairo_t* cr, double x, double feetY) {
    const Rgb suit{0.86, 0.89, 0.94};
    const Rgb shade = darken(suit, 0.35);
    cairo_save(cr);
    cairo_translate(cr, x, feetY);
    cairo_move_to(cr, -26, 0);  // a shadow on the floor
    cairo_save(cr);
    cairo_scale(cr, 30, 5);
    StoryBrush::circle(cr, 0, 0, 1);
    cairo_restore(cr);
    setColour(cr, Rgb{0, 0, 0}, 0.35);
    cairo_fill(cr);
    limb(cr, 3, -42, 14, -4, 9, shade);   // the far leg, stepping back
    limb(cr, 4, -58, 16, -36, 7, shade);  // the far arm
    limb(cr, -3, -42, -14, -4, 9, suit);  // the near leg, stepping forward
    limb(cr, -14, -4, -21, -3, 8, Rgb{0.20, 0.22, 0.28});
    limb(cr, 14, -4, 8, -3, 8, Rgb{0.14, 0.15, 0.20});
    // The body.
    cairo_new_path(cr);
    cairo_move_to(cr, -10, -72);
    cairo_curve_to(cr, -12, -60, -10, -48, -8, -38);
    cairo_line_to(cr, 9, -38);
    cairo_curve_to(cr, 11, -50, 12, -62, 9, -72);
    cairo_close_path(cr);
    shadeAndOutline(cr, suit, -12, -74, 24, 38);
    StoryBrush::rect(cr, -9, -60, 19, 4);
    setColour(cr, kPlayer1);
    cairo_fill(cr);
    limb(cr, -4, -66, -14, -46, 7, suit);  // the near arm
    // The helmet with its visor facing the craft.
    StoryBrush::circle(cr, -1, -83, 12);
    shadeAndOutline(cr, kWhite, -13, -95, 24, 24);
    cairo_new_path(cr);
    cairo_arc(cr, -3, -83, 8, M_PI * 0.55, M_PI * 1.45);
    cairo_close_path(cr);
    shadeAndOutline(cr, Rgb{0.10, 0.45, 0.60}, -11, -91, 10, 16, 1.5);
    cairo_restore(cr);
}
