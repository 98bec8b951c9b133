#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

// A level that moves in straight lines between points in time (seconds);
// before the first point it holds the first level, after the last the last.
class Envelope {
  public:
    Envelope(std::initializer_list<std::pair<double, double>> points) : points_(points) {}

    double at(double seconds) const;

  private:
    std::vector<std::pair<double, double>> points_;
};
