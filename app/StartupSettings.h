#pragma once

// What the program reads before it opens its window.
class StartupSettings {
  public:
    // The integer of the start-up file: non-zero asks for full screen. A
    // missing file or one that does not start with an integer gives 0, a
    // window.
    static int readFullScreen(const char* path);

    // True when SDL, left to choose by itself, settled on a video driver that
    // shows nothing (there is no display). A driver the user asked for by
    // name in SDL_VIDEODRIVER is taken as it is.
    static bool showsNothing(const char* driverName, const char* requestedDriver);
};
