#pragma once

#include <SDL.h>

#include "assets/Collision.h"
#include "assets/ObxImage.h"

// Every picture course 4 loads, in its loading order. The course holds its
// own copies of the popup digits because drawing changes their alpha.
struct Level4Pictures {
    static constexpr int kObstacles = 7;
    static constexpr int kLetters = 26;
    static constexpr int kScenery = 6;
    static constexpr int kChamberPieces = 3;
    static constexpr int kProjectiles = 3;
    static constexpr int kBeamOpenings = 5;

    ObxImage craft;  // the silhouette shots are tested against; never drawn
    ObxImage background;
    ObxImage topBand;
    ObxImage bottomBand;
    ObxImage bossCue;
    ObxImage arrow;
    ObxImage obstacles[kObstacles];
    ObxImage unusedObstacle;
    ObxImage letters[kLetters];  // loaded with the course, drawn elsewhere
    ObxImage scenery[kScenery];
    ObxImage chamber[kChamberPieces];
    ObxImage frontWall;
    ObxImage backWall;
    ObxImage brain;
    ObxImage segment;
    ObxImage projectiles[kProjectiles];
    ObxImage fade;
    ObxImage beamOpening[kBeamOpenings];
    ObxImage beam[2];
    ObxImage brainFlash;
    ObxImage segmentFlash;
    ObxImage digitZero;
    ObxImage digitOne;
    ObxImage digitFive;
    ObxImage doubling;
    ObxImage halving;

    // Where the chamber pieces and the front wall are solid, relative to
    // their pictures' corners: the hard parts a pilot has to keep clear of
    // (the pictures themselves are mostly open room).
    Box chamberSolid[kChamberPieces] = {};
    Box frontWallSolid = {};

    void load(SDL_Surface* screen);

  private:
    void loadField(SDL_Surface* screen);
    void loadChamber(SDL_Surface* screen);
    void loadShared(SDL_Surface* screen);
    void measureSolidParts();
};
