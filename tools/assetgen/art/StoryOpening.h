#pragma once

#include <cairo.h>

// The opening's first two pictures: the call for help rising out of the
// dark under the city at night (1_1), and the craft waiting in its hangar
// in orbit (1_2).
class StoryOpening {
  public:
    static void paintCallFromBelow(cairo_t* cr);
    static void paintHangar(cairo_t* cr);

  private:
    static void paintNightCity(cairo_t* cr);
    static void paintUnderground(cairo_t* cr);
    static void paintSewer(cairo_t* cr);
    static void paintSewerBricks(cairo_t* cr);
    static void paintLair(cairo_t* cr);
    static void paintSignal(cairo_t* cr);

    static void paintHangarWall(cairo_t* cr);
    static void paintBayWindow(cairo_t* cr);
    static void paintHangarFloor(cairo_t* cr);
    static void paintLaunchCradle(cairo_t* cr);
    static void paintPilot(cairo_t* cr, double x, double feetY);
};
