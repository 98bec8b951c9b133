#pragma once

#include <string>

// Makes a folder the working directory for as long as the object lives, so
// that code loading relative "data/..." paths reads a test's own files; the
// previous working directory comes back when the object goes.
class WorkingDirectory {
  public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    // False when the folder could not be entered (the old one is kept).
    bool entered() const { return entered_; }

  private:
    std::string previous_;
    bool entered_ = false;
};
