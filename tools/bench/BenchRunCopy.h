#pragma once

#include <string>

// A private copy of the run folder's "data/" (and "sound/", when asked and
// there is one) in
// a temporary folder: loading a picture rewrites its first bytes, so the
// benchmark never loads the game in place. Removed when the object goes.
class BenchRunCopy {
  public:
    BenchRunCopy(const std::string& runFolder, bool withSound);
    ~BenchRunCopy();
    BenchRunCopy(const BenchRunCopy&) = delete;
    BenchRunCopy& operator=(const BenchRunCopy&) = delete;

    // "" when the copy could not be made.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};
