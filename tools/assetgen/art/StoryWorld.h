#pragma once

#include <cairo.h>

#include <cstdint>

// The pilot's home world seen from space: a blue sphere with seas, land and
// clouds, lit from the upper left. paint draws it whole with land strewn at
// random; begin, land, clouds and end let a picture place its own coasts.
class StoryWorld {
  public:
    StoryWorld(double cx, double cy, double r) : cx_(cx), cy_(cy), r_(r) {}

    void paint(cairo_t* cr, std::uint32_t seed) const;

    // The air's glow and the ocean; clips to the sphere until end.
    void begin(cairo_t* cr) const;
    void land(cairo_t* cr, double x, double y, double rx, double ry, std::uint32_t seed) const;
    void clouds(cairo_t* cr, int count, std::uint32_t seed) const;
    // The shadow over the lower right, then the lit rim of air.
    void end(cairo_t* cr) const;

  private:
    double cx_;
    double cy_;
    double r_;
};
