#pragma once

#include <cstdint>

#include "game/Game.h"

// A short fingerprint of what a logic frame left behind: the screen and
// clock, scores, statuses, both crafts, and everything of the current course
// that can hurt a craft or change a score. Two runs that differ in any rule
// part to different fingerprints within a frame or two.
class GameDigest {
  public:
    // 16 bits of the fingerprint, enough to tell one frame from a drifted one.
    static std::uint16_t of(const Game& game, int soundEvent);

  private:
    void add(std::int32_t value);
    void add(float value);
    void addCraft(const Player& craft);
    void addCourse(const Game& game);
    void addBoss(const Level4& level);

    std::uint32_t hash_ = 2166136261u;
};
