#include "courses/GateOutro.h"

namespace {

constexpr float kBoxLeft = 100.0f;
constexpr float kBoxRight = 108.0f;
constexpr float kBoxTop = 250.0f;
constexpr float kBoxBottom = 258.0f;
constexpr float kSteerStep = 3.0f;
constexpr int kGateStep = 2;
constexpr float kFlyOffEnd = 600.0f;

float stepToward(float value, float low, float high) {
    if (value > high) {
        return value - kSteerStep;
    }
    if (value < low) {
        return value + kSteerStep;
    }
    return value;
}

}  // namespace

Position GateOutro::steer(CourseState& state, float x, float y) {
    x_ = x;
    y_ = y;
    if (state == Approach) {
        return gather(state);
    }
    if (state == FlyOff && x_ < kFlyOffEnd) {
        x_ += 10.0f;
        y_ += 1.0f;
        return Position{x_, y_};
    }
    return Position{x, y};
}

Position GateOutro::gather(CourseState& state) {
    x_ = stepToward(x_, kBoxLeft, kBoxRight);
    y_ = stepToward(y_, kBoxTop, kBoxBottom);
    if (gateX_ > gateStop_) {
        gateX_ -= kGateStep;
    }
    const bool inBox = kBoxLeft <= x_ && x_ <= kBoxRight && kBoxTop <= y_ && y_ <= kBoxBottom;
    if (inBox && gateX_ <= gateStop_) {
        state = FlyOff;
    }
    return Position{x_, y_};
}

int GateOutro::progress(CourseState state) const {
    if (state != FlyOff) {
        return -1;
    }
    if (x_ >= finishedAt_) {
        return 100;
    }
    int frame = 0;
    for (float edge = 150.0f; frame < 8 && x_ >= edge; edge += 50.0f) {
        ++frame;
    }
    return frame;
}
