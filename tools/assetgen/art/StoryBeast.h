#pragma once

#include <cairo.h>

#include <cstdint>

#include "assetgen/Style.h"

// The middle scene: the sewer's end grown over with living flesh (2_1),
// the beast under the city cut open to show its tunnels and its brain
// (2_2), and the brain on its stalk in its chamber (2_3).
class StoryBeast {
  public:
    static void paintSewerEnd(cairo_t* cr);
    static void paintBeast(cairo_t* cr);
    static void paintChamber(cairo_t* cr);

    // Shared with the ending, which shows the same chamber and tunnels.
    static void paintChamberWalls(cairo_t* cr, Rgb tint, double tintAlpha);
    static void vein(cairo_t* cr, ArtRandom& rnd, double x, double y, double dx, double dy,
                     double width, Rgb colour);
    static void paintBilePool(cairo_t* cr);

  private:
    static void paintSewerWall(cairo_t* cr);
    static void paintSewerWater(cairo_t* cr);
    static void paintGullet(cairo_t* cr);
    static void paintUnderCity(cairo_t* cr);
    static void paintBeastBody(cairo_t* cr);
    static void paintBeastHead(cairo_t* cr);
    static void paintBeastInside(cairo_t* cr);
    static void paintSpores(cairo_t* cr, std::uint32_t seed, int count);
};
