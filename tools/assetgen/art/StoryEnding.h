#pragma once

#include <cairo.h>

// The closing scene: the brain bursts (3_1), the tunnels fall in as the
// craft races for the daylight (3_2), and the craft comes home over the sea
// to the city in the morning (3_3), with the sky left open for the caption.
class StoryEnding {
  public:
    static void paintBurst(cairo_t* cr);
    static void paintEscape(cairo_t* cr);
    static void paintHome(cairo_t* cr);

  private:
    static void paintShockwave(cairo_t* cr, double cx, double cy);
    static void paintFlyingChunks(cairo_t* cr, double cx, double cy);
    static void paintCollapsingWalls(cairo_t* cr);
    static void paintDaylightExit(cairo_t* cr, double cx, double cy, double r);
    static void paintFallingChunks(cairo_t* cr);
    static void paintMorningSky(cairo_t* cr);
    static void paintClouds(cairo_t* cr);
    static void paintSea(cairo_t* cr);
    static void paintShore(cairo_t* cr);
    static void paintHomeCity(cairo_t* cr);
    static void paintBirds(cairo_t* cr);
};
