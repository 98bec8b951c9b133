// The heads-up display: the two labels, the digits, the course banner, the
// life icons and the pause picture; also the window icon and the start-up file.
#include <cmath>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Lettering.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"

namespace {

constexpr Rgb kHudText{0.93, 0.95, 1.0};
constexpr Rgb kBannerNumber{1.0, 0.82, 0.30};
constexpr Rgb kDigitFill{1.0, 0.95, 0.68};
constexpr int kDigitWidth = 16;
constexpr int kDigitHeight = 24;

TextStyle hudStyle(double outline) {
    TextStyle style;
    style.sizePx = 40;
    style.fill = kHudText;
    style.outlineWidth = outline;
    style.letterSpacing = 1.0;
    return style;
}

// One picture of lettering centred in a canvas of its own size.
void lettering(AssetWriter& out, const std::string& path, const std::string& text, int w, int h,
               TextStyle style) {
    Canvas canvas(w, h);
    drawTextCentred(canvas.cr(), text, w / 2.0, h / 2.0, fitTextStyle(text, w - 2, h - 2, style));
    out.obx(canvas, path);
}

// A "1" with a flag and a foot, as wide as a narrow digit may be, leaning to
// the digit after it so that "10" and "15" read as one number.
void drawOne(cairo_t* cr) {
    const double pts[][2] = {{7.5, 1.5}, {13.0, 1.5}, {13.0, 18.0}, {15.5, 18.0},
                             {15.5, 22}, {4.0, 22},   {4.0, 18.0},  {7.0, 18.0},
                             {7.0, 9.0}, {4.0, 10.5}, {4.0, 6.5}};
    polygon(cr, pts, sizeof pts / sizeof pts[0]);
    Gradient::linear(0, 2, 0, 22)
        .stop(0, lighten(kDigitFill, 0.25))
        .stop(1, darken(kDigitFill, 0.15))
        .fillPreserve(cr);
    strokeOutline(cr, 2.0);
}

// The score digits: the display font's figures stretched to the whole
// picture, so that a number keeps its digits close on the HUD's 18-pixel
// pitch; bright and outlined, as the score popups show them over any course.
void digitPicture(AssetWriter& out, int digit) {
    Canvas canvas(kDigitWidth, kDigitHeight);
    cairo_t* cr = canvas.cr();
    if (digit == 1) {
        drawOne(cr);
    } else {
        TextStyle style = hudStyle(1.5);
        style.sizePx = 30;
        style.letterSpacing = 0;
        style.fill = kDigitFill;
        const std::string text = std::to_string(digit);
        const TextSize size = measureText(text, style);
        // A little over the edges, so that the outer columns are ink too.
        cairo_translate(cr, -0.4, 0);
        cairo_scale(cr, (kDigitWidth + 0.8) / size.width, kDigitHeight / size.height);
        drawText(cr, text, 0, 0, style);
    }
    out.obx(canvas, dataPath("M/m", 39 + digit, 3));
}

// A small dart flying right: the craft's silhouette, in a player's colour
// with a white spine, scaled to fit w by h.
void craftShape(cairo_t* cr, double w, double h, Rgb colour, double outline) {
    const double sx = w / 30.0, sy = h / 20.0;
    cairo_save(cr);
    cairo_scale(cr, sx, sy);
    cairo_new_path(cr);
    cairo_move_to(cr, 28.5, 10);
    cairo_curve_to(cr, 22, 3.5, 12, 2, 3, 3.5);
    cairo_line_to(cr, 6, 10);
    cairo_line_to(cr, 3, 16.5);
    cairo_curve_to(cr, 12, 18, 22, 16.5, 28.5, 10);
    cairo_close_path(cr);
    shadeAndOutline(cr, colour, 3, 2, 26, 16, outline / sx);

    cairo_new_path(cr);
    cairo_move_to(cr, 25, 9);
    cairo_curve_to(cr, 20, 6, 14, 5, 8, 6);
    cairo_line_to(cr, 9, 9);
    cairo_close_path(cr);
    shadeAndOutline(cr, kWhite, 8, 5, 17, 4, outline * 0.6 / sx);

    cairo_new_path(cr);
    cairo_arc(cr, 18, 9.5, 2.6, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    shadeAndOutline(cr, Rgb{0.12, 0.22, 0.42}, 15, 7, 6, 3, outline * 0.5 / sx);
    cairo_restore(cr);
}

void lifeIcon(AssetWriter& out, const std::string& path, Rgb colour) {
    Canvas canvas(30, 20);
    craftShape(canvas.cr(), 30, 20, colour, 1.5);
    out.obx(canvas, path);
}

// The window icon is a plain picture with no transparency: the craft on a
// patch of night sky.
void windowIcon(AssetWriter& out) {
    Canvas canvas(32, 32);
    cairo_t* cr = canvas.cr();
    cairo_rectangle(cr, 0, 0, 32, 32);
    Gradient::radial(8, 6, 1, 16, 16, 26)
        .stop(0, Rgb{0.30, 0.20, 0.50})
        .stop(1, Rgb{0.04, 0.04, 0.14})
        .fill(cr);
    cairo_translate(cr, 1, 6);
    craftShape(cr, 30, 20, kPlayer1, 1.2);
    out.bmp(canvas, "X.bmp");
}

void plate(cairo_t* cr, double x, double y, double w, double h) {
    roundedRect(cr, x, y, w, h, 12);
    shadeAndOutline(cr, Rgb{0.12, 0.14, 0.30}, x, y, w, h, 3);
}

// Two plates with an open band between them: the picture is centred on the
// screen, and during a course's first seconds the course banner shows
// through the band instead of being covered.
void pausePicture(AssetWriter& out) {
    const int w = 300, h = 180;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    plate(cr, 3, 3, w - 6, 64);
    plate(cr, 40, h - 43, w - 80, 40);

    TextStyle big = hudStyle(2.5);
    big.sizePx = 56;
    big.letterSpacing = 4;
    drawTextCentred(cr, "PAUSED", w / 2.0, 35, fitTextStyle("PAUSED", w - 40, 54, big));
    TextStyle small = hudStyle(1.5);
    small.sizePx = 22;
    small.fill = Rgb{0.70, 0.85, 1.0};
    drawTextCentred(cr, "SPACE TO GO ON", w / 2.0, h - 23, small);
    out.obx(canvas, "data/M/pause.obx");
}

void makeHudArt(AssetWriter& out) {
    windowIcon(out);
    // Kept when it exists: it holds the player's choice of full screen.
    out.file("data/info.txt", "0\n", true);

    // Each label fits the 100 pixels before the icons or digits after it.
    lettering(out, "data/M/m037.obx", "LIVES", 92, 26, hudStyle(2));
    lettering(out, "data/M/m038.obx", "SCORE", 92, 26, hudStyle(2));
    for (int digit = 0; digit < 10; ++digit) {
        digitPicture(out, digit);
    }

    TextStyle banner = hudStyle(2.5);
    banner.sizePx = 48;
    banner.letterSpacing = 2;
    lettering(out, "data/M/m049.obx", "COURSE", 95, 44, banner);
    banner.fill = kBannerNumber;
    for (int course = 1; course <= 4; ++course) {
        lettering(out, dataPath("M/m", 49 + course, 3), std::to_string(course), 32, 44, banner);
    }

    lifeIcon(out, "data/MU/mu001.obx", kPlayer1);
    lifeIcon(out, "data/M2/m201.obx", kPlayer2);
    pausePicture(out);
}

}  // namespace

const AssetModule kHudArt = {"HUD", 22, &makeHudArt};
