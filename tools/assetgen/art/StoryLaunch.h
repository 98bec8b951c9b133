#pragma once

#include <cairo.h>

#include <cstdint>

// The rest of the opening: the long way in, drawn over the home world
// (1_3), the title (logo) and the craft shooting off into the asteroids
// (1_4).
class StoryLaunch {
  public:
    static void paintRoute(cairo_t* cr);
    static void paintTitle(cairo_t* cr);
    static void paintLaunch(cairo_t* cr);

  private:
    static void paintSpace(cairo_t* cr, std::uint32_t seed);
    static void paintStation(cairo_t* cr, double cx, double cy, double size);
    static void paintAsteroid(cairo_t* cr, double cx, double cy, double r, std::uint32_t seed,
                              bool near);
    static void paintRouteLine(cairo_t* cr);
    static void paintMarker(cairo_t* cr, double x, double y, const char* number);
    static void paintTitleLetters(cairo_t* cr);
    static void paintAsteroidField(cairo_t* cr);
};
