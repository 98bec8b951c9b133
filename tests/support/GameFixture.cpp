#include "support/GameFixture.h"

#include "support/TestPictures.h"

void GameFixture::load() {
    // Every absent picture says "null"; the tests do not need to hear it.
    testing::internal::CaptureStdout();
    game->loadAll(screen.surface());
    testing::internal::GetCapturedStdout();
}

void GameFixture::picture(const char* path, int w, int h, Uint8 r, Uint8 g, Uint8 b) {
    ASSERT_TRUE(writeSolidPicture(folder.file(path), w, h, TestRgb{r, g, b}));
}

::testing::AssertionResult GameFixture::colourAt(int x, int y, Uint8 r, Uint8 g, Uint8 b) const {
    Uint8 sr, sg, sb;
    screen.rgbAt(x, y, sr, sg, sb);
    if (sr == r && sg == g && sb == b) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "(" << x << ", " << y << ") is " << int(sr) << "," << int(sg) << "," << int(sb)
           << ", not " << int(r) << "," << int(g) << "," << int(b);
}
