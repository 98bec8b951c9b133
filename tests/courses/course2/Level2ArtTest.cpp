#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "assets/ObxImage.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"

namespace {

// Sizes the course's rules need from the generated pictures, read from
// copies so the run folder is left alone.
class Level2ArtTest : public ::testing::Test {
  protected:
    void load(ObxImage& image, int number) {
        const std::string name = std::to_string(number) + ".obx";
        const std::string source = std::string(KAVREL_RUN_FOLDER) + "/data/L2/" + name;
        std::error_code ec;
        std::filesystem::copy_file(source, folder.file(name), ec);
        ASSERT_FALSE(ec) << source;
        ASSERT_EQ(0, image.load(folder.file(name).c_str(), screen.surface()));
    }

    HeadlessScreen screen;
    TempFolder folder;
};

// A kind-1 obstacle keeps the size of the frame it was spawned with.
TEST_F(Level2ArtTest, BothJellyfishFramesHaveOneSize) {
    ObxImage first, second;
    load(first, 2002);
    load(second, 2003);
    EXPECT_EQ(first.width(), second.width());
    EXPECT_EQ(first.height(), second.height());
}

// A tile goes back to 800 in the frame it reaches -width - 5, when its
// partner stands at -5: only an 805-wide tile meets it without gap or overlap.
TEST_F(Level2ArtTest, FloorTileIs805WideSoTheStripHasNoHole) {
    ObxImage floor;
    load(floor, 2015);
    EXPECT_EQ(805, floor.width());
    EXPECT_LE(floor.height(), 100) << "a strip along the bottom edge";
}

}  // namespace
