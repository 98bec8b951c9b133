#include "courses/NearPass.h"

namespace {

bool inRing(int px, int py, const Box& b, int margin) {
    return b.x - margin < px && px < b.x + b.width + margin && b.y - margin < py &&
           py < b.y + b.height + margin;
}

int popupValue(int points, const RingFlags& rings) {
    if (points == 10 || points == 15) {
        return points;
    }
    if (rings.middleRing == 1 && rings.innerRing == 1) {
        return 5;
    }
    return rings.innerRing == 1 ? 10 : 15;
}

}  // namespace

int grazeTest(int px, int py, const Box& obstacle, RingFlags& rings, ScorePopup& popup,
              PendingSound& sound) {
    int points = 0;
    if (inRing(px, py, obstacle, 10) && rings.innerRing == 1) {
        rings.innerRing = 0;
        sound.raise(13);
        points = 5;
        if (rings.middleRing == 1) {
            rings.middleRing = 0;
            points = 10;
        }
        if (rings.outerRing == 1) {
            rings.outerRing = 0;
            points += 5;
        }
    } else if (inRing(px, py, obstacle, 20) && rings.middleRing == 1) {
        rings.middleRing = 0;
        sound.raise(12);
        points = 5;
        if (rings.outerRing == 1) {
            rings.outerRing = 0;
            points = 10;
        }
    } else if (inRing(px, py, obstacle, 30) && rings.outerRing == 1) {
        rings.outerRing = 0;
        sound.raise(11);
        points = 5;
    } else {
        return 0;
    }
    popup.value = popupValue(points, rings);
    popup.timer = 1;
    popup.x = static_cast<float>(obstacle.width / 2 + obstacle.x);
    popup.y = static_cast<float>(obstacle.height / 2 + obstacle.y - 11);
    return points;
}

void testNearPasses(float x, float y, const Box& obstacle, RingFlags& rings, ScorePopup& popup,
                    PendingSound& sound, int& result) {
    // Nose, tail, top and bottom; the tail and nose y is computed as the
    // craft's bottom less 12, in float.
    const int sideY = static_cast<int>(y + 40.0f - 12.0f);
    const int points[4][2] = {
        {static_cast<int>(x + 41.0f), static_cast<int>(y)},
        {static_cast<int>(x), sideY},
        {static_cast<int>(x + 83.0f), sideY},
        {static_cast<int>(x + 41.0f), static_cast<int>(y + 40.0f)},
    };
    for (const auto& p : points) {
        const int paid = grazeTest(p[0], p[1], obstacle, rings, popup, sound);
        if (paid > 0) {
            result = 1000 + paid;
        }
    }
}

bool testObstacle(float x, float y, const Obstacle& obstacle, const ObxImage& picture,
                  RingFlags& rings, ScorePopup& popup, PendingSound& sound, int& result) {
    return testObstacle(x, y, obstacle, obstacle.box(), picture, rings, popup, sound, result);
}

bool testObstacle(float x, float y, const Obstacle& obstacle, const Box& crashArea,
                  const ObxImage& picture, RingFlags& rings, ScorePopup& popup, PendingSound& sound,
                  int& result) {
    testNearPasses(x, y, obstacle.box(), rings, popup, sound, result);
    if (craftHitsImage(x, y, crashArea, picture)) {
        result = obstacle.speed;
        sound.raise(10);
        return true;
    }
    return false;
}
