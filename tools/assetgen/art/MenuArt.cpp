// The main menu: the deep-space background with the title, the five items of
// the main list on their diagonal, and the options, highscore and information
// pages drawn on the calm right-hand side. Every item has a normal and a
// selected picture of the same size.
#include <cairo.h>

#include <cmath>
#include <string>
#include <vector>

#include "assetgen/AssetModules.h"
#include "assetgen/Gradient.h"
#include "assetgen/Lettering.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"
#include "assetgen/art/Wordmark.h"

namespace {

constexpr Rgb kSkyTop{0.02, 0.02, 0.09};
constexpr Rgb kSkyBottom{0.07, 0.03, 0.15};
constexpr Rgb kNebulaViolet{0.46, 0.20, 0.62};
constexpr Rgb kNebulaTeal{0.10, 0.46, 0.58};
constexpr Rgb kItemText{0.84, 0.89, 0.98};
constexpr Rgb kSelectedText{1.0, 0.98, 0.88};
constexpr Rgb kBarDeep{0.05, 0.30, 0.52};
constexpr Rgb kAccent{0.45, 0.88, 1.0};
constexpr Rgb kPanel{0.05, 0.06, 0.16};
constexpr Rgb kPanelStripe{0.08, 0.10, 0.24};
constexpr Rgb kHeading{0.55, 0.85, 1.0};

constexpr int kItemHeight = 36;

// A bar leaning forward like the crafts: the plate behind a selected item.
void slantedBar(cairo_t* cr, double x, double y, double w, double h, double lean) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + lean, y);
    cairo_line_to(cr, x + w, y);
    cairo_line_to(cr, x + w - lean, y + h);
    cairo_line_to(cr, x, y + h);
    cairo_close_path(cr);
}

// The selection plate: a deep blue bar that brightens to cyan at its top
// edge, with a light rim along its upper side.
void selectionPlate(cairo_t* cr, double x, double y, double w, double h) {
    const double lean = h * 0.35;
    slantedBar(cr, x, y, w, h, lean);
    Gradient::linear(0, y, 0, y + h)
        .stop(0.0, lighten(kAccent, 0.2))
        .stop(0.45, mix(kAccent, kBarDeep, 0.55))
        .stop(1.0, darken(kBarDeep, 0.35))
        .fillPreserve(cr);
    strokeOutline(cr);
    cairo_move_to(cr, x + lean + 2, y + 2.5);
    cairo_line_to(cr, x + w - 3, y + 2.5);
    setColour(cr, kWhite, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
}

TextStyle itemStyle(double size, bool selected) {
    TextStyle style;
    style.sizePx = size;
    style.fill = selected ? kSelectedText : kItemText;
    style.outlineWidth = 2.0;
    style.letterSpacing = 2.0;
    return style;
}

// One menu item in both states, written to its two files. The lettering
// has the same size and place in both, so the selection does not jump.
enum Align { Centred, LeftAligned };

void itemPair(AssetWriter& out, const std::string& text, int w, int h, double size,
              const std::string& normalPath, const std::string& selectedPath,
              Align align = Centred) {
    const TextStyle base = fitTextStyle(text, w - 26, h - 4, itemStyle(size, false));
    for (int selected = 0; selected < 2; ++selected) {
        Canvas canvas(w, h);
        cairo_t* cr = canvas.cr();
        if (selected) {
            selectionPlate(cr, 1, 1, w - 2, h - 2);
        }
        TextStyle style = base;
        style.fill = selected ? kSelectedText : kItemText;
        if (align == Centred) {
            drawTextCentred(cr, text, w / 2.0, h / 2.0, style);
        } else {
            const TextSize size = measureText(text, style);
            drawText(cr, text, h * 0.35 + 4, (h - size.height) / 2.0, style);
        }
        out.obx(canvas, selected ? selectedPath : normalPath);
    }
}

std::string mu(int number) {
    return dataPath("MU/mu", number, 3);
}

// ---- background ----

void sky(cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, 800, 600);
    Gradient::linear(0, 0, 200, 600).stop(0, kSkyTop).stop(1, kSkyBottom).fill(cr);
}

void cloud(cairo_t* cr, double x, double y, double r, Rgb c, double alpha) {
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    Gradient::radial(x, y, 0, x, y, r)
        .stop(0, c, alpha)
        .stop(0.5, c, alpha * 0.45)
        .stop(1, c, 0)
        .fill(cr);
}

// Nebulae on the left half, where the items are; the right half, where the
// pages are drawn, stays dark and quiet.
void nebulae(cairo_t* cr) {
    ArtRandom rnd(9101);
    for (int i = 0; i < 14; ++i) {
        const double x = rnd.uniform(-60, 430);
        const double y = rnd.uniform(120, 640);
        const double r = rnd.uniform(90, 220);
        cloud(cr, x, y, r, i % 3 == 0 ? kNebulaTeal : kNebulaViolet, rnd.uniform(0.10, 0.22));
    }
    cloud(cr, 250, 90, 260, kNebulaViolet, 0.12);
}

void stars(cairo_t* cr) {
    ArtRandom rnd(4242);
    for (int i = 0; i < 420; ++i) {
        const double x = rnd.uniform(0, 800);
        const double y = rnd.uniform(0, 600);
        // Fewer and fainter stars behind the pages.
        const bool behindPages = x > 430 && y > 250;
        const double bright = rnd.uniform(0.25, 1.0) * (behindPages ? 0.55 : 1.0);
        const double r = rnd.uniform(0.5, 1.3);
        setColour(cr, mix(Rgb{0.7, 0.8, 1.0}, kWhite, rnd.uniform(0, 1)), bright);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
        if (!behindPages && rnd.below(30) == 0) {
            setColour(cr, kWhite, 0.5);
            cairo_set_line_width(cr, 0.8);
            addCross(cr, x, y, 5);
            cairo_stroke(cr);
        }
    }
}

// A ringed planet in the upper right, lit from the upper left.
void ringHalf(cairo_t* cr, double cx, double cy, double r, bool front) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1.0, 0.22);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, r * 1.75, front ? 0 : M_PI, front ? M_PI : 2 * M_PI);
    cairo_restore(cr);
    cairo_set_line_width(cr, 16);
    setColour(cr, Rgb{0.20, 0.16, 0.36});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 11);
    setColour(cr, front ? Rgb{0.78, 0.72, 0.95} : Rgb{0.45, 0.40, 0.66});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    setColour(cr, front ? Rgb{0.92, 0.88, 1.0} : Rgb{0.55, 0.50, 0.76});
    cairo_stroke(cr);
}

void planet(cairo_t* cr) {
    const double cx = 700, cy = 120, r = 118;
    cloud(cr, cx, cy, r * 1.45, Rgb{0.35, 0.45, 0.95}, 0.22);
    ringHalf(cr, cx, cy, r, false);

    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    setColour(cr, Rgb{0.42, 0.33, 0.72});
    cairo_fill(cr);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    ArtRandom rnd(31);
    for (int band = 0; band < 7; ++band) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy - r + 20 + band * 34 + rnd.uniform(-6, 6));
        cairo_rotate(cr, -0.35);
        cairo_scale(cr, 1.0, 0.10 + rnd.uniform(0, 0.05));
        cairo_arc(cr, 0, 0, r * 1.4, 0, 2 * M_PI);
        cairo_restore(cr);
        setColour(cr, band % 2 ? Rgb{0.78, 0.60, 0.88} : Rgb{0.22, 0.16, 0.48}, 0.35);
        cairo_fill(cr);
    }
    // Light from the upper left, night on the far side.
    Gradient::radial(cx - 50, cy - 55, 5, cx - 10, cy - 10, r * 1.25)
        .stop(0, kWhite, 0.35)
        .stop(0.35, kWhite, 0.0)
        .stop(0.7, Rgb{0.03, 0.02, 0.10}, 0.35)
        .stop(1, Rgb{0.03, 0.02, 0.10}, 0.85)
        .paint(cr);
    cairo_restore(cr);
    // A thin lit rim on the sunward side.
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - 1, M_PI * 0.85, M_PI * 1.65);
    setColour(cr, Rgb{0.80, 0.78, 1.0}, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);

    ringHalf(cr, cx, cy, r, true);
}

// Two crafts, cyan and amber, racing under the title towards the planet.
void racer(cairo_t* cr, double x, double y, double length, Rgb colour) {
    cairo_move_to(cr, x - length, y);
    cairo_line_to(cr, x - 4, y - 4);
    cairo_line_to(cr, x - 4, y + 4);
    cairo_close_path(cr);
    Gradient::linear(x - length, y, x, y)
        .stop(0, colour, 0)
        .stop(1, lighten(colour, 0.3), 0.85)
        .fill(cr);

    cairo_new_path(cr);
    cairo_move_to(cr, x + 26, y);
    cairo_curve_to(cr, x + 18, y - 8, x + 6, y - 10, x - 6, y - 8);
    cairo_line_to(cr, x - 2, y);
    cairo_line_to(cr, x - 6, y + 8);
    cairo_curve_to(cr, x + 6, y + 10, x + 18, y + 8, x + 26, y);
    cairo_close_path(cr);
    shadeAndOutline(cr, colour, x - 6, y - 10, 32, 20);
    cairo_new_path(cr);
    cairo_move_to(cr, x + 22, y - 1);
    cairo_curve_to(cr, x + 15, y - 5, x + 8, y - 6, x + 2, y - 5);
    cairo_line_to(cr, x + 3, y - 1);
    cairo_close_path(cr);
    shadeAndOutline(cr, kWhite, x + 2, y - 6, 20, 5, 1.0);
}

// A faint race line along the diagonal of the main list.
void raceLine(cairo_t* cr) {
    for (int pass = 0; pass < 3; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, -20, 232);
        cairo_curve_to(cr, 200, 240, 360, 330, 420, 610);
        cairo_set_line_width(cr, 18 - pass * 7);
        setColour(cr, kAccent, 0.05 + pass * 0.06);
        cairo_stroke(cr);
    }
    ArtRandom rnd(77);
    for (int i = 0; i < 18; ++i) {
        const double t = i / 17.0;
        const double u = 1 - t;
        const double x =
            u * u * u * -20 + 3 * u * u * t * 200 + 3 * u * t * t * 360 + t * t * t * 420;
        const double y =
            u * u * u * 232 + 3 * u * u * t * 240 + 3 * u * t * t * 330 + t * t * t * 610;
        setColour(cr, kAccent, rnd.uniform(0.25, 0.5));
        cairo_arc(cr, x, y, 1.6, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void title(cairo_t* cr) {
    Wordmark(120).draw(cr, 34, 38);
}

void background(AssetWriter& out) {
    Canvas canvas(800, 600);
    cairo_t* cr = canvas.cr();
    sky(cr);
    nebulae(cr);
    stars(cr);
    planet(cr);
    raceLine(cr);
    racer(cr, 330, 178, 300, kPlayer2);
    racer(cr, 392, 166, 340, kPlayer1);
    title(cr);
    out.obx(canvas, mu(2));
}

// ---- main list ----

void mainItems(AssetWriter& out) {
    // Each fits before the next item begins, on its row of the diagonal.
    itemPair(out, "START", 124, kItemHeight, 34, mu(3), mu(4));
    itemPair(out, "OPTIONS", 150, kItemHeight, 34, mu(5), mu(6));
    itemPair(out, "INFO", 110, kItemHeight, 34, mu(7), mu(8));
    itemPair(out, "HIGHSCORES", 196, kItemHeight, 34, mu(9), mu(10));
    itemPair(out, "QUIT", 110, kItemHeight, 34, mu(11), mu(12));
}

// ---- pages ----

// A page title: large lettering over a thin accent line.
void pageTitle(AssetWriter& out, const std::string& text, int w, int h, const std::string& path) {
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    TextStyle style;
    style.sizePx = h - 6;
    style.letterSpacing = 3;
    style.fill = Rgb{0.86, 0.95, 1.0};
    style.outlineWidth = 3;
    style = fitTextStyle(text, w - 4, h - 8, style);
    const TextSize size = measureText(text, style);
    drawText(cr, text, 2, 0, style);
    cairo_rectangle(cr, 2, h - 5, std::min<double>(w - 4, size.width + 40), 4);
    Gradient::linear(2, 0, size.width + 42, 0).stop(0, kAccent).stop(1, kBarDeep).fillPreserve(cr);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    out.obx(canvas, path);
}

// The volume bar: a track that fills from dark to bright towards the loud
// end, with a tick every eighth. The knob's centre runs from x 14 to 176 of
// this picture.
void volumeBar(AssetWriter& out) {
    const int w = 192, h = 28;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    for (int tick = 0; tick <= 8; ++tick) {
        const double x = 14 + tick * 162.0 / 8;
        cairo_rectangle(cr, x - 1, tick % 4 == 0 ? 1 : 4, 2, tick % 4 == 0 ? 26 : 20);
        setColour(cr, Rgb{0.55, 0.65, 0.85});
        cairo_fill_preserve(cr);
        setColour(cr, kOutline);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    roundedRect(cr, 4, 9, w - 8, 10, 5);
    Gradient::linear(4, 0, w - 4, 0)
        .stop(0, Rgb{0.10, 0.14, 0.32})
        .stop(1, kAccent)
        .fillPreserve(cr);
    setColour(cr, kOutline);
    cairo_set_line_width(cr, kOutlineWidth);
    cairo_stroke(cr);
    out.obx(canvas, mu(20));
}

void volumeKnob(AssetWriter& out) {
    Canvas canvas(16, 16);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 1.5, 1.5, 13, 13, 4);
    shadeAndOutline(cr, Rgb{0.92, 0.96, 1.0}, 1, 1, 14, 14);
    cairo_rectangle(cr, 7, 4, 2, 8);
    setColour(cr, kBarDeep);
    cairo_fill(cr);
    out.obx(canvas, mu(21));
}

// The frame around the chosen number of players; the life icons are drawn
// over it at its upper part, its label sits below them. Right of the frames,
// at the same place on the screen whichever frame is shown, the row's name.
void playersFrame(AssetWriter& out, const std::string& label, int w, int rowLabelX, bool selected,
                  const std::string& path) {
    const int h = 62;
    Canvas canvas(rowLabelX + 104, h);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 1.5, 1.5, w - 3, h - 3, 8);
    Gradient::linear(0, 0, 0, h)
        .stop(0, selected ? mix(kAccent, kBarDeep, 0.5) : kPanelStripe)
        .stop(1, selected ? darken(kBarDeep, 0.3) : kPanel)
        .fillPreserve(cr);
    setColour(cr, selected ? kAccent : Rgb{0.45, 0.52, 0.70});
    cairo_set_line_width(cr, selected ? 3 : 2);
    cairo_stroke(cr);
    TextStyle style = itemStyle(20, selected);
    style.letterSpacing = 1;
    drawTextCentred(cr, label, w / 2.0, 48, style);
    const TextStyle rowStyle = itemStyle(22, selected);
    drawText(cr, "PLAYERS", rowLabelX, (h - measureText("PLAYERS", rowStyle).height) / 2, rowStyle);
    out.obx(canvas, path);
}

void optionsPage(AssetWriter& out) {
    pageTitle(out, "OPTIONS", 330, 44, mu(13));
    itemPair(out, "MUSIC VOLUME", 192, 24, 22, mu(15), mu(14), LeftAligned);
    volumeBar(out);
    volumeKnob(out);
    itemPair(out, "STARTING LIVES", 192, 22, 21, mu(23), mu(22), LeftAligned);
    itemPair(out, "BACK", 96, 30, 26, mu(25), mu(24), LeftAligned);
    // The frames stand at x 454 and 510; the row's name at x 602.
    playersFrame(out, "1P", 50, 148, false, "data/MU/1p.obx");
    playersFrame(out, "1P", 50, 148, true, "data/MU/1pw.obx");
    playersFrame(out, "2P", 80, 92, false, "data/MU/2p.obx");
    playersFrame(out, "2P", 80, 92, true, "data/MU/2pw.obx");
}

// The table's panel, drawn before the entries: a dark plate with a stripe
// under each of the five rows (rows start 8 pixels into it, 36 apart) and
// the rank at the left.
void highscoreFrame(AssetWriter& out) {
    const int w = 352, h = 178;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 1.5, 1.5, w - 3, h - 3, 10);
    shadeAndOutline(cr, kPanel, 0, 0, w, h);
    for (int row = 0; row < 5; ++row) {
        const double y = 8 + 36 * row - 7;
        roundedRect(cr, 8, y, w - 16, 30, 6);
        setColour(cr, row % 2 ? kPanel : kPanelStripe);
        cairo_fill(cr);
        TextStyle rank;
        rank.sizePx = 18;
        rank.fill = row == 0 ? Rgb{1.0, 0.82, 0.30} : kHeading;
        rank.outlineWidth = 1.5;
        drawTextCentred(cr, std::to_string(row + 1), 22, y + 15, rank);
    }
    out.obx(canvas, mu(27));
}

TextStyle headingStyle(double size, double outline) {
    TextStyle style;
    style.sizePx = size;
    style.letterSpacing = 2;
    style.fill = kHeading;
    style.outlineWidth = outline;
    return style;
}

void heading(AssetWriter& out, const std::string& text, int w, const std::string& path) {
    Canvas canvas(w, 22);
    const TextStyle style = fitTextStyle(text, w - 2, 20, headingStyle(20, 2));
    drawText(canvas.cr(), text, 0, 1, style);
    out.obx(canvas, path);
}

// The lives column holds the lives a game was started with, and says so
// in a second, smaller line under its heading.
void livesHeading(AssetWriter& out) {
    const int w = 62;
    Canvas canvas(w, 25);
    drawText(canvas.cr(), "LIVES", 0, 0, headingStyle(16, 1.5));
    TextStyle small = headingStyle(11, 1.2);
    small.letterSpacing = 1;
    drawText(canvas.cr(), "AT START", 0, 15, fitTextStyle("AT START", w - 2, 10, small));
    out.obx(canvas, mu(31));
}

void highscorePage(AssetWriter& out) {
    pageTitle(out, "HIGHSCORES", 330, 50, mu(26));
    highscoreFrame(out);
    heading(out, "NAME", 80, mu(29));
    heading(out, "SCORE", 80, mu(30));
    livesHeading(out);
}

struct Run {
    const char* text;
    Rgb colour;
};

// One line of lettering made of runs of different colours.
void drawRuns(cairo_t* cr, const std::vector<Run>& runs, double x, double y, double size) {
    for (const Run& run : runs) {
        TextStyle style;
        style.sizePx = size;
        style.letterSpacing = 1;
        style.fill = run.colour;
        style.outlineWidth = 1.5;
        drawText(cr, run.text, x, y, style);
        // Word spaces have no ink of their own, so a run's trailing space
        // is measured by a stand-in letter.
        const std::string text = run.text;
        const bool spaced = !text.empty() && text.back() == ' ';
        x += measureText(spaced ? text.substr(0, text.size() - 1) : text, style).width +
             (spaced ? size * 0.28 : 0) - style.outlineWidth;
    }
}

void infoText(AssetWriter& out) {
    const int w = 340, h = 180;
    Canvas canvas(w, h);
    cairo_t* cr = canvas.cr();
    roundedRect(cr, 1.5, 1.5, w - 3, h - 3, 10);
    shadeAndOutline(cr, kPanel, 0, 0, w, h);
    const Rgb text = kItemText;
    const Rgb gold{1.0, 0.82, 0.30};
    const Rgb danger{1.0, 0.45, 0.35};
    const std::vector<std::vector<Run>> lines = {
        {{"STEER ", text}, {"ARROWS ", kPlayer1}, {"OR ", text}, {"W A S D", kPlayer1}},
        {{"TWO PLAYERS ", text}, {"ARROWS ", kPlayer1}, {"AND ", text}, {"W A S D", kPlayer2}},
        {{"FLY CLOSE PAST FOR ", text},
         {"5 ", gold},
         {"/ ", text},
         {"10 ", gold},
         {"/ ", text},
         {"15 ", gold},
         {"POINTS", text}},
        {{"TOUCHING ANYTHING KILLS ", danger}, {"-30 ", gold}},
        {{"X2 ", gold}, {"DOUBLES YOUR SCORE ", text}, {"\u00bd ", gold}, {"HALVES IT", text}},
        {{"RAM THE BRAIN ", text}, {"3 TIMES ", gold}, {"TO BEAT IT", text}},
        {{"SPACE ", gold}, {"PAUSES ", text}, {"ESC ", gold}, {"SKIPS THE STORY", text}},
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        drawRuns(cr, lines[i], 14, 10 + 23.5 * i, 19);
    }
    out.obx(canvas, mu(33));
}

void infoPage(AssetWriter& out) {
    pageTitle(out, "HOW TO PLAY", 330, 46, mu(32));
    infoText(out);
}

void makeMenuArt(AssetWriter& out) {
    background(out);
    mainItems(out);
    optionsPage(out);
    highscorePage(out);
    infoPage(out);
}

}  // namespace

const AssetModule kMenuArt = {"menu", 31, &makeMenuArt};
