#include "Level2Fixture.h"

#include "support/CourseTestPictures.h"

void Level2Test::SetUp() {
    ASSERT_TRUE(Course2Pictures::write(folder.path()));
    CourseTestPictures::loadAndReset(level, folder.path(), screen.surface());
    ASSERT_EQ(kFloorWidth, level.image(Level2::kFloorTile).width());
}

void Level2Test::idleFrames(int frames) {
    for (int i = 0; i < frames; ++i) {
        level.updatePlayer1(300.0f, 250.0f, false);
    }
}

bool Level2Test::colourAt(int x, int y, TestRgb c) const {
    Uint8 r, g, b;
    screen.rgbAt(x, y, r, g, b);
    return r == c.r && g == c.g && b == c.b;
}
