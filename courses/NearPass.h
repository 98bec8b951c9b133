#pragma once

#include "assets/ObxImage.h"
#include "courses/CourseObject.h"
#include "courses/PendingSound.h"
#include "courses/ScorePopup.h"

// The three rings around one obstacle slot; 1 while that ring still pays.
struct RingFlags {
    int outerRing = 0;
    int middleRing = 0;
    int innerRing = 0;

    void arm() { outerRing = middleRing = innerRing = 1; }
};

// The near-pass rule every course shares: the first time a point enters a
// ring it pays 5, and entering an inner ring also pays the outer rings not
// yet paid. Returns the points (0 when nothing paid) and shows the popup.
int grazeTest(int px, int py, const Box& obstacle, RingFlags& rings, ScorePopup& popup,
              PendingSound& sound);

// Tests the craft's four near-pass points (nose, tail, top, bottom) in order
// against one obstacle; each payment sets result to 1000 + points.
void testNearPasses(float x, float y, const Box& obstacle, RingFlags& rings, ScorePopup& popup,
                    PendingSound& sound, int& result);

// Near passes, then the crash test of the six probe points against the
// obstacle's picture. A crash sets result to the obstacle's speed, raises
// sound 10 and returns true: the caller then ends its slot loop.
bool testObstacle(float x, float y, const Obstacle& obstacle, const ObxImage& picture,
                  RingFlags& rings, ScorePopup& popup, PendingSound& sound, int& result);
// The same with the crash looked for in crashArea instead of the obstacle's
// own box (the near passes still go by the obstacle's box).
bool testObstacle(float x, float y, const Obstacle& obstacle, const Box& crashArea,
                  const ObxImage& picture, RingFlags& rings, ScorePopup& popup, PendingSound& sound,
                  int& result);
