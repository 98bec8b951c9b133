#include "assetgen/art/StoryLaunch.h"

#include <cmath>

#include "assetgen/Lettering.h"
#include "assetgen/art/StoryBrush.h"
#include "assetgen/art/StoryCraft.h"
#include "assetgen/art/StoryWorld.h"
#include "assetgen/art/Wordmark.h"

namespace {

constexpr Rgb kSpaceTop{0.01, 0.01, 0.06};
constexpr Rgb kSpaceMiddle{0.04, 0.03, 0.13};
constexpr Rgb kSpaceBottom{0.09, 0.03, 0.16};
constexpr Rgb kViolet{0.45, 0.20, 0.62};
constexpr Rgb kNavy{0.12, 0.22, 0.55};
constexpr Rgb kRock{0.46, 0.41, 0.40};
constexpr Rgb kRoute{0.55, 0.95, 1.00};
constexpr Rgb kSignal{0.45, 1.00, 0.85};

}  // namespace

void StoryLaunch::paintSpace(cairo_t* cr, std::uint32_t seed) {
    StoryBrush::sky(cr, kSpaceTop, kSpaceMiddle, kSpaceBottom);
    ArtRandom rnd(seed);
    StoryBrush::stars(cr, rnd, 260, 0, 0, 800, 600, 0.55);
    StoryBrush::nebula(cr, rnd, 220, 180, 260, 140, kViolet, 0.22, 16);
    StoryBrush::nebula(cr, rnd, 620, 420, 240, 120, kNavy, 0.25, 14);
    StoryBrush::stars(cr, rnd, 90, 0, 0, 800, 600, 1.0);
}

// A wheel station: a ring seen at a slant, spokes and a lit hub.
void StoryLaunch::paintStation(cairo_t* cr, double cx, double cy, double size) {
    const Rgb hull{0.62, 0.66, 0.74};
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size, size * 0.38);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, size * 0.78, size * 0.26);
    cairo_arc_negative(cr, 0, 0, 1, 2 * M_PI, 0);
    cairo_restore(cr);
    shadeAndOutline(cr, hull, cx - size, cy - size * 0.4, 2 * size, size * 0.8, 1.5);
    cairo_set_line_width(cr, 2.0);
    setColour(cr, darken(hull, 0.3));
    for (int i = 0; i < 4; ++i) {
        const double a = M_PI / 4 + i * M_PI / 2;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + std::cos(a) * size * 0.8, cy + std::sin(a) * size * 0.28);
    }
    cairo_stroke(cr);
    StoryBrush::circle(cr, cx, cy, size * 0.2);
    shadeAndOutline(cr, hull, cx - size * 0.2, cy - size * 0.2, size * 0.4, size * 0.4, 1.5);
    StoryBrush::glow(cr, cx, cy, size * 0.5, kRoute, 0.5);
    for (int i = 0; i < 10; ++i) {
        const double a = i * M_PI / 5;
        StoryBrush::circle(cr, cx + std::cos(a) * size * 0.89, cy + std::sin(a) * size * 0.32, 1.3);
        setColour(cr, Rgb{1.0, 0.9, 0.6});
        cairo_fill(cr);
    }
}

void StoryLaunch::paintAsteroid(cairo_t* cr, double cx, double cy, double r, std::uint32_t seed,
                                bool near) {
    blobPath(cr, cx, cy, r * 1.1, r * 0.9, 0.3, seed, 12);
    if (near) {
        shadeAndOutline(cr, kRock, cx - r, cy - r, 2 * r, 2 * r);
    } else {
        shadeOnly(cr, darken(kRock, 0.3), cx - r, cy - r, 2 * r, 2 * r);
    }
    ArtRandom rnd(seed + 7);
    for (int i = 0; i < 3 && r > 9; ++i) {
        const double a = rnd.uniform(0, 2 * M_PI), d = rnd.uniform(0.1, 0.5) * r;
        const double cr2 = r * rnd.uniform(0.12, 0.22);
        StoryBrush::circle(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, cr2);
        setColour(cr, darken(kRock, 0.5), 0.6);
        cairo_fill(cr);
    }
}

// ---------------------------------------------------------------- 1_3

void StoryLaunch::paintRoute(cairo_t* cr) {
    paintSpace(cr, 1301);
    const StoryWorld world(560, 1160, 900);
    world.begin(cr);
    world.land(cr, 830, 362, 170, 110, 1304);
    world.land(cr, 150, 420, 130, 60, 1305);
    world.clouds(cr, 24, 1306);
    world.end(cr);
    StoryBrush::pushLayer(cr);
    ArtRandom rnd(1303);
    for (int i = 0; i < 26; ++i) {
        const double x = rnd.uniform(210, 480), y = 150 + (x - 210) * 0.15 + rnd.uniform(-38, 38);
        paintAsteroid(cr, x, y, rnd.uniform(3, 11), 1310 + i, true);
    }
    StoryBrush::popLayer(cr, kSpaceMiddle, 0.2);
    paintStation(cr, 105, 105, 46);
    paintRouteLine(cr);
    // The city on the coast, where the call comes from.
    const double cityX = 686, cityY = 318;
    StoryBrush::glow(cr, cityX, cityY, 40, Rgb{1.0, 0.85, 0.5}, 0.6);
    for (int i = 1; i <= 3; ++i) {
        StoryBrush::circle(cr, cityX, cityY, 10.0 * i + 6);
        setColour(cr, kSignal, 0.8 - i * 0.2);
        cairo_set_line_width(cr, 2.0);
        cairo_stroke(cr);
    }
    paintMarker(cr, 340, 178, "1");
    paintMarker(cr, 520, 292, "2");
    paintMarker(cr, cityX, cityY, "3");
    const StoryCraft craft(176, 132, 52, 0.12, kPlayer1);
    craft.drawWake(cr, 50, 0.8);
    craft.draw(cr);
    StoryBrush::captionShade(cr, kSpaceTop, 440, 0.65);
}

void StoryLaunch::paintRouteLine(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 200, 138);
    cairo_curve_to(cr, 300, 160, 380, 170, 440, 215);
    cairo_curve_to(cr, 480, 245, 490, 280, 540, 296);
    cairo_curve_to(cr, 600, 314, 640, 322, 672, 320);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    setColour(cr, kRoute, 0.25);
    cairo_set_line_width(cr, 9.0);
    cairo_stroke_preserve(cr);
    const double dash[] = {10.0, 8.0};
    cairo_set_dash(cr, dash, 2, 0);
    setColour(cr, lighten(kRoute, 0.5), 0.95);
    cairo_set_line_width(cr, 3.0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void StoryLaunch::paintMarker(cairo_t* cr, double x, double y, const char* number) {
    StoryBrush::circle(cr, x, y, 13);
    shadeAndOutline(cr, Rgb{0.10, 0.30, 0.45}, x - 13, y - 13, 26, 26);
    StoryBrush::circle(cr, x, y, 10.5);
    setColour(cr, kRoute);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle style;
    style.sizePx = 20;
    style.outlineWidth = 2;
    drawTextCentred(cr, number, x + 0.5, y, style);
}

// ---------------------------------------------------------------- logo

void StoryLaunch::paintTitle(cairo_t* cr) {
    paintSpace(cr, 1401);
    ArtRandom rnd(1402);
    StoryBrush::nebula(cr, rnd, 400, 220, 300, 110, Rgb{0.55, 0.25, 0.75}, 0.25, 18);
    StoryBrush::glow(cr, 400, 215, 320, Rgb{0.55, 0.85, 1.0}, 0.35);
    StoryBrush::planet(cr, 400, 1420, 960, Rgb{0.30, 0.22, 0.55}, Rgb{0.06, 0.03, 0.14},
                       Rgb{0.50, 0.70, 1.00});
    const StoryCraft second(360, 432, 110, -0.10, kPlayer2);
    second.drawWake(cr, 330, 0.8);
    second.drawFlame(cr, 30);
    second.draw(cr);
    const StoryCraft first(540, 392, 140, -0.12, kPlayer1);
    first.drawWake(cr, 480, 0.9);
    first.drawFlame(cr, 40);
    first.draw(cr);
    paintTitleLetters(cr);
    StoryBrush::vignette(cr, 0.5);
}

// The menu's wordmark, larger.
void StoryLaunch::paintTitleLetters(cairo_t* cr) {
    const Wordmark wordmark(190);
    const TextSize size = wordmark.size();
    wordmark.draw(cr, std::floor(400 - size.width / 2), std::floor(215 - size.height / 2));
}

// ---------------------------------------------------------------- 1_4

void StoryLaunch::paintLaunch(cairo_t* cr) {
    paintSpace(cr, 1501);
    StoryBrush::planet(cr, 150, 120, 70, Rgb{0.62, 0.36, 0.70}, Rgb{0.14, 0.05, 0.22},
                       Rgb{0.80, 0.55, 1.00});
    StoryBrush::pushLayer(cr);
    paintStation(cr, 70, 330, 40);
    StoryBrush::popLayer(cr, kSpaceMiddle, 0.45);
    paintAsteroidField(cr);
    ArtRandom rnd(1502);
    StoryBrush::speedLines(cr, rnd, 330, 300, 70, 260, 16, kWhite, 0.35);
    const StoryCraft craft(330, 300, 200, -0.05, kPlayer1);
    craft.drawWake(cr, 260, 0.9);
    craft.drawFlame(cr, 80);
    craft.draw(cr);
}

// Far rocks small and sunk in the dark, near ones big and outlined.
void StoryLaunch::paintAsteroidField(cairo_t* cr) {
    ArtRandom rnd(1503);
    StoryBrush::pushLayer(cr);
    for (int i = 0; i < 30; ++i) {
        paintAsteroid(cr, rnd.uniform(440, 800), rnd.uniform(40, 480), rnd.uniform(4, 12), 1510 + i,
                      false);
    }
    StoryBrush::popLayer(cr, kSpaceMiddle, 0.5);
    const double nearRocks[][3] = {{560, 150, 42}, {700, 330, 58}, {610, 470, 30},
                                   {760, 110, 26}, {500, 400, 18}, {470, 220, 14}};
    for (int i = 0; i < 6; ++i) {
        paintAsteroid(cr, nearRocks[i][0], nearRocks[i][1], nearRocks[i][2], 1550 + i, true);
    }
}
