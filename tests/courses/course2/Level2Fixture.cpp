#include "Level2Fixture.h"

#include <cstdlib>
#include <string>

#include "support/WorkingDirectory.h"

std::string course2File(const TempFolder& folder, int number) {
    return folder.file("data/L2/" + std::to_string(number) + ".obx");
}

void writeCourse2Pictures(const TempFolder& folder) {
    writeSolidPicture(course2File(folder, 2001), 20, 20, TestRgb{10, 60, 70});
    writeSolidPicture(course2File(folder, 2002), 60, 40, kKind1Colour);
    TestPicture halfSolid(60, 40, kTransparent);
    halfSolid.fillRect(0, 0, 30, 40, kKind1SecondColour);
    halfSolid.write(course2File(folder, 2003));
    for (int n = 0; n < 4; ++n) {
        writeSolidPicture(course2File(folder, 2004 + n), 20, 10, TestRgb{30, 40, 50});
    }
    for (int n = 0; n < 5; ++n) {
        writeSolidPicture(course2File(folder, 2008 + n), 40 + 10 * n, 30 + 10 * n, kKind2Colour);
    }
    writeSolidPicture(course2File(folder, 2013), 120, 100, kKind3Colour);
    writeSolidPicture(course2File(folder, 2014), 50, 300, kGateColour);
    writeSolidPicture(course2File(folder, 2015), 400, 60, kFloorColour);
    writeSolidPicture(course2File(folder, 2016), 100, 40, kSweeperColour);
    writeSolidPicture(folder.file("data/M/m039.obx"), 20, 30, kDigitZeroColour);
    writeSolidPicture(folder.file("data/M/m040.obx"), 20, 30, kDigitOneColour);
    writeSolidPicture(folder.file("data/M/m044.obx"), 20, 30, kDigitFiveColour);
    writeSolidPicture(folder.file("data/M/m054.obx"), 30, 20, kDoublingColour);
    writeSolidPicture(folder.file("data/M/m055.obx"), 40, 24, kHalvingColour);
}

void loadCourse2(Level2& level, const TempFolder& folder, SDL_Surface* screen) {
    {
        WorkingDirectory inside(folder.path());
        ASSERT_TRUE(inside.entered());
        level.loadImages(screen);
    }
    std::srand(1);
    level.reset();
}

void Level2Test::SetUp() {
    writeCourse2Pictures(folder);
    loadCourse2(level, folder, screen.surface());
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
