#pragma once

#include <initializer_list>
#include <string>

// The run folder the build generates (the game, its icon, "data/" and
// "sound/"). Tests never use it in place: loading a picture rewrites its
// first bytes and a game may write its highscore file, so they copy the
// entries they need into a folder of their own.
class GeneratedRunFolder {
  public:
    static std::string path();
    // Copies each named entry ("data", "sound", "X.bmp", "kavrel") that the
    // run folder has into folder, recursively. False when "data" was asked
    // for and could not be copied, or another copy failed.
    static bool copyInto(const std::string& folder, std::initializer_list<const char*> entries);
};
