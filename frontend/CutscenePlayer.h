#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "game/Types.h"

// The three still-picture scenes with captions: before course 1 (0), before
// course 4 (1) and after course 4 (2). A scene follows the Game's frame
// counter and clock, which it is handed every frame and every second.
class CutscenePlayer {
  public:
    static constexpr int kScenes = 3;
    static constexpr int kPictures = 21;

    void loadImages(SDL_Surface* screen);
    // Restarts the scene's clocks and queues its music.
    void start(int scene);
    void setClock(int seconds, int minutes);
    void setFrame(int frame);
    // 1000 once the scene has run its length; 0 otherwise. Keys change
    // nothing (Escape is the frame loop's).
    int handleInput(KeyState keys, int scene);
    int takeSoundEvent();
    void draw(int scene);

    // What draw shows at the current clocks: the picture's index in loading
    // order and up to two captions' indexes (-1 for none), with their places.
    struct Shot {
        int picture;
        int captions[2];
        int captionY[2];
        int captionCentreX;
    };
    Shot shot(int scene) const;
    static int sceneLength(int scene);

  private:
    Shot sceneZero() const;
    Shot sceneOne() const;
    Shot sceneTwo() const;

    SDL_Surface* screen_ = nullptr;
    ObxImage pictures_[kPictures];
    int frame_ = 0;
    int seconds_ = 0;
    int minutes_ = 0;
    int pendingSound_ = kNoSound;
};
