#include "Level3Fixture.h"

#include <cstdlib>

#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

namespace {

void writePictures(const TempFolder& folder) {
    const auto l3 = [&](int number) {
        return folder.file("data/L3/" + std::to_string(number) + ".obx");
    };
    writeSolidPicture(l3(1001), 100, 10, TestRgb{60, 60, 60});
    writeSolidPicture(l3(1002), 800, 50, TestRgb{90, 80, 70});
    writeSolidPicture(l3(1003), 800, 30, TestRgb{70, 90, 60});
    for (int n = 0; n < 8; ++n) {
        writeSolidPicture(l3(1004 + n), 30 + 10 * n, 20 + 5 * n);
    }
    writeSolidPicture(l3(1012), 200, 100);
    TestPicture(200, 100, kTransparent).write(l3(1013));
    for (int n = 0; n < 6; ++n) {
        writeSolidPicture(l3(1014 + n), 20, 10, TestRgb{30, 40, 50});
    }
    writeSolidPicture(folder.file("data/M/m039.obx"), 20, 30, TestRgb{100, 100, 100});
    writeSolidPicture(folder.file("data/M/m040.obx"), 20, 30, TestRgb{200, 200, 200});
    writeSolidPicture(folder.file("data/M/m044.obx"), 20, 30, TestRgb{200, 200, 200});
    writeSolidPicture(folder.file("data/M/m054.obx"), 30, 20, TestRgb{0, 200, 0});
    writeSolidPicture(folder.file("data/M/m055.obx"), 40, 24, TestRgb{0, 0, 200});
}

}  // namespace

void Level3Test::SetUp() {
    writePictures(folder);
    {
        WorkingDirectory inside(folder.path());
        ASSERT_TRUE(inside.entered());
        level.loadImages(screen.surface());
    }
    ASSERT_EQ(kTopBandHeight, level.bandHeight());
    std::srand(1);
    level.reset();
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
