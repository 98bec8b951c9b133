#include "frontend/CutscenePlayer.h"

namespace {

// In loading order; the last one is loaded but never drawn.
constexpr const char* kPictureFiles[CutscenePlayer::kPictures] = {
    "data/MS/1_1.obx",      "data/MS/1_2.obx",      "data/MS/1_3.obx",      "data/MS/logo.obx",
    "data/MS/1_4.obx",      "data/MS/2_1.obx",      "data/MS/2_2.obx",      "data/MS/2_3.obx",
    "data/MS/3_1.obx",      "data/MS/3_2.obx",      "data/MS/3_3.obx",      "data/MS/ms_01_01.obx",
    "data/MS/ms_01_02.obx", "data/MS/ms_01_03.obx", "data/MS/ms_01_04.obx", "data/MS/ms_01_05.obx",
    "data/MS/ms_01_06.obx", "data/MS/ms_02_01.obx", "data/MS/ms_02_02.obx", "data/MS/ms_03_01.obx",
    "data/MS/bk.obx"};

enum Picture {
    Intro1 = 0,
    Intro2,
    Intro3,
    Logo,
    Intro4,
    Middle1,
    Middle2,
    Middle3,
    End1,
    End2,
    End3,
    Caption0101,
    Caption0102,
    Caption0103,
    Caption0104,
    Caption0105,
    Caption0106,
    Caption0201,
    Caption0202,
    Caption0301
};

constexpr int kNone = -1;
constexpr int kSceneEnd = 1000;
constexpr int kSceneMusic[CutscenePlayer::kScenes] = {5, 6, 7};
constexpr int kSceneLength[CutscenePlayer::kScenes] = {26, 15, 19};

// The opening's captions by frame: from this frame on, until the next row.
struct CaptionSpan {
    int firstFrame;
    int upper;
    int lower;
};
constexpr CaptionSpan kOpeningCaptions[] = {
    {0, kNone, kNone},         {30, Caption0101, Caption0102}, {180, kNone, Caption0103},
    {245, kNone, Caption0104}, {325, kNone, Caption0105},      {430, kNone, Caption0106},
    {530, kNone, kNone},
};

CutscenePlayer::Shot emptyShot(int picture) {
    return CutscenePlayer::Shot{picture, {kNone, kNone}, {510, 550}, 400};
}

}  // namespace

void CutscenePlayer::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    for (int i = 0; i < kPictures; ++i) {
        loadObxImage(pictures_[i], kPictureFiles[i], screen);
    }
}

void CutscenePlayer::start(int scene) {
    frame_ = 0;
    seconds_ = 0;
    minutes_ = 0;
    pendingSound_ = scene >= 0 && scene < kScenes ? kSceneMusic[scene] : kNoSound;
}

void CutscenePlayer::setClock(int seconds, int minutes) {
    seconds_ = seconds;
    minutes_ = minutes;
}

void CutscenePlayer::setFrame(int frame) {
    frame_ = frame;
}

int CutscenePlayer::sceneLength(int scene) {
    return scene >= 0 && scene < kScenes ? kSceneLength[scene] : 0;
}

int CutscenePlayer::handleInput(KeyState, int scene) {
    return scene >= 0 && scene < kScenes && seconds_ == kSceneLength[scene] ? kSceneEnd : 0;
}

int CutscenePlayer::takeSoundEvent() {
    const int event = pendingSound_;
    pendingSound_ = kNoSound;
    return event;
}

CutscenePlayer::Shot CutscenePlayer::sceneZero() const {
    int picture = Intro4;
    if (seconds_ < 8) {
        picture = Intro1;
    } else if (seconds_ < 12) {
        picture = Intro2;
    } else if (seconds_ < 20) {
        picture = Intro3;
    } else if (seconds_ < 22) {
        picture = Logo;
    }
    Shot shot = emptyShot(picture);
    for (const CaptionSpan& span : kOpeningCaptions) {
        if (frame_ >= span.firstFrame) {
            shot.captions[0] = span.upper;
            shot.captions[1] = span.lower;
        }
    }
    return shot;
}

CutscenePlayer::Shot CutscenePlayer::sceneOne() const {
    if (seconds_ < 3) {
        return emptyShot(Middle1);
    }
    Shot shot = emptyShot(frame_ < 215 ? Middle2 : Middle3);
    if (frame_ < 210) {
        shot.captions[0] = Caption0201;
        shot.captions[1] = Caption0202;
    }
    return shot;
}

CutscenePlayer::Shot CutscenePlayer::sceneTwo() const {
    if (frame_ < 120) {
        return emptyShot(End1);
    }
    if (seconds_ < 8) {
        return emptyShot(End2);
    }
    Shot shot = emptyShot(End3);
    shot.captions[0] = Caption0301;
    shot.captionY[0] = 260;
    shot.captionCentreX = 340;
    return shot;
}

CutscenePlayer::Shot CutscenePlayer::shot(int scene) const {
    switch (scene) {
        case 0:
            return sceneZero();
        case 1:
            return sceneOne();
        case 2:
            return sceneTwo();
        default:
            return emptyShot(kNone);
    }
}

void CutscenePlayer::draw(int scene) {
    const Shot s = shot(scene);
    if (s.picture == kNone) {
        return;
    }
    pictures_[s.picture].draw(screen_, 0, 0);
    for (int i = 0; i < 2; ++i) {
        if (s.captions[i] != kNone) {
            const ObxImage& caption = pictures_[s.captions[i]];
            caption.draw(screen_, s.captionCentreX - caption.width() / 2, s.captionY[i]);
        }
    }
}
