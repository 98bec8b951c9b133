#include "app/MainLoop.h"

#include "app/EscapeKey.h"

MainLoop::MainLoop(Game& game, SoundBank& sound, SDL_Surface* screen)
    : game_(game), sound_(sound), screen_(screen), step_(game) {}

void MainLoop::run() {
    while (!quitRequested_) {
        pass();
    }
}

void MainLoop::pass() {
    takeOneEvent();
    logicFrameIfDue(SDL_GetTicks());
    present();
}

bool MainLoop::takeOneEvent() {
    SDL_Event event;
    if (SDL_PollEvent(&event) != 1) {
        return false;
    }
    handleEvent(event);
    return true;
}

void MainLoop::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_QUIT) {
        quitRequested_ = 1;
    } else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) {
        if (EscapeKey::act(game_) == 1) {
            quitRequested_ = 1;
        }
    }
}

bool MainLoop::logicFrameIfDue(Uint32 now) {
    if (!pacer_.frameDue(now)) {
        return false;
    }
    KeyState keys = SDL_GetKeyState(nullptr);
    pacer_.frameStarted(now);
    ++logicFrames_;
    const int soundEvent = step_.logicFrame(keys);
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
    ++presents_;
    if (screen_) {
        SDL_UpdateRect(screen_, 0, 0, 0, 0);
    }
}
