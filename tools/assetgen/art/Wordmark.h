#pragma once

#include <cairo.h>

#include "assetgen/Lettering.h"

// The game's name as the menu and the story show it: chrome letters on a
// deep extruded edge inside a soft cyan halo.
class Wordmark {
  public:
    explicit Wordmark(double sizePx);

    // The letters' size without the halo and the edge.
    TextSize size() const;
    // Draws the letters with their top-left corner at (x, y).
    void draw(cairo_t* cr, double x, double y) const;

  private:
    void drawHalo(cairo_t* cr, double x, double y) const;
    void drawChromeFace(cairo_t* cr, double x, double y) const;

    TextStyle style_;
};
