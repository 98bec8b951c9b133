#include "assets/ObxImage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>

#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

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

    ObxImage a, b;
    EXPECT_EQ(0, a.load(disguised.c_str(), screen.surface()));
    EXPECT_EQ(0, b.load(plain.c_str(), screen.surface()));
    EXPECT_EQ(7, a.width());
    EXPECT_EQ(5, a.height());
    EXPECT_EQ(9, b.width());
    EXPECT_EQ("0000", readFileStart(disguised, 4));
    EXPECT_EQ("0000", readFileStart(plain, 4));
}

TEST_F(ObxImageTest, OnlyExactPureRedIsTransparentWhenBlitted) {
    TestPicture pic(4, 1, kTransparent);
    pic.set(1, 0, TestRgb{254, 0, 0});
    pic.set(2, 0, TestRgb{255, 1, 0});
    pic.set(3, 0, TestRgb{255, 0, 1});
    const std::string path = folder.file("red.obx");
    ASSERT_TRUE(pic.write(path));
    ObxImage image;
    ASSERT_EQ(0, image.load(path.c_str(), screen.surface()));

    screen.fill(0, 0, 200);
    image.draw(screen.surface(), 10, 10);
    Uint8 r, g, b;
    screen.rgbAt(10, 10, r, g, b);
    EXPECT_EQ(200, b) << "pure red must not be drawn";
    screen.rgbAt(11, 10, r, g, b);
    EXPECT_EQ(254, r);
    EXPECT_EQ(0, b);
    EXPECT_EQ(0, image.isSolidPixel(0, 0));
    EXPECT_EQ(1, image.isSolidPixel(1, 0));
    EXPECT_EQ(1, image.isSolidPixel(2, 0));
    EXPECT_EQ(1, image.isSolidPixel(3, 0));
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

TEST_F(ObxImageTest, SameFileTwiceGivesTwoSurfaces) {
    const std::string path = folder.file("twice.obx");
    ASSERT_TRUE(TestPicture(3, 3).write(path));
    ObxImage first, second;
    first.load(path.c_str(), screen.surface());
    second.load(path.c_str(), screen.surface());
    ASSERT_TRUE(first.present());
    ASSERT_TRUE(second.present());
    EXPECT_NE(first.surface(), second.surface());
    EXPECT_EQ("0000", readFileStart(path, 4));
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

// Runs check in a child process that cannot write the test's files: as root
// it drops to the unprivileged "nobody" user first. What the child prints on
// standard output comes back in output; the result is the child's exit code
// (kCannotDrop when it could not give up root).
constexpr int kCannotDrop = 90;

template <class Check>
int runUnprivileged(Check check, std::string& output) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        return -1;
    }
    std::fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        dup2(pipeEnds[1], STDOUT_FILENO);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(kCannotDrop);
        }
        const int code = check();
        std::fflush(stdout);
        _exit(code);
    }
    close(pipeEnds[1]);
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        output.append(buffer, static_cast<size_t>(n));
    }
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A read-only install: the file cannot be opened for update, so its signature
// is mended in memory. "null" is still printed for each of the two rewrites.
TEST_F(ObxImageTest, ReadOnlyFileStillLoads) {
    const std::string path = folder.file("ro.obx");
    ASSERT_TRUE(TestPicture(6, 2).write(path));
    chmod(folder.path().c_str(), 0755);
    chmod(path.c_str(), 0444);
    SDL_Surface* display = screen.surface();
    std::string output;
    const int result = runUnprivileged(
        [&]() {
            if (FILE* f = std::fopen(path.c_str(), "r+b")) {
                std::fclose(f);
                return 2;  // the file is writable after all: no test
            }
            ObxImage image;
            if (image.load(path.c_str(), display) != 0) {
                return 3;
            }
            return image.width() == 6 && image.height() == 2 && image.isSolidPixel(5, 1) ? 0 : 4;
        },
        output);
    ASSERT_NE(kCannotDrop, result) << "could not drop root to test a read-only file";
    ASSERT_NE(2, result) << "the file was still writable";
    EXPECT_EQ(0, result) << "3: not loaded, 4: wrong picture";
    EXPECT_EQ("null\nnull\n", output);
    EXPECT_EQ("0000", readFileStart(path, 4)) << "a read-only file is left as it was";
}

TEST_F(ObxImageTest, NotABitmapIsAbsent) {
    const std::string path = folder.file("junk.obx");
    FILE* f = fopen(path.c_str(), "wb");
    fputs("0000 this is not a picture", f);
    fclose(f);
    ObxImage image;
    EXPECT_EQ(-1, image.load(path.c_str(), screen.surface()));
    EXPECT_EQ(0, image.width());
}

}  // namespace
