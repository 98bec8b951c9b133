// The story's pictures as the cutscenes use them: every file the player
// loads is written, scene pictures cover the whole screen, and every
// caption, wherever and whenever a scene shows it, stays on the screen and
// clear of the caption shown with it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "assetgen/AssetModules.h"
#include "assetgen/art/StoryBrush.h"
#include "assets/ObxImage.h"
#include "frontend/CutscenePlayer.h"
#include "support/ChildProcess.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"

namespace {

// The cutscene player's pictures in its loading order: eleven scene
// pictures, nine captions, and the backdrop it loads but never draws.
constexpr const char* kFiles[CutscenePlayer::kPictures] = {
    "1_1",      "1_2",      "1_3",      "logo",     "1_4",      "2_1",      "2_2",
    "2_3",      "3_1",      "3_2",      "3_3",      "ms_01_01", "ms_01_02", "ms_01_03",
    "ms_01_04", "ms_01_05", "ms_01_06", "ms_02_01", "ms_02_02", "ms_03_01", "bk"};
constexpr int kFirstCaption = 11;
constexpr int kBackdrop = 20;

bool isCaption(int index) {
    return index >= kFirstCaption && index < kBackdrop;
}

class StoryArtTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<TempFolder>();
        AssetWriter writer(folder_->path(), kStoryArt.files);
        kStoryArt.make(writer);
    }
    static void TearDownTestSuite() { folder_.reset(); }

    void SetUp() override {
        for (int i = 0; i < CutscenePlayer::kPictures; ++i) {
            const std::string path = folder_->file(std::string("data/MS/") + kFiles[i] + ".obx");
            pictures_[i].load(path.c_str(), screen_.surface());
        }
    }

    static std::unique_ptr<TempFolder> folder_;
    HeadlessScreen screen_;
    ObxImage pictures_[CutscenePlayer::kPictures];
};

std::unique_ptr<TempFolder> StoryArtTest::folder_;

int transparentPixels(const ObxImage& picture) {
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            count += picture.isSolidPixel(x, y) ? 0 : 1;
        }
    }
    return count;
}

// Nothing clears the screen under a scene: a hole would show the last frame
// through it. A caption's solid pixel on its border means a clipped letter
// or a box.
TEST_F(StoryArtTest, WritesEveryPictureScenesCoverTheScreenAndCaptionsAreLettering) {
    for (int i = 0; i < CutscenePlayer::kPictures; ++i) {
        const ObxImage& picture = pictures_[i];
        ASSERT_TRUE(picture.present()) << kFiles[i];
        const int w = picture.width(), h = picture.height();
        const int clear = transparentPixels(picture);
        if (!isCaption(i)) {
            EXPECT_EQ(800, w) << kFiles[i];
            EXPECT_EQ(600, h) << kFiles[i];
            EXPECT_EQ(0, clear) << kFiles[i];
            continue;
        }
        EXPECT_LE(w, 780) << kFiles[i];
        int border = 0;
        for (int x = 0; x < w; ++x) {
            border += picture.isSolidPixel(x, 0) + picture.isSolidPixel(x, h - 1);
        }
        for (int y = 0; y < h; ++y) {
            border += picture.isSolidPixel(0, y) + picture.isSolidPixel(w - 1, y);
        }
        EXPECT_EQ(0, border) << kFiles[i];
        EXPECT_GT(clear, 0) << kFiles[i];
        EXPECT_LT(clear, w * h) << kFiles[i] << " has no letters";
    }
}

TEST_F(StoryArtTest, ASecondRunWritesTheSameBytes) {
    TempFolder again;
    AssetWriter writer(again.path(), kStoryArt.files);
    kStoryArt.make(writer);
    for (const char* name : kFiles) {
        const std::string file = std::string("data/MS/") + name + ".obx";
        EXPECT_TRUE(readWholeTextFile(folder_->file(file)) == readWholeTextFile(again.file(file)))
            << name << " differs between runs";
    }
}

// A far layer is tinted over its own shapes only: the space around them
// stays as it was, with no box of haze.
TEST(StoryBrushTest, ALayerIsTintedOnlyWhereItWasDrawn) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 20, 10);
    cairo_t* cr = cairo_create(surface);
    StoryBrush::pushLayer(cr);
    StoryBrush::rect(cr, 0, 0, 10, 10);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    StoryBrush::popLayer(cr, Rgb{0, 0, 0}, 0.5);
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const auto pixel = [&](int x, int y) {
        return *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
    };
    EXPECT_EQ(0xffu, pixel(5, 5) >> 24);               // still opaque
    EXPECT_NEAR(0x80, (pixel(5, 5) >> 16) & 0xff, 2);  // half way to the tint
    EXPECT_EQ(0u, pixel(15, 5));                       // untouched outside
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

struct Placed {
    int index;
    int x, y, w, h;
};

bool overlap(const Placed& a, const Placed& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Walks each scene frame by frame with the game second every 30 frames and
// collects every caption that leaves the screen or covers its partner.
TEST_F(StoryArtTest, EveryCaptionShownStaysOnScreenAndClearOfItsPartner) {
    std::set<int> shown;
    std::set<std::string> faults;
    for (int scene = 0; scene < CutscenePlayer::kScenes; ++scene) {
        CutscenePlayer player;
        player.start(scene);
        const int frames = (CutscenePlayer::sceneLength(scene) + 1) * 30;
        for (int frame = 0; frame < frames; ++frame) {
            player.setFrame(frame);
            player.setClock(frame / 30, 0);
            const CutscenePlayer::Shot shot = player.shot(scene);
            Placed placed[2];
            int count = 0;
            for (int c = 0; c < 2; ++c) {
                const int index = shot.captions[c];
                if (index < 0) {
                    continue;
                }
                ASSERT_TRUE(isCaption(index));
                const ObxImage& caption = pictures_[index];
                const int w = caption.width(), h = caption.height();
                placed[count++] =
                    Placed{index, shot.captionCentreX - w / 2, shot.captionY[c], w, h};
                shown.insert(index);
            }
            for (int c = 0; c < count; ++c) {
                const Placed& p = placed[c];
                if (p.x < 0 || p.y < 0 || p.x + p.w > 800 || p.y + p.h > 600) {
                    faults.insert(std::string(kFiles[p.index]) + " runs off the screen");
                }
            }
            if (count == 2 && overlap(placed[0], placed[1])) {
                faults.insert(std::string(kFiles[placed[0].index]) + " covers " +
                              kFiles[placed[1].index]);
            }
        }
    }
    for (const std::string& fault : faults) {
        ADD_FAILURE() << fault;
    }
    EXPECT_EQ(static_cast<size_t>(kBackdrop - kFirstCaption), shown.size());
}

}  // namespace
