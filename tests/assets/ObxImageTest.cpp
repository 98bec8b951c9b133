#include "assets/ObxImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>

#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/UnprivilegedChild.h"

namespace {

class ObxImageTest : public ::testing::Test {
  protected:
    HeadlessScreen screen;
    TempFolder folder;
};

TEST_F(ObxImageTest, DisguisedAndPlainFilesLoadAndEndDisguised) {
    const std::string disguised = folder.file("a.obx");
    const std::string plain = folder.file("b.obx");
    ASSERT_TRUE(TestPicture(7, 5).write(disguised, true));
    ASSERT_TRUE(TestPicture(9, 4).write(plain, false));

    ObxImage a, b, again;
    EXPECT_EQ(0, a.load(disguised.c_str(), screen.surface()));
    EXPECT_EQ(0, b.load(plain.c_str(), screen.surface()));
    EXPECT_EQ(7, a.width());
    EXPECT_EQ(5, a.height());
    EXPECT_EQ(9, b.width());
    EXPECT_EQ("0000", readFileStart(disguised, 4));
    EXPECT_EQ("0000", readFileStart(plain, 4));

    // The same file twice gives two surfaces.
    EXPECT_EQ(0, again.load(disguised.c_str(), screen.surface()));
    ASSERT_TRUE(again.present());
    EXPECT_NE(a.surface(), again.surface());
    EXPECT_EQ("0000", readFileStart(disguised, 4));
}

TEST_F(ObxImageTest, LoadingLeavesTheScreenAsItWas) {
    const std::string path = folder.file("solid.obx");
    ASSERT_TRUE(TestPicture(6, 6, TestRgb{10, 220, 30}).write(path));
    screen.fill(0, 0, 200);
    ObxImage image;
    ASSERT_EQ(0, image.load(path.c_str(), screen.surface()));
    image.prepareFading(screen.surface());
    Uint8 r, g, b;
    screen.rgbAt(0, 0, r, g, b);
    EXPECT_EQ(0, r);
    EXPECT_EQ(200, b);
}

TEST_F(ObxImageTest, MissingFilePrintsNullTwiceAndIsAbsent) {
    ObxImage image;
    testing::internal::CaptureStdout();
    EXPECT_EQ(-1, image.load(folder.file("none.obx").c_str(), screen.surface()));
    EXPECT_EQ("null\nnull\n", testing::internal::GetCapturedStdout());
    EXPECT_FALSE(image.present());
    EXPECT_EQ(0, image.width());
    EXPECT_EQ(0, image.isSolidPixel(0, 0));
    image.draw(screen.surface(), 0, 0);  // drawing an absent picture is a no-op
}

// A read-only install: the file cannot be opened for update, so its signature
// is mended in memory. "null" is still printed for each of the two rewrites.
TEST_F(ObxImageTest, ReadOnlyFileStillLoads) {
    const std::string path = folder.file("ro.obx");
    ASSERT_TRUE(TestPicture(6, 2).write(path));
    chmod(folder.path().c_str(), 0755);
    chmod(path.c_str(), 0444);
    SDL_Surface* display = screen.surface();
    const int result = UnprivilegedChild::run([&]() {
        if (FILE* f = std::fopen(path.c_str(), "r+b")) {
            std::fclose(f);
            return 2;  // the file is writable after all: no test
        }
        ObxImage image;
        testing::internal::CaptureStdout();
        const int loaded = image.load(path.c_str(), display);
        if (testing::internal::GetCapturedStdout() != "null\nnull\n") {
            return 5;
        }
        if (loaded != 0) {
            return 3;
        }
        return image.width() == 6 && image.height() == 2 && image.isSolidPixel(5, 1) ? 0 : 4;
    });
    ASSERT_NE(UnprivilegedChild::kCannotDrop, result) << "could not drop root to test";
    ASSERT_NE(2, result) << "the file was still writable";
    EXPECT_EQ(0, result) << "3: not loaded, 4: wrong picture, 5: not \"null\" twice";
    EXPECT_EQ("0000", readFileStart(path, 4)) << "a read-only file is left as it was";
}

}  // namespace
