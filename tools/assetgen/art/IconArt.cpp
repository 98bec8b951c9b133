// The desktop icon: player 1's craft racing across a patch of deep space.
#include <cmath>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"

namespace {

void drawSpace(cairo_t* cr) {
    roundedRect(cr, 0, 0, 256, 256, 44);
    Gradient::radial(80, 60, 10, 128, 128, 220)
        .stop(0, Rgb{0.36, 0.22, 0.55})
        .stop(0.5, Rgb{0.10, 0.10, 0.30})
        .stop(1, Rgb{0.03, 0.03, 0.10})
        .fillPreserve(cr);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);

    ArtRandom rnd(7);
    for (int i = 0; i < 40; ++i) {
        const double x = rnd.uniform(20, 236), y = rnd.uniform(20, 236);
        setColour(cr, Rgb{0.85, 0.88, 1.0}, rnd.uniform(0.3, 0.9));
        cairo_arc(cr, x, y, rnd.uniform(0.8, 2.2), 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void drawFlame(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, 126, 120);
    cairo_curve_to(cr, 90, 110, 60, 118, 30, 134);
    cairo_curve_to(cr, 60, 146, 90, 150, 126, 144);
    cairo_close_path(cr);
    Gradient::linear(40, 0, 120, 0)
        .stop(0, Rgb{1.0, 0.45, 0.05}, 0.0)
        .stop(0.6, Rgb{1.0, 0.70, 0.15}, 0.8)
        .stop(1, Rgb{1.0, 0.95, 0.70}, 1.0)
        .fill(cr);
}

void drawCraft(cairo_t* cr) {
    // Hull: a dart pointing right, cyan below and white on top.
    cairo_new_path(cr);
    cairo_move_to(cr, 228, 132);
    cairo_curve_to(cr, 190, 104, 150, 96, 110, 108);
    cairo_line_to(cr, 118, 132);
    cairo_line_to(cr, 110, 156);
    cairo_curve_to(cr, 150, 166, 190, 160, 228, 132);
    cairo_close_path(cr);
    shadeAndOutline(cr, kPlayer1, 110, 96, 118, 70, 5);

    cairo_new_path(cr);
    cairo_move_to(cr, 214, 128);
    cairo_curve_to(cr, 186, 112, 156, 108, 128, 114);
    cairo_line_to(cr, 132, 128);
    cairo_close_path(cr);
    shadeAndOutline(cr, kWhite, 128, 108, 86, 20, 3);

    // Canopy.
    cairo_new_path(cr);
    cairo_arc(cr, 176, 124, 12, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    shadeAndOutline(cr, Rgb{0.15, 0.25, 0.45}, 164, 112, 24, 12, 3);

    // Fin.
    cairo_new_path(cr);
    cairo_move_to(cr, 124, 150);
    cairo_line_to(cr, 104, 182);
    cairo_line_to(cr, 150, 158);
    cairo_close_path(cr);
    shadeAndOutline(cr, darken(kPlayer1, 0.2), 104, 150, 46, 32, 4);
}

void makeIcon(AssetWriter& out, int size) {
    Canvas canvas(size, size);
    cairo_t* cr = canvas.cr();
    cairo_scale(cr, size / 256.0, size / 256.0);
    drawSpace(cr);
    cairo_save(cr);
    cairo_translate(cr, 128, 128);
    cairo_rotate(cr, -0.35);
    cairo_translate(cr, -128, -128);
    drawFlame(cr);
    drawCraft(cr);
    cairo_restore(cr);
    out.png(canvas, "icons/kavrel-" + std::to_string(size) + ".png");
}

void makeIconArt(AssetWriter& out) {
    for (int size : {64, 128, 256}) {
        makeIcon(out, size);
    }
}

}  // namespace

const AssetModule kIconArt = {"desktop icon", 3, &makeIconArt};
