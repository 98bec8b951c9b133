#pragma once

#include <string>

#include "assetgen/Canvas.h"

// Writes the generated files into the run folder and shows progress as
// "[done/total] what". Every module declares how many files it writes, so the
// total is known before the first one is made.
class AssetWriter {
  public:
    AssetWriter(const std::string& outDir, int totalFiles);

    // A picture in the game's disguised form ("0000" instead of "BM6").
    void obx(const Canvas& canvas, const std::string& relativePath);
    // A plain BMP (the window icon).
    void bmp(const Canvas& canvas, const std::string& relativePath);
    // A PNG with its alpha (the desktop icons).
    void png(const Canvas& canvas, const std::string& relativePath);
    // Any other file: text or bytes written as they stand. keepExisting leaves
    // a file the player already has alone (the highscore table).
    void file(const std::string& relativePath, const std::string& bytes, bool keepExisting = false);
    // Counts a file that another writer (the sound renderer) produced.
    void written(const std::string& relativePath);

    // Full path for relativePath, with its folder created.
    std::string prepare(const std::string& relativePath);
    int done() const { return done_; }
    int failures() const { return failures_; }
    void setModule(const std::string& name) { module_ = name; }

  private:
    std::string outDir_;
    std::string module_;
    int total_;
    int done_ = 0;
    int failures_ = 0;
};

// One group of generated files: a name for the progress line, the number of
// files it writes, and the function that makes them.
struct AssetModule {
    const char* name;
    int files;
    void (*make)(AssetWriter& out);
};
