#include "courses/ScorePopup.h"

namespace {

void setDigitAlpha(const PopupDigits& digits, int alpha) {
    digits.zero->setAlpha(alpha);
    digits.one->setAlpha(alpha);
    digits.five->setAlpha(alpha);
}

}  // namespace

void prepareFadingDigits(ObxImage& zero, ObxImage& one, ObxImage& five, SDL_Surface* screen) {
    zero.prepareFading(screen);
    one.prepareFading(screen);
    five.prepareFading(screen);
}

void drawScorePopup(const ScorePopup& popup, const PopupDigits& digits, SDL_Surface* screen) {
    setDigitAlpha(digits, 255);
    if (popup.timer <= 0) {
        return;
    }
    if (popup.timer > 10) {
        setDigitAlpha(digits, static_cast<Uint8>(255 - 25 * (popup.timer - 10)));
    }
    const int left = static_cast<int>(popup.x - 11.0f);
    const int top = static_cast<int>(popup.y);
    switch (popup.value) {
        case 5:
            digits.five->draw(screen, left, top);
            break;
        case 10:
            digits.one->draw(screen, left - 22, top);
            digits.zero->draw(screen, left, top);
            break;
        case 15:
            digits.one->draw(screen, left - 22, top);
            digits.five->draw(screen, left, top);
            break;
        default:
            break;
    }
}
