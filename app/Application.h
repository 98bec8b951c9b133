#pragma once

#include <SDL.h>

// The program from start to end: reads the command line and the start-up
// file, brings up SDL video and sound, opens the window, loads the sounds and
// the game, and runs the main loop until the player quits. Failing to get a
// window is reported on standard error with exit status 1, a command line it
// does not understand with status 2; failing to get sound is not an error.
class Application {
  public:
    static constexpr int kWidth = 800;
    static constexpr int kHeight = 600;

    int run(int argc, char** argv);

  private:
    static int answer(int action);
    bool startSdl();
    bool haveDisplay();
    void setIcon();
    SDL_Surface* openWindow(int fullScreen);
    void play(SDL_Surface* screen);

    SDL_Surface* icon_ = nullptr;
};
