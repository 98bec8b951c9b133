#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/GameDriver.h"

// Where a replay begins: the menu (mode 0 here), or a course entered as a
// new game would reach it, with the player count.
struct ReplayStart {
    int mode = 0;
    int players = 1;
};

// The input of one logic frame: Escape pressed just before it (as the main
// loop takes a key-down event), and the keys held during it.
struct ReplayFrame {
    bool escape = false;
    std::vector<int> keys;
    bool operator==(const ReplayFrame& o) const { return escape == o.escape && keys == o.keys; }
};

// What a replay ends with, and the fingerprint of every frame on the way
// (read back from a file: the fingerprints alone).
struct ReplayOutcome {
    std::vector<ModeChange> modes;
    int mode = 0;
    int score[2] = {};
    int lives[2] = {};
    int status[2] = {};
    std::vector<std::uint16_t> digests;  // digests[f - 1] after frame f
};

// A recorded run of the game as a small text file (kavrel-record writes
// them): how it starts, the keys of every frame and the outcome it had when
// it was recorded.
class ReplayRecording {
  public:
    std::string name;
    std::string about;
    ReplayStart start;
    std::vector<ReplayFrame> frames;
    ReplayOutcome expected;

    // "" when the file was read, otherwise what is wrong with it.
    std::string read(const std::string& path);

    // The name a key is written with, and the key of a name (-1 if none).
    static std::string keyName(int key);
    static int keyNamed(const std::string& name);

  private:
    std::string readKeys(const std::string& line);
    std::string readDigests(const std::string& line);

    bool pendingEscape_ = false;
};
