#include <cstdlib>

#include "Level2Fixture.h"
#include "support/RandCalls.h"

namespace {

// A reset after a visit that left everything in use.
TEST_F(Level2Test, ResetClearsTheFieldLaysTheFloorAndQueuesTheMusicOnce) {
    level.takeSoundEvent();
    level.placeObstacle(1, 2, 0, 300, 100, 5);
    level.placeObstacle(3, 1, 0, 300, 300, 5);
    level.placeSweeper(400);
    level.setBonus(BonusObject{true, 30, 20, 500, 200, 20, 0});
    level.setPopup(2, 4, ScorePopup{15, 7, 100.0f, 100.0f});
    level.setState(FlyOff);
    level.setGateX(538);
    idleFrames(3);

    level.reset();
    EXPECT_EQ(Playing, level.state());
    EXPECT_TRUE(level.isPlaying());
    EXPECT_EQ(800, level.gateX());
    EXPECT_EQ(2, level.takeSoundEvent());
    EXPECT_EQ(-1, level.takeSoundEvent());
    EXPECT_FALSE(level.bonus().active);
    EXPECT_FALSE(level.sweeper().active);
    for (int kind = 1; kind <= 3; ++kind) {
        for (int slot = 0; slot < Level2::slotCount(kind); ++slot) {
            EXPECT_FALSE(level.obstacle(kind, slot).active) << kind << "/" << slot;
            EXPECT_EQ(-1, level.popup(kind, slot).value);
            EXPECT_EQ(0, level.popup(kind, slot).timer);
        }
    }
    EXPECT_EQ(0, level.floorTile(0).x);
    EXPECT_EQ(kFloorWidth, level.floorTile(1).x);
}

// The floor tile of these pictures is only 400 wide, so the jump shows that
// a tile goes back to 800 and not behind its partner.
TEST_F(Level2Test, FloorStandsStillOnlyInTheFlyOffAndATileJumpsTo800) {
    stopSpawning();
    level.setState(Approach);
    idleFrames(1);
    EXPECT_EQ(-5, level.floorTile(0).x);
    EXPECT_EQ(kFloorWidth - 5, level.floorTile(1).x);
    level.setState(FlyOff);
    const int sceneryX = level.scenery(0).x;
    idleFrames(4);
    EXPECT_EQ(-5, level.floorTile(0).x);
    EXPECT_EQ(kFloorWidth - 5, level.floorTile(1).x);
    EXPECT_EQ(sceneryX - 4 * level.scenery(0).speed, level.scenery(0).x)
        << "the scenery keeps drifting";

    level.setState(Playing);
    idleFrames(79);
    EXPECT_EQ(-400, level.floorTile(0).x) << "a tile at -width is still in play";
    EXPECT_EQ(0, level.floorTile(1).x);
    idleFrames(1);
    EXPECT_EQ(800, level.floorTile(0).x);
    EXPECT_EQ(-5, level.floorTile(1).x);
    idleFrames(80);
    EXPECT_EQ(400, level.floorTile(0).x);
    EXPECT_EQ(800, level.floorTile(1).x);
}

// Only the probes on the craft's middle line reach into the obstacle, at
// rows 9, 18 and 30; a crash reports the obstacle's speed, 5.
bool crashesAtColumn(Level2& level, int slot, int column) {
    const Course2Object& o = level.obstacle(1, slot);
    return 5 == level.updatePlayer1(static_cast<float>(o.x - o.speed + column - 41),
                                    static_cast<float>(o.y + 6), true);
}

// Should the two kind-1 pictures differ in size, the crash test reads the
// picture on show within that picture's own rectangle.
TEST_F(Level2Test, Kind1CrashFollowsTheDrawnPictureWhenTheFramesDiffer) {
    writeSolidPicture(course2File(folder, 2002), 30, 20, kKind1Colour);
    writeSolidPicture(course2File(folder, 2003), 60, 40, kKind1SecondColour);
    Level2 odd;
    CourseTestPictures::loadAndReset(odd, folder.path(), screen.surface());
    odd.perSecondTick(33, 0, false);

    odd.placeObstacle(1, 0, 0, 700, 200, 5);
    ASSERT_EQ(30, odd.obstacle(1, 0).width);
    for (int frame = 1; frame <= 19; ++frame) {
        ASSERT_FALSE(crashesAtColumn(odd, 0, 45)) << "nothing is drawn there, frame " << frame;
    }
    EXPECT_TRUE(crashesAtColumn(odd, 0, 45)) << "the larger picture shows from frame 20";
    Box boxes[Level2::kMaxHazards];
    ASSERT_EQ(1, odd.hazardBoxes(boxes, Level2::kMaxHazards));
    EXPECT_EQ(60, boxes[0].width) << "a pilot keeps clear of the picture on show";
    EXPECT_EQ(40, boxes[0].height);
    for (int frame = 21; frame <= 40; ++frame) {
        ASSERT_TRUE(crashesAtColumn(odd, 0, 45)) << "frame " << frame;
    }
    EXPECT_FALSE(crashesAtColumn(odd, 0, 45)) << "the first picture again from frame 41";

    odd.placeObstacle(1, 0, 0, -200, 0, 5);  // leaves in the next frame
    odd.placeObstacle(1, 1, 1, 700, 400, 5);
    ASSERT_EQ(60, odd.obstacle(1, 1).width);
    EXPECT_FALSE(crashesAtColumn(odd, 1, 45)) << "the smaller picture shows in a larger box";
    EXPECT_TRUE(crashesAtColumn(odd, 1, 20));
}

TEST_F(Level2Test, FramesSpawnKinds1And2ButNeverKind3) {
    std::srand(1);
    int spawned[3] = {0, 0, 0};
    for (int frame = 0; frame < 3000; ++frame) {
        bool wasActive[3][6] = {};
        for (int kind = 1; kind <= 3; ++kind) {
            for (int slot = 0; slot < Level2::slotCount(kind); ++slot) {
                wasActive[kind - 1][slot] = level.obstacle(kind, slot).active;
            }
        }
        idleFrames(1);
        for (int kind = 1; kind <= 3; ++kind) {
            for (int slot = 0; slot < Level2::slotCount(kind); ++slot) {
                const Course2Object& o = level.obstacle(kind, slot);
                if (wasActive[kind - 1][slot] || !o.active) {
                    continue;
                }
                ++spawned[kind - 1];
                EXPECT_LT(o.y, 600 - o.height) << "the bottom edge starts on screen";
                EXPECT_EQ(kind == 1 ? 1 : 0, o.frameCounter) << "only kind 1 is animated";
            }
        }
    }
    EXPECT_GT(spawned[0], 10);
    EXPECT_GT(spawned[1], spawned[0]) << "kind 2 comes 1 in 20, kind 1 only 1 in 50";
    EXPECT_EQ(0, spawned[2]);
}

TEST_F(Level2Test, ObstacleStreamStopsAtSecond32AndInTheCourseEnd) {
    std::srand(3);
    level.perSecondTick(32, 0, true);
    idleFrames(1500);
    level.setState(Approach);
    level.perSecondTick(20, 0, true);
    idleFrames(1500);
    for (int kind = 1; kind <= 3; ++kind) {
        for (int slot = 0; slot < Level2::slotCount(kind); ++slot) {
            EXPECT_FALSE(level.obstacle(kind, slot).active) << kind << "/" << slot;
        }
    }
}

TEST_F(Level2Test, Kind3ComesOnlyWithTheSecondTickAndAtMostTwo) {
    std::srand(1);
    int highest = 0;
    int spawns = 0;
    for (int tick = 0; tick < 200; ++tick) {
        const bool before[2] = {level.obstacle(3, 0).active, level.obstacle(3, 1).active};
        level.perSecondTick(5, 0, true);
        int active = 0;
        for (int slot = 0; slot < 2; ++slot) {
            const Course2Object& o = level.obstacle(3, slot);
            active += o.active ? 1 : 0;
            if (o.active && !before[slot]) {
                ++spawns;
                EXPECT_EQ(800, o.x);
            }
        }
        highest = active > highest ? active : highest;
    }
    EXPECT_EQ(2, highest);
    EXPECT_EQ(2, spawns) << "the obstacles stand still without frames";

    // With both slots taken a tick draws its roll and nothing else.
    std::srand(4);
    level.perSecondTick(6, 0, true);
    EXPECT_EQ(1, randCallsSince(4));
}

TEST_F(Level2Test, SweeperStartsAtSecond30AndCrossesAtTheTop) {
    level.perSecondTick(29, 0, true);
    EXPECT_FALSE(level.sweeper().active);
    level.perSecondTick(30, 0, true);
    const Course2Object& s = level.sweeper();
    EXPECT_TRUE(s.active);
    EXPECT_EQ(800, s.x);
    EXPECT_EQ(0, s.y);
    EXPECT_EQ(20, s.speed);

    idleFrames(3);
    EXPECT_EQ(740, s.x);
    level.perSecondTick(30, 0, true);
    EXPECT_EQ(800, s.x) << "a new launch starts the crossing again";

    idleFrames(45);
    EXPECT_EQ(-100, s.x);
    EXPECT_TRUE(s.active);
    idleFrames(1);
    EXPECT_FALSE(s.active);

    level.perSecondTick(0, 1, true);
    EXPECT_TRUE(s.active) << "every thirtieth second, also when the minute turns";
}

TEST_F(Level2Test, HazardBoxesListEveryActiveObstacleAndTheSweeper) {
    stopSpawning();
    Box boxes[Level2::kMaxHazards];
    EXPECT_EQ(0, level.hazardBoxes(boxes, Level2::kMaxHazards));
    level.placeObstacle(1, 5, 0, 100, 10, 5);
    level.placeObstacle(2, 0, 4, 200, 20, 5);
    level.placeObstacle(3, 1, 0, 300, 30, 5);
    level.placeSweeper(400);
    ASSERT_EQ(4, level.hazardBoxes(boxes, Level2::kMaxHazards));
    EXPECT_EQ(100, boxes[0].x);
    EXPECT_EQ(60, boxes[0].width);
    EXPECT_EQ(80, boxes[1].width);
    EXPECT_EQ(70, boxes[1].height);
    EXPECT_EQ(300, boxes[2].x);
    EXPECT_EQ(400, boxes[3].x);
    EXPECT_EQ(0, boxes[3].y);
    EXPECT_EQ(2, level.hazardBoxes(boxes, 2));
}

// A staircase of overlapping objects: each later layer covers the earlier.
TEST_F(Level2Test, FieldIsDrawnGateObstaclesBonusThenSweeper) {
    stopSpawning();
    level.setGateX(100);
    level.placeObstacle(1, 0, 0, 100, 0, 5);   // 60x40
    level.placeObstacle(2, 0, 0, 100, 10, 5);  // 40x30
    level.placeObstacle(3, 0, 0, 100, 20, 5);  // 120x100
    level.setBonus(BonusObject{true, 40, 24, 160, 30, 20, 1});
    level.placeSweeper(150);  // 100x40
    level.draw();
    EXPECT_TRUE(pixelIs(105, 200, kGateColour));
    EXPECT_TRUE(pixelIs(105, 5, kKind1Colour));
    EXPECT_TRUE(pixelIs(105, 15, kKind2Colour));
    EXPECT_TRUE(pixelIs(105, 25, kKind3Colour));
    EXPECT_TRUE(pixelIs(165, 45, kHalvingColour));
    EXPECT_TRUE(pixelIs(165, 35, kSweeperColour)) << "over the bonus";
    EXPECT_TRUE(pixelIs(155, 25, kSweeperColour)) << "over the obstacles";

    level.setBonus(BonusObject{true, 30, 20, 160, 30, 20, 0});
    level.draw();
    EXPECT_TRUE(pixelIs(165, 45, kDoublingColour));
}

TEST_F(Level2Test, FloorThenPopupsAreDrawnOverTheCrafts) {
    stopSpawning();
    // A craft whose bottom dips into the inner ring of a kind-2 obstacle in
    // the floor's rows (its tail took the outer ring first): popup "10" with
    // its digits at (287, 564) and (309, 564).
    level.placeObstacle(2, 0, 0, 300, 560, 0);
    ASSERT_EQ(1010, level.updatePlayer1(279.0f, 515.0f, true));
    level.draw();
    SDL_Surface* s = screen.surface();
    SDL_Rect craft{250, 520, 84, 41};
    SDL_FillRect(s, &craft, SDL_MapRGB(s->format, 1, 2, 3));
    level.drawFloor();
    EXPECT_TRUE(pixelIs(260, 535, TestRgb{1, 2, 3})) << "above the floor the craft shows";
    EXPECT_TRUE(pixelIs(260, 545, kFloorColour));
    EXPECT_TRUE(pixelIs(315, 570, kFloorColour));
    level.drawPopups();
    EXPECT_TRUE(pixelIs(315, 570, kDigitZeroColour));
    EXPECT_TRUE(pixelIs(290, 570, kDigitOneColour)) << "the leading 1";
}

}  // namespace
