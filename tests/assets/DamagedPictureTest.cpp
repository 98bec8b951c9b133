#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "assets/ObxImage.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace {

void truncate(const std::string& path, long bytes) {
    std::string start = readFileStart(path, static_cast<int>(bytes));
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(start.data(), 1, start.size(), f);
    std::fclose(f);
}

void patchByte(const std::string& path, long offset, unsigned char value) {
    FILE* f = std::fopen(path.c_str(), "r+b");
    std::fseek(f, offset, SEEK_SET);
    std::fputc(value, f);
    std::fclose(f);
}

// Damaged pictures must come out absent, without a crash and without the
// loader asking for the memory a broken header claims.
TEST(DamagedPictureTest, BrokenHeadersAndShortFilesGiveAnAbsentPicture) {
    HeadlessScreen screen;
    TempFolder folder;
    const std::string empty = folder.file("empty.obx");
    const std::string cut = folder.file("cut.obx");
    const std::string huge = folder.file("huge.obx");
    const std::string depth = folder.file("depth.obx");
    const std::string junk = folder.file("junk.obx");
    std::fclose(std::fopen(empty.c_str(), "wb"));
    FILE* f = std::fopen(junk.c_str(), "wb");
    std::fputs("0000 this is not a picture", f);
    std::fclose(f);
    ASSERT_TRUE(TestPicture(40, 30).write(cut));
    truncate(cut, 54 + 40 * 3 * 10);
    ASSERT_TRUE(TestPicture(4, 4).write(huge));
    patchByte(huge, 21, 0x7f);  // width far beyond any picture
    ASSERT_TRUE(TestPicture(4, 4).write(depth));
    patchByte(depth, 29, 0x20);  // 8216 bits per pixel

    const std::string packed = folder.file("packed.obx");
    ASSERT_TRUE(TestPicture(4, 4).write(packed));
    for (long offset : {19L, 23L}) {
        patchByte(packed, offset, 0x1f);  // 7940 by 7940 pixels
    }
    patchByte(packed, 30, 1);  // run-length packed: no size to check against the file

    const std::string shortHeader = folder.file("short-header.obx");
    ASSERT_TRUE(TestPicture(4, 4).write(shortHeader));
    truncate(shortHeader, 32);
    const std::string noDepth = folder.file("no-depth.obx");
    ASSERT_TRUE(TestPicture(4, 4).write(noDepth));
    patchByte(noDepth, 28, 0);

    for (const std::string& path : {empty, cut, huge, depth, junk, packed, shortHeader, noDepth}) {
        ObxImage image;
        EXPECT_EQ(-1, image.load(path.c_str(), screen.surface())) << path;
        EXPECT_EQ(0, image.width());
        EXPECT_EQ("0000", readFileStart(path, 4)) << path;
    }
}

// Undamaged pictures in the other layouts a BMP file may have still load: rows
// stored top-down, and the old 12-byte header.
TEST(DamagedPictureTest, TopDownRowsAndTheOldHeaderStillLoad) {
    HeadlessScreen screen;
    TempFolder folder;
    const std::string topDown = folder.file("top-down.obx");
    ASSERT_TRUE(TestPicture(6, 5).write(topDown));
    for (long offset : {22L, 23L, 24L, 25L}) {
        patchByte(topDown, offset, offset == 22 ? 0xfb : 0xff);  // height -5
    }
    const std::string old = folder.file("old.obx");
    const unsigned char header[26] = {'0', '0', '0', '0', 0, 0, 0, 0, 0, 0, 26, 0,  0,
                                      0,   12,  0,   0,   0, 3, 0, 2, 0, 1, 0,  24, 0};
    FILE* f = std::fopen(old.c_str(), "wb");
    std::fwrite(header, 1, sizeof header, f);
    for (int row = 0; row < 2; ++row) {
        const unsigned char pixels[12] = {90, 200, 40, 90, 200, 40, 90, 200, 40};
        std::fwrite(pixels, 1, sizeof pixels, f);
    }
    std::fclose(f);

    for (const std::string& path : {topDown, old}) {
        ObxImage image;
        ASSERT_EQ(0, image.load(path.c_str(), screen.surface())) << path;
        EXPECT_EQ(path == old ? 3 : 6, image.width());
        EXPECT_EQ(path == old ? 2 : 5, image.height());
        EXPECT_TRUE(image.isSolidPixel(1, 1)) << path;
    }
}

}  // namespace
