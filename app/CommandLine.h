#pragma once

// The options the game may be started with: a window size, full screen or a
// window for this start only, the usage and the version.
class CommandLine {
  public:
    enum Action : int { Play = 0, ShowUsage = 1, ShowVersion = 2, Refused = 3 };
    static constexpr int kAsSaved = -1;

    // Reads the arguments after the program's name; returns the Action.
    int parse(int argc, const char* const* argv);

    // The window factor asked for with --scale, or 0 when none was.
    double scale() const { return scale_; }
    // 1 with --fullscreen, 0 with --window, else kAsSaved: the start-up
    // file decides. The last of the two given wins.
    int fullScreen() const { return fullScreen_; }

    static const char* usage();

  private:
    bool readScale(const char* text);

    double scale_ = 0.0;
    int fullScreen_ = kAsSaved;
};
