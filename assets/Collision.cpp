#include "assets/Collision.h"

const ProbePoint kCraftProbeOffsets[kProbePointCount] = {
    {41, 3}, {0, 28}, {83, 28}, {41, 40}, {41, 12}, {41, 24},
};

void craftProbePoints(float x, float y, ProbePoint out[kProbePointCount]) {
    for (int i = 0; i < kProbePointCount; ++i) {
        out[i].x = static_cast<int>(x + static_cast<float>(kCraftProbeOffsets[i].x));
        out[i].y = static_cast<int>(y + static_cast<float>(kCraftProbeOffsets[i].y));
    }
}

int isSolidPixel(int x, int y, const ObxImage& image) {
    return image.isSolidPixel(x, y);
}

int pointInBox(int px, int py, const Box& box) {
    if (px <= box.x + 1 || px >= box.x + box.width - 1) {
        return 0;
    }
    if (py <= box.y + 1 || py >= box.y + box.height - 1) {
        return 0;
    }
    return 1;
}

int pointHitsImage(int px, int py, const Box& box, const ObxImage& image) {
    if (!pointInBox(px, py, box)) {
        return 0;
    }
    return isSolidPixel(px - box.x, py - box.y, image);
}

int craftHitsImage(float x, float y, const Box& box, const ObxImage& image) {
    ProbePoint points[kProbePointCount];
    craftProbePoints(x, y, points);
    for (int i = 0; i < kProbePointCount; ++i) {
        if (pointHitsImage(points[i].x, points[i].y, box, image)) {
            return i + 1;
        }
    }
    return 0;
}

int craftTouchesBox(float x, float y, const Box& box) {
    ProbePoint points[kProbePointCount];
    craftProbePoints(x, y, points);
    for (int i = 0; i < kProbePointCount; ++i) {
        if (pointInBox(points[i].x, points[i].y, box)) {
            return i + 1;
        }
    }
    return 0;
}
