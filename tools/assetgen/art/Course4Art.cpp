// Course 4: the living tunnels of a creature. A ribbed, veined gullet of
// pinks and purples scrolls between two fleshy bands; cells, polyps and bile
// spores come at the crafts. At the end a fleshy chamber holds the brain on
// its stalk (Course4Chamber, Course4Boss).
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
#include "assetgen/art/Course4Boss.h"
#include "assetgen/art/Course4Chamber.h"
#include "assetgen/art/Course4Flesh.h"
#include "assetgen/art/Course4Palette.h"

namespace {

// The bands are 800 wide: the approach lasts until the second bottom tile
// has crossed the screen once.
constexpr int kBandWidth = 800;
constexpr int kBandHeight = 52;
constexpr int kBackgroundWidth = 800;

// ---------------------------------------------------------------- the tunnel

void paintRibs(cairo_t* cr) {
    for (int i = 0; i < kBackgroundWidth / 160; ++i) {
        const double x = 80 + 160 * i;
        cairo_new_path(cr);
        cairo_move_to(cr, x - 30, 0);
        cairo_curve_to(cr, x + 40, 200, x + 40, 400, x - 30, 600);
        cairo_line_to(cr, x - 6, 600);
        cairo_curve_to(cr, x + 64, 400, x + 64, 200, x - 6, 0);
        cairo_close_path(cr);
        setColour(cr, kC4CavityLight, 0.55);
        cairo_fill(cr);
    }
}

// Everything that crosses one end of the tile comes back in at the other.
void makeBackground(AssetWriter& out) {
    Canvas canvas(kBackgroundWidth, 600);
    cairo_t* cr = canvas.cr();
    rect(cr, 0, 0, kBackgroundWidth, 600);
    Gradient::linear(0, 0, 0, 600)
        .stop(0, darken(kC4Cavity, 0.4))
        .stop(0.5, kC4CavityLight)
        .stop(1, darken(kC4Cavity, 0.5))
        .fill(cr);
    wrapped(cr, kBackgroundWidth, [&] { paintRibs(cr); });
    ArtRandom rnd(4038);
    for (int i = 0; i < 14; ++i) {
        const double x = rnd.uniform(0, kBackgroundWidth), y = rnd.uniform(60, 540);
        const double width = rnd.uniform(1.5, 3.5);
        wrapped(cr, kBackgroundWidth, [&] {
            ArtRandom veinRnd(400 + i);  // the same vein in every copy
            Course4Flesh::strokeVein(cr, veinRnd, x, y, 180, width, kC4Vein, 0.8);
        });
    }
    // A few faint, wide patches of bile light, nothing like the small hot
    // shots of the brain.
    for (int i = 0; i < 7; ++i) {
        const double x = rnd.uniform(0, kBackgroundWidth), y = rnd.uniform(80, 520);
        const double r = rnd.uniform(40, 70);
        wrapped(cr, kBackgroundWidth, [&] {
            circle(cr, x, y, r);
            fillGlow(cr, x, y, r, kC4Bile, 0.08);
        });
    }
    out.obx(canvas, dataPath("L4/", 4038));
}

// A band tile: flesh with bile blisters along its edge, outlined along the
// edge only, so that the tiles join into one endless band.
void paintBand(cairo_t* cr, bool top, std::uint32_t seed) {
    const Course4Flesh flesh(kBandWidth, kBandHeight, top ? 38.0 : 14.0, 7, 8, top ? 0.6 : 2.1,
                             top);
    flesh.fill(cr, true);
    ArtRandom rnd(seed);
    for (int i = 0; i < 18; ++i) {
        const double x = 22 + 44 * i + rnd.uniform(-8, 8);
        const double edge = flesh.yAt(x);
        const double y = top ? edge - rnd.uniform(8, 18) : edge + rnd.uniform(8, 18);
        const double r = rnd.uniform(3, 6);
        wrapped(cr, kBandWidth, [&] {
            circle(cr, x, y, r);
            shadeOnly(cr, kC4Bile, x - 6, y - 6, 12, 12);
        });
    }
    flesh.outline(cr, true);
}

void makeBands(AssetWriter& out) {
    Canvas top(kBandWidth, kBandHeight);
    paintBand(top.cr(), true, 4039);
    out.obx(top, dataPath("L4/", 4039));
    Canvas bottom(kBandWidth, kBandHeight);
    paintBand(bottom.cr(), false, 4040);
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
        setColour(cr, kC4BileBright);
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
        shadeAndOutline(cr, kC4Bile, s[0] - s[2], s[1] - s[2], 2 * s[2], 2 * s[2]);
        circle(cr, s[0] - s[2] * 0.3, s[1] - s[2] * 0.3, s[2] * 0.25);
        setColour(cr, kC4BileBright);
        cairo_fill(cr);
    }
}

void makeObstacles(AssetWriter& out) {
    Canvas cell(92, 88);
    drawCell(cell, kC4Bile, kC4Violet, 41);
    out.obx(cell, dataPath("L4/", 4041));
    Canvas polyp(74, 112);
    drawPolyp(polyp, kC4Polyp, 3, 5);
    out.obx(polyp, dataPath("L4/", 4005));
    Canvas spore(62, 62);
    drawSpore(spore, kC4SporeYellow, 11, 6);
    out.obx(spore, dataPath("L4/", 4006));
    Canvas amoeba(132, 100);
    drawCell(amoeba, kC4Violet, kC4Bile, 7);
    out.obx(amoeba, dataPath("L4/", 4007));
    Canvas cluster(50, 46);
    drawSporeCluster(cluster, 8);
    out.obx(cluster, dataPath("L4/", 4008));
    Canvas tall(84, 138);
    drawPolyp(tall, kC4Violet, 2, 9);
    out.obx(tall, dataPath("L4/", 4009));
    Canvas big(104, 104);
    drawSpore(big, kC4Bile, 14, 10);
    out.obx(big, dataPath("L4/", 4010));
    Canvas small(48, 48);
    drawCell(small, kC4Polyp, kC4FleshDark, 11);
    out.obx(small, dataPath("L4/", 4011));
}

// ---------------------------------------------------------------- scenery

void makeScenery(AssetWriter& out) {
    const int sizes[6][2] = {{54, 54}, {36, 36}, {84, 44}, {28, 28}, {66, 66}, {46, 30}};
    for (int i = 0; i < 6; ++i) {
        Canvas canvas(sizes[i][0], sizes[i][1]);
        cairo_t* cr = canvas.cr();
        const double w = sizes[i][0], h = sizes[i][1];
        // Dim and close to the tunnel's own colour, so that the obstacles
        // and the brain's shots stand out.
        const Rgb base = darken(mix(kC4Membrane, kC4CavityLight, 0.7 + 0.08 * (i % 3)), 0.2);
        blobPath(cr, w / 2, h / 2, w / 2 - 1, h / 2 - 1, i % 2 == 0 ? 0.08 : 0.22, 4012 + i, 12);
        shadeOnly(cr, base, 0, 0, w, h);
        if (i % 2 == 0) {
            // A blood cell's dimple.
            blobPath(cr, w / 2 + 2, h / 2 + 2, w * 0.22, h * 0.2, 0.1, 4100 + i, 10);
            setColour(cr, darken(base, 0.35));
            cairo_fill(cr);
        } else {
            circle(cr, w * 0.5, h * 0.5, std::min(w, h) * 0.14);
            setColour(cr, darken(base, 0.3));
            cairo_fill(cr);
        }
        out.obx(canvas, dataPath("L4/", 4012 + i));
    }
}

void makeFade(AssetWriter& out) {
    Canvas fade(40, 30);
    rect(fade.cr(), 0, 0, 40, 30);
    setColour(fade.cr(), Rgb{0, 0, 0});
    cairo_fill(fade.cr());
    out.obx(fade, dataPath("L4/", 4028));
}

// ---------------------------------------------------------------- the cues

void makeWarning(AssetWriter& out) {
    TextStyle style;
    style.sizePx = 46;
    style.fill = kC4Warning;
    const TextSize size = measureText("BOSS AHEAD", style);
    const int width = static_cast<int>(size.width) + 40;
    const int height = static_cast<int>(size.height) + 24;
    Canvas canvas(width, height);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 2, 2, width - 4, height - 4, 10);
    setColour(cr, darken(kC4Cavity, 0.3), 0.9);
    cairo_fill_preserve(cr);
    setColour(cr, kC4Warning);
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
    shadeAndOutline(cr, kC4BileBright, 0, 0, 200, 80, 3.0);
    out.obx(canvas, "data/L4/arrow.obx");
}

void makeCourse4Art(AssetWriter& out) {
    makeBackground(out);
    makeBands(out);
    makeWarning(out);
    makeArrow(out);
    makeObstacles(out);
    makeScenery(out);
    Course4Chamber::make(out);
    Course4Boss::make(out);
    makeFade(out);
}

}  // namespace

const AssetModule kCourse4Art = {"course 4", 39, &makeCourse4Art};
