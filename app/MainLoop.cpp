#include "app/MainLoop.h"

#include <cstdio>

#include "app/EscapeKey.h"
#include "app/StartupSettings.h"

MainLoop::MainLoop(Game& game, SoundBank& sound, SDL_Surface* screen)
    : game_(game), sound_(sound), screen_(screen), step_(game) {}

void MainLoop::run() {
    pads_.open();
    options_.load(kOptionsPath, game_);
    while (!quitRequested_) {
        pass();
    }
    options_.save(game_);
    pads_.close();
}

void MainLoop::pass() {
    const int event = takeOneEvent();
    const Uint32 now = ticks_();
    if (logicFrameIfDue(now)) {
        present();
    } else if (event == ShowAgain) {
        showAgain();
    } else if (event == NoEvent) {
        SDL_Delay(pacer_.idleMs(now));
    }
}

int MainLoop::takeOneEvent() {
    SDL_Event event;
    if (SDL_PollEvent(&event) != 1) {
        return NoEvent;
    }
    return handleEvent(event);
}

int MainLoop::handleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            quitRequested_ = 1;
            return Handled;
        case SDL_VIDEOEXPOSE:
            return ShowAgain;
        case SDL_KEYDOWN:
            return handleKey(event.key.keysym.sym);
        default:
            return Handled;
    }
}

int MainLoop::handleKey(SDLKey key) {
    if (key == SDLK_ESCAPE && EscapeKey::act(game_) == 1) {
        quitRequested_ = 1;
    }
    return key == SDLK_F11 && switchFullScreen() ? ShowAgain : Handled;
}

bool MainLoop::logicFrameIfDue(Uint32 now) {
    if (!pacer_.frameDue(now)) {
        return false;
    }
    KeyState keys = pads_.keysWith(SDL_GetKeyState(nullptr), game_.mode() != ModeNameEntry, now);
    if (pads_.backPressed()) {
        handleEvent(Gamepads::escapeKeyDown());
    }
    pacer_.frameStarted(now);
    ++logicFrames_;
    const int soundEvent = step_.logicFrame(keys);
    options_.saveWhenSettled(game_);
    sound_.setMusicVolume(game_.getMusicVolume());
    if (SoundBank::kindOf(soundEvent) == SoundBank::Quit) {
        quitRequested_ = 1;
    } else {
        sound_.play(soundEvent);
    }
    return true;
}

void MainLoop::present() {
    game_.render();
    showAgain();
}

// The screen keeps the last picture drawn: showing it again draws nothing,
// so a course's flame takes no extra numbers from rand.
void MainLoop::showAgain() {
    ++presents_;
    if (screen_) {
        SDL_UpdateRect(screen_, 0, 0, 0, 0);
    }
}

bool MainLoop::switchFullScreen() {
    if (!screen_ || SDL_WM_ToggleFullScreen(screen_) == 0) {
        std::fprintf(stderr, "kavrel: cannot switch between window and full screen: %s\n",
                     SDL_GetError());
        return false;
    }
    const int fullScreen = (screen_->flags & SDL_FULLSCREEN) != 0 ? 1 : 0;
    if (StartupSettings::writeFullScreen(StartupSettings::kStartupFile, fullScreen) != 0) {
        std::fprintf(stderr, "kavrel: cannot keep the full-screen choice in %s\n",
                     StartupSettings::kStartupFile);
    }
    return true;
}
