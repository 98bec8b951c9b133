#pragma once

#include <cairo.h>

#include <string>

#include "assetgen/Style.h"

// All lettering of the game: one bold condensed display font (Bebas Neue,
// falling back to DejaVu Sans Bold), light letters with a dark outline.
struct TextStyle {
    double sizePx = 32.0;
    Rgb fill = Rgb{0.95, 0.96, 1.0};
    Rgb outline = kOutline;
    double outlineWidth = 3.0;
    double letterSpacing = 1.0;  // in pixels
};

struct TextSize {
    double width;
    double height;
};

TextSize measureText(const std::string& text, const TextStyle& style);
// Draws text with its top-left corner at (x, y).
void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style);
// Draws text centred on (cx, cy).
void drawTextCentred(cairo_t* cr, const std::string& text, double cx, double cy,
                     const TextStyle& style);
// The style at the largest size (down to 6 px) whose lettering fits w by h.
TextStyle fitTextStyle(const std::string& text, double w, double h, TextStyle style);
