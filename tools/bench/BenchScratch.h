#pragma once

#include <SDL.h>

#include <string>

// A temporary folder for the pictures a benchmark makes for itself; removed
// with its contents when the object goes.
class BenchScratch {
  public:
    BenchScratch();
    ~BenchScratch();
    BenchScratch(const BenchScratch&) = delete;
    BenchScratch& operator=(const BenchScratch&) = delete;

    bool ready() const { return !path_.empty(); }
    // Saves surface as a picture file named name in the folder and returns
    // its path, or "" when it could not be written.
    std::string savePicture(SDL_Surface* surface, const std::string& name) const;

  private:
    std::string path_;
};
