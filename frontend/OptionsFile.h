#pragma once

#include "frontend/Menu.h"

// The options page's settings kept between runs: plain text, one setting a
// line ("volume 128", "lives 3", "players 1").
constexpr const char* kOptionsPath = "data/options.txt";

class OptionsFile {
  public:
    // A missing file gives the defaults; a line that cannot be read or holds
    // a value the options page cannot set leaves that setting at its default
    // and keeps the others.
    static MenuOptions read(const char* path);
    // Writes beside the file and renames over it, so a failed write keeps the
    // old file. 0 on success, -1 otherwise.
    static int write(const char* path, const MenuOptions& options);
};
