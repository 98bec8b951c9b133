#include "app/Application.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/CommandLine.h"
#include "app/MainLoop.h"
#include "app/SoundBank.h"
#include "app/StartupSettings.h"
#include "app/WindowScale.h"
#include "game/Game.h"

int Application::run(int argc, char** argv) {
    CommandLine options;
    const int action = options.parse(argc, argv);
    if (action != CommandLine::Play) {
        return answer(action);
    }
    const int fullScreen = options.fullScreen() != CommandLine::kAsSaved
                               ? options.fullScreen()
                               : StartupSettings::readFullScreen(StartupSettings::kStartupFile);
    WindowScale::setUp(options.scale(), fullScreen != 0);
    if (!startSdl()) {
        return 1;
    }
    if (!haveDisplay()) {
        SDL_Quit();
        return 1;
    }
    SDL_WM_SetCaption("Kavrel", "X.bmp");
    setIcon();
    SDL_Surface* screen = openWindow(fullScreen);
    if (screen) {
        play(screen);
    }
    if (icon_) {
        SDL_FreeSurface(icon_);
    }
    SDL_Quit();
    return screen ? 0 : 1;
}

// Usage and version need no display: the program ends before SDL starts.
int Application::answer(int action) {
    if (action == CommandLine::ShowVersion) {
        std::printf("kavrel %s\n", KAVREL_VERSION);
        return 0;
    }
    std::fputs(CommandLine::usage(), action == CommandLine::ShowUsage ? stdout : stderr);
    return action == CommandLine::ShowUsage ? 0 : 2;
}

bool Application::startSdl() {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) == 0) {
        return true;
    }
    // A machine with no sound system at all still gets a silent game.
    if (SDL_Init(SDL_INIT_VIDEO) == 0) {
        return true;
    }
    std::fprintf(stderr, "kavrel: SDL_Init failed: %s\n", SDL_GetError());
    return false;
}

bool Application::haveDisplay() {
    char name[64] = "";
    const char* driver = SDL_VideoDriverName(name, sizeof name);
    if (!StartupSettings::showsNothing(driver, std::getenv("SDL_VIDEODRIVER"))) {
        return true;
    }
    std::fprintf(stderr,
                 "kavrel: no display to open a window on (SDL found only its \"%s\" video "
                 "driver; is DISPLAY set?)\n",
                 driver ? driver : "none");
    return false;
}

void Application::setIcon() {
    SDL_RWops* rw = SDL_RWFromFile("X.bmp", "rb");
    icon_ = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    if (icon_) {
        SDL_WM_SetIcon(icon_, nullptr);
    }
}

SDL_Surface* Application::openWindow(int fullScreen) {
    SDL_Surface* screen =
        SDL_SetVideoMode(kWidth, kHeight, 0, fullScreen != 0 ? SDL_FULLSCREEN : 0);
    if (!screen) {
        std::fprintf(stderr, "kavrel: SDL_SetVideoMode failed: %s\n", SDL_GetError());
    }
    return screen;
}

void Application::play(SDL_Surface* screen) {
    SoundBank sound;
    sound.open();
    sound.loadAll();
    SDL_ShowCursor(SDL_DISABLE);
    // The Game holds every picture and course array; it lives on the heap,
    // made once before the first frame.
    std::unique_ptr<Game> game = std::make_unique<Game>();
    game->loadAll(screen);
    MainLoop loop(*game, sound, screen);
    loop.run();
}
