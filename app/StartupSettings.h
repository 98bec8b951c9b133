#pragma once

// What the program reads before it opens its window, and the full-screen
// choice it keeps for the next start.
class StartupSettings {
  public:
    static constexpr const char* kStartupFile = "data/info.txt";

    // The integer of the start-up file: non-zero asks for full screen. A
    // missing file or one that does not start with an integer gives 0, a
    // window.
    static int readFullScreen(const char* path);
    // Writes 1 or 0 into a new file beside path and renames it over path, so
    // that a crash never leaves half a file. 0, or -1 when it could not.
    static int writeFullScreen(const char* path, int fullScreen);

    // True when SDL, left to choose by itself, settled on a video driver that
    // shows nothing (there is no display). A driver the user asked for by
    // name in SDL_VIDEODRIVER is taken as it is.
    static bool showsNothing(const char* driverName, const char* requestedDriver);
};
