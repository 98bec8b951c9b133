// The name entry's title and the letters and digits that spell names, lives
// and scores on the highscore list; also the starting highscore table.
#include <cairo.h>

#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/Lettering.h"
#include "assetgen/Shapes.h"
#include "assetgen/Style.h"

namespace {

// The list draws characters 13 pixels apart and the name entry 15, so a
// character is at most 12 wide and keeps a gap in both.
constexpr int kCharWidth = 12;
constexpr int kCharHeight = 22;

constexpr Rgb kLetter{0.92, 0.95, 1.0};
constexpr Rgb kDigit{1.0, 0.86, 0.45};

void character(AssetWriter& out, char c, Rgb colour, int number) {
    Canvas canvas(kCharWidth, kCharHeight);
    cairo_t* cr = canvas.cr();
    TextStyle style;
    style.sizePx = 26;
    style.letterSpacing = 0;
    style.fill = colour;
    style.outlineWidth = 1.2;
    // Every character gets the size at which a plain capital fills the
    // height, so that a name keeps one height; a wide one is narrowed.
    style = fitTextStyle("H", 100, kCharHeight, style);
    const std::string text(1, c);
    const TextSize size = measureText(text, style);
    const double squeeze = size.width > kCharWidth ? kCharWidth / size.width : 1.0;
    cairo_save(cr);
    cairo_translate(cr, kCharWidth / 2.0, 0);
    cairo_scale(cr, squeeze, 1.0);
    drawText(cr, text, -size.width / 2.0, (kCharHeight - size.height) / 2.0, style);
    cairo_restore(cr);
    out.obx(canvas, dataPath("H/h", number, 3));
}

// The name entry draws this at (486, 350) and the typed letters 15 pixels
// apart from (486, 450): under the title, a slot for each of the nine
// letters a name may have, and how to finish.
constexpr int kTitleToLetters = 100;
constexpr int kLetterPitch = 15;
constexpr int kNameLength = 9;

void nameEntryTitle(AssetWriter& out) {
    const int w = 300, height = kTitleToLetters + kCharHeight + 38;
    Canvas canvas(w, height);
    cairo_t* cr = canvas.cr();
    TextStyle style;
    style.sizePx = 40;
    style.letterSpacing = 3;
    style.fill = Rgb{0.86, 0.95, 1.0};
    style.outlineWidth = 3;
    style = fitTextStyle("ENTER YOUR NAME", w - 2, 42, style);
    drawText(cr, "ENTER YOUR NAME", 0, 1, style);
    const double slotY = kTitleToLetters + kCharHeight + 2;
    for (int i = 0; i < kNameLength; ++i) {
        rect(cr, i * kLetterPitch + 0.5, slotY, kCharWidth - 1, 3);
        setColour(cr, Rgb{0.45, 0.88, 1.0});
        cairo_fill_preserve(cr);
        setColour(cr, kOutline);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    TextStyle hint;
    hint.sizePx = 20;
    hint.letterSpacing = 2;
    hint.fill = Rgb{1.0, 0.86, 0.45};
    hint.outlineWidth = 2;
    drawText(cr, "RETURN TO SAVE", 0, slotY + 10, hint);
    out.obx(canvas, "data/H/h000.obx");
}

// The stored form of the default table: each line shifted down by 25.
std::string defaultTableFile() {
    const std::string plain =
        "ZOK\r\n5\r\n500\r\nZOK\r\n4\r\n400\r\nZOK\r\n3\r\n300\r\n"
        "ZOK\r\n2\r\n200\r\nZOK\r\n1\r\n100\r\n1515\r\n";
    std::string stored = plain;
    for (char& c : stored) {
        c = static_cast<char>(static_cast<unsigned char>(c) - 25);
    }
    return stored;
}

void makeHighscoreArt(AssetWriter& out) {
    nameEntryTitle(out);
    for (int i = 0; i < 26; ++i) {
        character(out, static_cast<char>('A' + i), kLetter, 1 + i);
    }
    for (int i = 0; i < 10; ++i) {
        character(out, static_cast<char>('0' + i), kDigit, 27 + i);
    }
    // A new player finds five results to beat; a table already there is
    // the player's own and stays.
    out.file("data/M/007.obx", defaultTableFile(), true);
}

}  // namespace

const AssetModule kHighscoreArt = {"name entry", 38, &makeHighscoreArt};
