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

    for (const std::string& path : {empty, cut, huge, depth, junk}) {
        ObxImage image;
        EXPECT_EQ(-1, image.load(path.c_str(), screen.surface())) << path;
        EXPECT_EQ(0, image.width());
        EXPECT_EQ("0000", readFileStart(path, 4)) << path;
    }
}

}  // namespace
