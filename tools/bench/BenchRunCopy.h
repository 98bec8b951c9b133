#pragma once

#include <string>

#include "support/TempFolder.h"

// A private copy of the run folder's "data/" (and "sound/", when asked and
// there is one) in a temporary folder: loading a picture rewrites its first
// bytes, so the benchmark never loads the game in place. Removed when the
// object goes.
class BenchRunCopy {
  public:
    BenchRunCopy(const std::string& runFolder, bool withSound);

    // "" when the copy could not be made.
    const std::string& path() const { return copied_ ? folder_.path() : kNone; }

  private:
    static inline const std::string kNone;
    TempFolder folder_;
    bool copied_ = false;
};
