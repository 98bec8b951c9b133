#include "assetgen/art/StoryCaptions.h"

#include <algorithm>
#include <cmath>

namespace {

// Clear room around the lettering, so that no outline touches the edge.
constexpr int kMargin = 1;
constexpr double kLineGap = 6.0;
constexpr double kWidest = 776.0;

const StoryCaptions::Caption kCaptions[] = {
    {"data/MS/ms_01_01.obx", {"SOMETHING HAS WOKEN FAR BELOW THE CITY.", nullptr}},
    {"data/MS/ms_01_02.obx", {"A CALL FOR HELP RISES OUT OF THE DARK.", nullptr}},
    {"data/MS/ms_01_03.obx", {"THE CITY HAS SEALED EVERY WAY DOWN.", nullptr}},
    {"data/MS/ms_01_04.obx", {"ONE PILOT TAKES THE FASTEST CRAFT.", nullptr}},
    {"data/MS/ms_01_05.obx", {"THE ONLY WAY IN IS THE LONG WAY ROUND.", nullptr}},
    {"data/MS/ms_01_06.obx", {"THROUGH SPACE, OVER THE SEA, INTO THE SEWERS.", nullptr}},
    {"data/MS/ms_02_01.obx", {"A GIANT BRAIN RULES THIS HUNGRY BEAST.", nullptr}},
    {"data/MS/ms_02_02.obx", {"RAM THE BRAIN THREE TIMES TO KILL IT.", nullptr}},
    {"data/MS/ms_03_01.obx", {"THE BRAIN IS DEAD. THE CITY IS SAFE.", "WELCOME HOME, PILOT."}},
};

int lineCount(const StoryCaptions::Caption& caption) {
    return caption.lines[1] ? 2 : 1;
}

}  // namespace

// The display font at 42 pixels, or smaller if a fallback font would make
// the longest line too wide for the screen.
StoryCaptions::StoryCaptions() {
    style_.fill = kWhite;
    style_.outline = kOutline;
    style_.outlineWidth = 3.0;
    style_.letterSpacing = 1.5;
    for (style_.sizePx = 42.0; style_.sizePx > 12; style_.sizePx -= 1.0) {
        bool fits = true;
        for (const Caption& caption : kCaptions) {
            for (int i = 0; i < lineCount(caption); ++i) {
                fits = fits && measureText(caption.lines[i], style_).width + 2 * kMargin <= kWidest;
            }
        }
        if (fits) {
            break;
        }
    }
}

int StoryCaptions::count() const {
    return static_cast<int>(sizeof kCaptions / sizeof kCaptions[0]);
}

const StoryCaptions::Caption& StoryCaptions::at(int index) const {
    return kCaptions[index];
}

StoryCaptions::Size StoryCaptions::size(const Caption& caption) const {
    double width = 0, height = 0;
    for (int i = 0; i < lineCount(caption); ++i) {
        const TextSize line = measureText(caption.lines[i], style_);
        width = std::max(width, line.width);
        height += line.height + (i > 0 ? kLineGap : 0.0);
    }
    return Size{static_cast<int>(std::ceil(width)) + 2 * kMargin,
                static_cast<int>(std::ceil(height)) + 2 * kMargin};
}

void StoryCaptions::draw(cairo_t* cr, const Caption& caption) const {
    const Size whole = size(caption);
    double y = kMargin;
    for (int i = 0; i < lineCount(caption); ++i) {
        const TextSize line = measureText(caption.lines[i], style_);
        drawText(cr, caption.lines[i], std::floor((whole.width - line.width) / 2), y, style_);
        y += line.height + kLineGap;
    }
}
