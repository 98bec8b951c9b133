#include "courses/course4/Level4Pictures.h"

#include <cstdio>

namespace {

// Loads "data/<folder>/<prefix><number>.obx" with the number in digits.
void loadNumbered(ObxImage& image, const char* folderAndPrefix, int number, int digits,
                  SDL_Surface* screen) {
    char path[64];
    std::snprintf(path, sizeof path, "data/%s%0*d.obx", folderAndPrefix, digits, number);
    loadObxImage(image, path, screen);
}

void loadCourseFile(ObxImage& image, int number, SDL_Surface* screen) {
    loadNumbered(image, "L4/", number, 4, screen);
}

// The smallest box holding every solid pixel; empty for a picture without.
Box solidBounds(const ObxImage& image) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.isSolidPixel(x, y)) {
                left = x < left ? x : left;
                right = x > right ? x : right;
                top = y < top ? y : top;
                bottom = y;
            }
        }
    }
    if (right < 0) {
        return Box{0, 0, 0, 0};
    }
    return Box{left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

void Level4Pictures::load(SDL_Surface* screen) {
    loadField(screen);
    loadChamber(screen);
    loadShared(screen);
    measureSolidParts();
}

void Level4Pictures::measureSolidParts() {
    for (int i = 0; i < kChamberPieces; ++i) {
        chamberSolid[i] = solidBounds(chamber[i]);
    }
    frontWallSolid = solidBounds(frontWall);
}

void Level4Pictures::loadField(SDL_Surface* screen) {
    loadObxImage(craft, "data/M/m001.obx", screen);
    loadCourseFile(background, 4038, screen);
    loadCourseFile(topBand, 4039, screen);
    loadCourseFile(bottomBand, 4040, screen);
    loadObxImage(bossCue, "data/L4/bt.obx", screen);
    loadObxImage(arrow, "data/L4/arrow.obx", screen);
    loadCourseFile(obstacles[0], 4041, screen);
    for (int i = 1; i < kObstacles; ++i) {
        loadCourseFile(obstacles[i], 4004 + i, screen);
    }
    loadCourseFile(unusedObstacle, 4011, screen);
    for (int i = 0; i < kLetters; ++i) {
        loadNumbered(letters[i], "H/h", i + 1, 3, screen);
    }
    for (int i = 0; i < kScenery; ++i) {
        loadCourseFile(scenery[i], 4012 + i, screen);
    }
}

void Level4Pictures::loadChamber(SDL_Surface* screen) {
    for (int i = 0; i < kChamberPieces; ++i) {
        loadCourseFile(chamber[i], 4018 + i, screen);
    }
    loadCourseFile(frontWall, 4021, screen);
    loadCourseFile(backWall, 4022, screen);
    loadCourseFile(brain, 4023, screen);
    loadCourseFile(segment, 4024, screen);
    for (int i = 0; i < kProjectiles; ++i) {
        loadCourseFile(projectiles[i], 4025 + i, screen);
    }
    loadCourseFile(fade, 4028, screen);
    for (int i = 0; i < kBeamOpenings; ++i) {
        loadCourseFile(beamOpening[i], 4029 + i, screen);
    }
    loadCourseFile(beam[0], 4034, screen);
    loadCourseFile(beam[1], 4035, screen);
    loadCourseFile(brainFlash, 4036, screen);
    loadCourseFile(segmentFlash, 4037, screen);
}

void Level4Pictures::loadShared(SDL_Surface* screen) {
    loadObxImage(digitZero, "data/M/m039.obx", screen);
    loadObxImage(digitOne, "data/M/m040.obx", screen);
    loadObxImage(digitFive, "data/M/m044.obx", screen);
    loadObxImage(doubling, "data/M/m054.obx", screen);
    loadObxImage(halving, "data/M/m055.obx", screen);
}
