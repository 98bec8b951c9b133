#include "Level3Fixture.h"

#include "support/CourseTestPictures.h"

void Level3Test::SetUp() {
    ASSERT_TRUE(Course3Pictures::write(folder.path()));
    CourseTestPictures::loadAndReset(level, folder.path(), screen.surface());
    ASSERT_EQ(kTopBandHeight, level.bandHeight());
}

Obstacle Level3Test::obstacleAt(int image, int x, int y, int speed) const {
    Obstacle o;
    o.active = true;
    o.image = image;
    o.takeSize(level.obstaclePicture(image));
    o.x = x;
    o.y = y;
    o.speed = speed;
    return o;
}

void Level3Test::place(int slot, int image, int x, int y, int speed) {
    level.setObstacle(slot, obstacleAt(image, x, y, speed));
    RingFlags armed;
    armed.arm();
    level.setRings(slot, armed);
}

void Level3Test::clearScenery() {
    for (int i = 0; i < Level3::kSlots; ++i) {
        level.setScenery(i, SceneryObject{});
    }
}
