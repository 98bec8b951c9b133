#pragma once

#include <string>

#include "KeyTimeline.h"

// The command line of kavrel-snapshot.
class SnapshotOptions {
  public:
    static constexpr int kMaxShots = 64;

    struct Shot {
        int frame;
        std::string path;
    };

    // 0 when the arguments were understood; otherwise prints why and -1.
    int parse(int argc, char** argv);
    static void printUsage();

    std::string runFolder;
    int frames = 0;
    int mode = 0;  // 0: stay in the menu
    int players = 1;
    KeyTimeline keys;
    Shot shots[kMaxShots];
    int shotCount = 0;

  private:
    int addShot(const char* text, const std::string& outFolder);
};
