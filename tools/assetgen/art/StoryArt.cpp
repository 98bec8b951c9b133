// The story: eleven full-screen pictures and nine captions for the three
// cutscenes, and the plain backdrop "bk".
//
// A call for help rises from far below a city. One pilot takes the fastest
// craft the long way in: through space, over the sea and down the sewers.
// The sewers open into a living beast ruled by a giant brain. The brain
// bursts, the tunnels fall in, and the craft flies home into the daylight.
#include <cairo.h>

#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/art/StoryBeast.h"
#include "assetgen/art/StoryBrush.h"
#include "assetgen/art/StoryCaptions.h"
#include "assetgen/art/StoryEnding.h"
#include "assetgen/art/StoryLaunch.h"
#include "assetgen/art/StoryOpening.h"

namespace {

constexpr int kScreenW = 800;
constexpr int kScreenH = 600;

void writePicture(AssetWriter& out, void (*paint)(cairo_t*), const char* name) {
    Canvas canvas(kScreenW, kScreenH);
    paint(canvas.cr());
    out.obx(canvas, std::string("data/MS/") + name + ".obx");
}

void writeCaptions(AssetWriter& out) {
    const StoryCaptions captions;
    for (int i = 0; i < captions.count(); ++i) {
        const StoryCaptions::Caption& caption = captions.at(i);
        const StoryCaptions::Size size = captions.size(caption);
        Canvas canvas(size.width, size.height);
        captions.draw(canvas.cr(), caption);
        out.obx(canvas, caption.file);
    }
}

// Loaded by the game but never shown: plain dark space.
void writeBackdrop(AssetWriter& out) {
    Canvas canvas(kScreenW, kScreenH);
    cairo_t* cr = canvas.cr();
    StoryBrush::sky(cr, Rgb{0.01, 0.01, 0.05}, Rgb{0.03, 0.03, 0.10}, Rgb{0.05, 0.02, 0.10});
    ArtRandom rnd(90);
    StoryBrush::stars(cr, rnd, 160, 0, 0, kScreenW, kScreenH, 0.6);
    out.obx(canvas, "data/MS/bk.obx");
}

void makeStoryArt(AssetWriter& out) {
    writePicture(out, &StoryOpening::paintCallFromBelow, "1_1");
    writePicture(out, &StoryOpening::paintHangar, "1_2");
    writePicture(out, &StoryLaunch::paintRoute, "1_3");
    writePicture(out, &StoryLaunch::paintTitle, "logo");
    writePicture(out, &StoryLaunch::paintLaunch, "1_4");
    writePicture(out, &StoryBeast::paintSewerEnd, "2_1");
    writePicture(out, &StoryBeast::paintBeast, "2_2");
    writePicture(out, &StoryBeast::paintChamber, "2_3");
    writePicture(out, &StoryEnding::paintBurst, "3_1");
    writePicture(out, &StoryEnding::paintEscape, "3_2");
    writePicture(out, &StoryEnding::paintHome, "3_3");
    writeCaptions(out);
    writeBackdrop(out);
}

}  // namespace

const AssetModule kStoryArt = {"story", 21, &makeStoryArt};
