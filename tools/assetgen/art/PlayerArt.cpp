// The crafts: both players' craft, fly-off frames and explosions, and the
// particles of their trails and flame.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"
#include "assetgen/art/CraftShape.h"

namespace {

// The craft is 83 by 40 and faces right. The collision probes sit at the
// top of the canopy (41, 3), the tail (0, 28), the nose (83, 28) and the
// keel (41, 40), so the hull reaches the picture's edges at those places.
constexpr int kCraftW = CraftShape::kWidth;
constexpr int kCraftH = CraftShape::kHeight;
// The explosion pictures are drawn from the craft's corner moved 50 left and
// 61 up, so the craft's centre (41, 20) lands here.
constexpr int kBoomW = 180;
constexpr int kBoomH = 160;
constexpr double kBoomX = 91.0;
constexpr double kBoomY = 81.0;

constexpr Rgb kMetal{0.36, 0.39, 0.46};
constexpr Rgb kFireCore{1.00, 0.98, 0.80};
constexpr Rgb kFireMid{1.00, 0.78, 0.22};
constexpr Rgb kFireEdge{0.90, 0.36, 0.08};
constexpr Rgb kEmber{0.55, 0.16, 0.08};
constexpr Rgb kSmoke{0.38, 0.36, 0.44};

void writeCraft(AssetWriter& out, Rgb colour, const std::string& path) {
    Canvas canvas(kCraftW, kCraftH);
    CraftShape::draw(canvas.cr(), colour, kOutlineWidth);
    out.obx(canvas, path);
}

// Fly-off frame k of 9, written after data/<prefix> as 003 to 011: the craft
// shrinks towards its nose as it enters the gate, with light streaming off
// behind it.
void writeFlyOff(AssetWriter& out, Rgb colour, const char* prefix) {
    for (int k = 0; k < 9; ++k) {
        const double s = 0.9 * (1.0 - k / 9.0);
        const double ax = 82.0, ay = 27.0;
        Canvas canvas(kCraftW, kCraftH);
        cairo_t* cr = canvas.cr();
        const double tail = ax - (ax - 0) * s;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_width(cr, 2.0);
        const double rows[] = {-8, 0, 7};
        for (int i = 0; i < 3; ++i) {
            const double y = std::round(ay + rows[i] * s);
            const double len = (18.0 + 6.0 * i) * (0.4 + s);
            cairo_move_to(cr, std::max(1.0, tail - len), y);
            cairo_line_to(cr, tail + 2, y);
            setColour(cr, i == 1 ? kWhite : lighten(colour, 0.4));
            cairo_stroke(cr);
        }
        cairo_save(cr);
        cairo_translate(cr, ax, ay);
        cairo_scale(cr, s, s);
        cairo_translate(cr, -ax, -ay);
        CraftShape::draw(cr, colour, std::max(1.2, 2.0 * std::sqrt(s)) / s);
        cairo_restore(cr);
        out.obx(canvas, dataPath(prefix, 3 + k, 3));
    }
}

// A burning ball in three layers: a ragged orange rim with the dark
// outline, a yellow body and a white-hot core; heat 1 is fresh, 0 burnt out.
void drawFireball(cairo_t* cr, double cx, double cy, double r, double heat, std::uint32_t seed) {
    const double sx = 1.15;  // a little wider than high, like the craft
    blobPath(cr, cx, cy, r * sx, r, 0.32, seed, 18);
    shadeAndOutline(cr, mix(kEmber, kFireEdge, heat), cx - r * sx, cy - r, 2 * r * sx, 2 * r, 2.0);
    blobPath(cr, cx - r * 0.08, cy - r * 0.06, r * 0.72 * sx, r * 0.7, 0.25, seed + 1, 14);
    shadeOnly(cr, mix(kFireEdge, kFireMid, heat), cx - r, cy - r, 2 * r, 2 * r);
    if (heat > 0.3) {
        blobPath(cr, cx - r * 0.15, cy - r * 0.12, r * 0.4 * sx, r * 0.38, 0.2, seed + 2, 12);
        shadeOnly(cr, mix(kFireMid, kFireCore, heat), cx - r * 0.5, cy - r * 0.5, r, r);
    }
}

// Shards of the hull flung outward: the player's colour early on, grey
// metal later.
void drawShards(cairo_t* cr, int frame, double reach, Rgb colour, ArtRandom& rnd) {
    const int count = frame < 4 ? 10 : 8 - (frame - 4) / 2;
    for (int i = 0; i < count; ++i) {
        const double a = 2 * M_PI * (i + rnd.uniform(0.0, 0.6)) / count;
        const double d = reach * rnd.uniform(0.9, 1.12);
        const double size = rnd.uniform(5.0, 8.5) * (frame < 8 ? 1.0 : 0.75);
        cairo_save(cr);
        cairo_translate(cr, kBoomX + std::cos(a) * d * 1.15, kBoomY + std::sin(a) * d * 0.9);
        cairo_rotate(cr, a + frame * 0.7 + i);
        cairo_new_path(cr);
        cairo_move_to(cr, -size, -size * 0.35);
        cairo_line_to(cr, size, -size * 0.6);
        cairo_line_to(cr, size * 0.2, size * 0.7);
        cairo_close_path(cr);
        shadeAndOutline(cr, colour, -size, -size, 2 * size, 2 * size, 1.6);
        cairo_restore(cr);
    }
}

// Smoke: cool, dark and without an outline, behind the fire.
void drawSmoke(cairo_t* cr, int frame, ArtRandom& rnd) {
    const int puffs = 8;
    const double t = (frame - 5) / 6.0;  // 0 as the smoke appears, 1 at the end
    for (int i = 0; i < puffs; ++i) {
        const double a = 2 * M_PI * (i + rnd.uniform(0.0, 0.5)) / puffs;
        const double d = 30 + 30 * t;
        const double r = (24 - 13 * t) * rnd.uniform(0.8, 1.15);
        const double cx = kBoomX + std::cos(a) * d * 1.2;
        const double cy = kBoomY + std::sin(a) * d * 0.85 - 12 * t;
        blobPath(cr, cx, cy, r, r * 0.85, 0.3, 900 + frame * 17 + i, 12);
        shadeOnly(cr, mix(kSmoke, kEmber, std::max(0.0, 0.4 - t)), cx - r, cy - r, 2 * r, 2 * r);
    }
}

void drawFlash(cairo_t* cr) {
    cairo_new_path(cr);
    const int spikes = 12;
    for (int i = 0; i < 2 * spikes; ++i) {
        const double a = M_PI * i / spikes;
        const double r = i % 2 ? 18 : (i % 4 ? 40 : 48);
        const double x = kBoomX + std::cos(a) * r * 1.2, y = kBoomY + std::sin(a) * r * 0.85;
        i ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
    }
    cairo_close_path(cr);
    shadeAndOutline(cr, kFireCore, kBoomX - 50, kBoomY - 40, 100, 80, 2.0);
}

// Frame 0: the flash; 1 to 4: the fireball grows; 5 to 8: it breaks up into
// cooling lumps and smoke rises; 9 to 11: the smoke thins out.
void drawExplosion(cairo_t* cr, int frame, Rgb shardColour) {
    ArtRandom rnd(31 + frame * 7);
    if (frame >= 5) {
        drawSmoke(cr, frame, rnd);
    }
    double reach = 0;
    if (frame == 0) {
        drawFlash(cr);
        drawFireball(cr, kBoomX, kBoomY, 20, 1.0, 100);
        reach = 30;
    } else if (frame <= 4) {
        const double radius[] = {0, 36, 48, 57, 62};
        drawFireball(cr, kBoomX, kBoomY, radius[frame], 1.1 - frame * 0.1, 100 + frame * 3);
        reach = radius[frame] + 6;
    } else if (frame <= 8) {
        const double t = (frame - 5) / 3.0;
        for (int i = 0; i < 6; ++i) {
            const double a = 2 * M_PI * i / 6 + 0.4;
            const double d = 24 + 18 * t;
            const double r = (27 - 13 * t) * (i % 2 ? 0.85 : 1.0);
            drawFireball(cr, kBoomX + std::cos(a) * d * 1.1, kBoomY + std::sin(a) * d * 0.9, r,
                         0.65 - 0.5 * t, 200 + frame * 11 + i * 3);
        }
        reach = 62 + (frame - 5) * 5;
    } else {
        reach = 74 + (frame - 9) * 4;
    }
    if (frame < 11) {
        drawShards(cr, frame, reach, frame < 4 ? shardColour : kMetal, rnd);
    }
}

void writeExplosion(AssetWriter& out, int frame, Rgb shardColour, const std::string& path) {
    Canvas canvas(kBoomW, kBoomH);
    drawExplosion(canvas.cr(), frame, shardColour);
    out.obx(canvas, path);
}

// Course 2: a little spray of foam and bubbles.
void writeSpray(AssetWriter& out) {
    for (int v = 0; v < 4; ++v) {
        Canvas canvas(13, 10);
        cairo_t* cr = canvas.cr();
        ArtRandom rnd(400 + v);
        for (int i = 0; i < 3; ++i) {
            const double r = rnd.uniform(1.6, 2.8);
            const double cx = 2.5 + i * 3.6 + rnd.uniform(-0.5, 0.5);
            const double cy = 5 + rnd.uniform(-2.2, 2.2);
            circle(cr, cx, cy, r);
            shadeAndOutline(cr, Rgb{0.72, 0.95, 0.98}, cx - r, cy - r, 2 * r, 2 * r, 0.9);
        }
        out.obx(canvas, dataPath("M/m", 24 + v, 3));
    }
}

// Course 3: puffs of steam, soft and without an outline.
void writeSteam(AssetWriter& out) {
    for (int v = 0; v < 4; ++v) {
        Canvas canvas(14, 11);
        cairo_t* cr = canvas.cr();
        blobPath(cr, 7, 5.5, 6.2, 4.8, 0.3, 500 + v, 10);
        shadeOnly(cr, Rgb{0.80, 0.80, 0.76}, 1, 1, 12, 9);
        out.obx(canvas, dataPath("M/m", 28 + v, 3));
    }
}

// Course 4: bubbles rising in the creature's fluids.
void writeBubbles(AssetWriter& out) {
    const double radius[] = {3.0, 4.0, 5.0, 3.5};
    for (int v = 0; v < 4; ++v) {
        const double r = radius[v];
        const int side = static_cast<int>(std::ceil(2 * r + 2));
        Canvas canvas(side, side);
        cairo_t* cr = canvas.cr();
        circle(cr, side / 2.0, side / 2.0, r);
        shadeAndOutline(cr, Rgb{0.93, 0.72, 0.90}, 1, 1, 2 * r, 2 * r, 1.0);
        circle(cr, side / 2.0 - r * 0.35, side / 2.0 - r * 0.35, std::max(0.8, r * 0.3));
        setColour(cr, kWhite);
        cairo_fill(cr);
        out.obx(canvas, dataPath("L4/", 4001 + v));
    }
}

// Course 1: one speck of the flame (58 of them make the tongue).
void writeFlameParticle(AssetWriter& out) {
    Canvas canvas(5, 3);
    cairo_t* cr = canvas.cr();
    ellipse(cr, 2.5, 1.5, 2.6, 1.6);
    Gradient::radial(2.5, 1.5, 0, 2.5, 1.5, 2.6)
        .stop(0, Rgb{1.0, 0.97, 0.75})
        .stop(0.5, Rgb{1.0, 0.75, 0.2})
        .stop(1, Rgb{0.95, 0.42, 0.08})
        .fill(cr);
    out.obx(canvas, "data/M/m036.obx");
}

// Spare sparks; the game loads them but does not draw them.
void writeSpares(AssetWriter& out) {
    for (int v = 0; v < 4; ++v) {
        Canvas canvas(7, 7);
        cairo_t* cr = canvas.cr();
        cairo_new_path(cr);
        for (int i = 0; i < 8; ++i) {
            const double a = M_PI * i / 4 + v * 0.2;
            const double r = i % 2 ? 1.2 : 3.4;
            const double x = 3.5 + std::cos(a) * r, y = 3.5 + std::sin(a) * r;
            i ? cairo_line_to(cr, x, y) : cairo_move_to(cr, x, y);
        }
        cairo_close_path(cr);
        setColour(cr, mix(kFireCore, kFireMid, v / 3.0));
        cairo_fill(cr);
        out.obx(canvas, dataPath("M/m", 32 + v, 3));
    }
}

void makePlayerArt(AssetWriter& out) {
    writeCraft(out, kPlayer1, "data/M/m001.obx");
    writeFlyOff(out, kPlayer1, "M/m");
    for (int f = 0; f < 12; ++f) {
        writeExplosion(out, f, kPlayer1, dataPath("M/m", 12 + f, 3));
    }
    writeSpray(out);
    writeSteam(out);
    writeBubbles(out);
    writeSpares(out);
    writeFlameParticle(out);

    writeCraft(out, kPlayer2, "data/M2/test.obx");
    writeFlyOff(out, kPlayer2, "M2/m");
    for (int f = 0; f < 4; ++f) {
        writeExplosion(out, f, kPlayer2, "data/M2/exp" + std::to_string(f + 1) + ".obx");
    }
}

}  // namespace

// Player 1: craft, 9 fly-off, 12 explosion, 4 spray, 4 steam, 4 bubbles,
// 4 spares, flame = 39; player 2: craft, 9 fly-off, 4 explosion = 14.
const AssetModule kPlayerArt = {"crafts", 53, &makePlayerArt};
