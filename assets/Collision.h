#pragma once

#include "assets/ObxImage.h"

// An object's rectangle in screen pixels; for anything tested against its
// picture, width and height are the picture's.
struct Box {
    int x;
    int y;
    int width;
    int height;
};

struct ProbePoint {
    int x;
    int y;
};

// The six points of a craft tested for crashes and pick-ups, in test order,
// relative to its top-left corner: top, left end, right end, bottom, and two
// on the middle line.
constexpr int kProbePointCount = 6;
extern const ProbePoint kCraftProbeOffsets[kProbePointCount];

// The craft's probe points for a craft at (x, y): position plus offset in
// float, truncated toward zero.
void craftProbePoints(float x, float y, ProbePoint out[kProbePointCount]);

int isSolidPixel(int x, int y, const ObxImage& image);

// 1 when the point lies inside the box's inset (columns 2..width-2 and rows
// 2..height-2) and the picture is solid there.
int pointHitsImage(int px, int py, const Box& box, const ObxImage& image);

// The same inset test without reading a pixel (pick-ups count by their box).
int pointInBox(int px, int py, const Box& box);

// Tests the craft's six probe points in order against one object; returns
// the 1-based number of the first point that hits, 0 when none does.
int craftHitsImage(float x, float y, const Box& box, const ObxImage& image);
int craftTouchesBox(float x, float y, const Box& box);
