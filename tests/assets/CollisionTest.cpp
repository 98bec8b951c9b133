#include "assets/Collision.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"

namespace {

// Every case runs on a 32-bit and on a 16-bit display: the answer must not
// depend on the depth the pictures were converted to.
class CollisionTest : public ::testing::TestWithParam<int> {
  protected:
    ObxImage load(const TestPicture& picture) {
        const std::string path = folder.file("p" + std::to_string(++count) + ".obx");
        EXPECT_TRUE(picture.write(path));
        ObxImage image;
        EXPECT_EQ(0, image.load(path.c_str(), screen.surface()));
        return image;
    }

    HeadlessScreen screen{GetParam()};
    TempFolder folder;
    int count = 0;
};

// Columns and rows 2 to size - 2 of the box count, the box-only twin alike;
// a box larger than its picture never reads outside the picture.
TEST_P(CollisionTest, OnlyTheInsetOfTheBoxCanBeHit) {
    ASSERT_EQ(GetParam(), screen.surface()->format->BitsPerPixel);
    for (const Box& box : {Box{100, 50, 10, 8}, Box{0, 0, 40, 40}}) {
        const ObxImage image = load(TestPicture(10, box.height == 8 ? 8 : 10));
        for (int py = box.y - 10; py < box.y + box.height + 10; ++py) {
            for (int px = box.x - 10; px < box.x + box.width + 10; ++px) {
                const int inBox = px >= box.x + 2 && px <= box.x + box.width - 2 &&
                                  py >= box.y + 2 && py <= box.y + box.height - 2;
                const int hits = inBox && px < box.x + 10 && py < box.y + image.height();
                ASSERT_EQ(hits, pointHitsImage(px, py, box, image)) << px << "," << py;
                ASSERT_EQ(inBox, pointInBox(px, py, box)) << px << "," << py;
            }
        }
    }
}

TEST_P(CollisionTest, OnlyExactPureRedIsEmptyAndWhatCollidesIsWhatIsSeen) {
    // Near-red colours that a 16-bit display rounds onto the transparent one
    // were once left unseen there though they collided.
    const TestRgb row[] = {{254, 0, 0},     {255, 1, 0}, {255, 0, 1}, {255, 0, 0}, {0, 0, 0},
                           {255, 255, 255}, {250, 3, 2}, {250, 3, 6}, {30, 60, 90}};
    const int expected[] = {1, 1, 1, 0, 1, 1, 1, 1, 1};
    TestPicture picture(12, 8, kTransparent);
    for (int i = 0; i < 9; ++i) {
        picture.set(2 + i, 2, row[i]);
    }
    const ObxImage image = load(picture);
    const Box box{200, 100, 12, 8};
    // Twice: before and after the picture was first drawn (and run-length
    // encoded for the blit).
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(expected[i], pointHitsImage(202 + i, 102, box, image)) << "column " << 2 + i;
            EXPECT_EQ(expected[i], isSolidPixel(2 + i, 2, image));
        }
        EXPECT_EQ(0, pointHitsImage(205, 104, box, image));
        EXPECT_EQ(1, pointInBox(205, 104, box)) << "the box alone does count there";

        screen.fill(20, 100, 180);
        Uint8 br, bg, bb;
        screen.rgbAt(0, 0, br, bg, bb);
        image.draw(screen.surface(), 10, 10);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 12; ++x) {
                Uint8 r, g, b;
                screen.rgbAt(10 + x, 10 + y, r, g, b);
                const bool seen = r != br || g != bg || b != bb;
                EXPECT_EQ(seen, image.isSolidPixel(x, y) == 1) << x << "," << y;
                // A 32-bit display shows every solid colour as it is.
                const TestRgb c = picture.at(x, y);
                EXPECT_TRUE(!seen || GetParam() != 32 || (r == c.r && g == c.g && b == c.b))
                    << x << "," << y << " shows " << int(r) << "," << int(g) << "," << int(b);
            }
        }
    }
}

TEST_P(CollisionTest, PicturesThreePixelsOrLessAcrossAreNeverHit) {
    const int sizes[][2] = {{3, 3}, {3, 20}, {20, 3}, {2, 2}, {1, 1}};
    for (const auto& size : sizes) {
        const ObxImage image = load(TestPicture(size[0], size[1]));
        const Box box{50, 60, size[0], size[1]};
        for (int py = 50; py < 90; ++py) {
            for (int px = 40; px < 80; ++px) {
                ASSERT_EQ(0, pointHitsImage(px, py, box, image))
                    << size[0] << "x" << size[1] << " at " << px << "," << py;
                ASSERT_EQ(0, pointInBox(px, py, box));
            }
        }
    }
    // An absent picture has size 0 and no pixels, even under a wrong box.
    const ObxImage absent;
    for (int p = -5; p < 20; ++p) {
        EXPECT_EQ(0, pointHitsImage(p, p, Box{0, 0, 0, 0}, absent));
        EXPECT_EQ(0, pointHitsImage(p, p, Box{0, 0, 12, 12}, absent));
    }
}

TEST_P(CollisionTest, CraftTestsItsSixPointsInOrder) {
    // A craft at (10, 5) puts its points at (51, 8), (10, 33), (93, 33),
    // (51, 45), (51, 17) and (51, 29).
    const Box box{0, 0, 100, 60};
    auto craftAgainst = [&](std::initializer_list<ProbePoint> solid) {
        TestPicture picture(100, 60, kTransparent);
        for (const ProbePoint& p : solid) {
            picture.set(p.x, p.y, kSolid);
        }
        const ObxImage image = load(picture);
        return craftHitsImage(10.0f, 5.0f, box, image);
    };
    EXPECT_EQ(0, craftAgainst({}));
    EXPECT_EQ(0, craftAgainst({{52, 8}, {10, 34}, {50, 45}}));
    EXPECT_EQ(3, craftAgainst({{93, 33}}));
    EXPECT_EQ(5, craftAgainst({{51, 29}, {51, 17}}));
    EXPECT_EQ(6, craftAgainst({{51, 29}}));
    EXPECT_EQ(1, craftAgainst({{51, 45}, {10, 33}, {51, 8}}));
    EXPECT_EQ(1, craftTouchesBox(10.0f, 5.0f, box));

    // Point 2 (the tail) is the first inside this box.
    EXPECT_EQ(2, craftTouchesBox(10.0f, 5.0f, Box{8, 20, 30, 30}));
}

TEST_P(CollisionTest, CraftBesideAnObjectDoesNotTouchIt) {
    const ObxImage image = load(TestPicture(60, 60));
    // Just left of the box: the nose point (x + 83) lies on the box's
    // excluded edge column.
    const Box box{300, 200, 60, 60};
    EXPECT_EQ(0, craftHitsImage(218.0f, 200.0f, box, image));
    EXPECT_EQ(0, craftTouchesBox(218.0f, 200.0f, box));
    EXPECT_EQ(3, craftHitsImage(219.0f, 200.0f, box, image));
    EXPECT_EQ(0, craftHitsImage(0.0f, 0.0f, box, image));
    EXPECT_EQ(0, craftTouchesBox(0.0f, 0.0f, box));
}

INSTANTIATE_TEST_SUITE_P(DisplayDepths, CollisionTest, ::testing::Values(32, 16),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "bit";
                         });

TEST(CraftProbePoints, PositionPlusOffsetTruncatedTowardZero) {
    struct Case {
        float x, y;
        ProbePoint expected[kProbePointCount];
    };
    const Case cases[] = {
        {10.9f, 20.7f, {{51, 23}, {10, 48}, {93, 48}, {51, 60}, {51, 32}, {51, 44}}},
        // Left of and above the screen the sums truncate toward zero, not down.
        {-41.5f, -3.5f, {{0, 0}, {-41, 24}, {41, 24}, {0, 36}, {0, 8}, {0, 20}}},
        // The offset is added before truncating (truncating the position first
        // would give 41, 3 and 28).
        {-0.5f, -0.5f, {{40, 2}, {0, 27}, {82, 27}, {40, 39}, {40, 11}, {40, 23}}},
    };
    for (const Case& c : cases) {
        ProbePoint points[kProbePointCount];
        craftProbePoints(c.x, c.y, points);
        for (int i = 0; i < kProbePointCount; ++i) {
            EXPECT_EQ(c.expected[i].x, points[i].x) << c.x << ", point " << i;
            EXPECT_EQ(c.expected[i].y, points[i].y) << c.y << ", point " << i;
        }
    }
}

}  // namespace
