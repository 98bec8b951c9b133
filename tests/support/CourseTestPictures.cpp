#include "support/CourseTestPictures.h"

#include <cstdio>

namespace {

// count pictures from file number first on (name is a pattern for it), each
// step wider and higher than the one before; solid only in the part given,
// or wholly when that part is empty.
struct PictureRow {
    int course;
    const char* name;
    int first;
    int count;
    int width;
    int height;
    TestRgb colour;
    int stepWidth = 0;
    int stepHeight = 0;
    int solidX = 0;
    int solidY = 0;
    int solidWidth = 0;
    int solidHeight = 0;
};

using P1 = Course1Pictures;
using P2 = Course2Pictures;
using P4 = Course4Pictures;
constexpr TestRgb kGrey30{30, 40, 50};
constexpr TestRgb kGrey100{100, 100, 100};
constexpr TestRgb kGrey200{200, 200, 200};
constexpr TestRgb kGreen{0, 200, 0};
constexpr TestRgb kBlue{0, 0, 200};

const PictureRow kRows[] = {
    {1, "L1/%d.obx", 1001, 1, 100, 100, P1::kBackground},
    {1, "L1/%d.obx", 1002, 1, 60, 40, P1::kObstacle},
    {1, "L1/%d.obx", 1003, 1, 40, 100, P1::kObstacle},
    {1, "L1/%d.obx", 1004, 1, 140, 60, P1::kObstacle},
    {1, "L1/%d.obx", 1005, 1, 100, 100, P1::kObstacle, 0, 0, 50, 0, 50, 100},
    {1, "L1/%d.obx", 1006, 1, 80, 50, P1::kObstacle},
    {1, "L1/%d.obx", 1007, 1, 120, 80, P1::kObstacle},
    {1, "L1/%d.obx", 1010, 7, P1::kNearWidth, 6, TestRgb{90, 90, 110}, 2, 1},
    {1, "L1/%d.obx", 1018, 1, P1::kFarSize, P1::kFarSize, TestRgb{60, 60, 60}},
    {1, "L1/%d.obx", 1009, 1, 2, 2, TestRgb{60, 60, 60}},
    {1, "L1/%d.obx", 1017, 1, 2, 2, TestRgb{60, 60, 60}},
    {1, "L1/%d.obx", 1019, 1, 2, 2, TestRgb{60, 60, 60}},
    {1, "L1/%d.obx", 1020, 1, 60, 120, P1::kGate},
    {1, "M/m%03d.obx", 39, 1, 20, 24, P1::kZero},
    {1, "M/m%03d.obx", 40, 1, 20, 24, P1::kOne},
    {1, "M/m%03d.obx", 44, 1, 20, 24, P1::kFive},
    {1, "M/m%03d.obx", 54, 1, P1::kDoublingWidth, P1::kDoublingHeight, P1::kDoubling},
    {1, "M/m%03d.obx", 55, 1, P1::kHalvingWidth, P1::kHalvingHeight, P1::kHalving},

    {2, "L2/%d.obx", 2001, 1, 20, 20, TestRgb{10, 60, 70}},
    {2, "L2/%d.obx", 2002, 1, 60, 40, P2::kKind1Colour},
    {2, "L2/%d.obx", 2003, 1, 60, 40, P2::kKind1SecondColour, 0, 0, 0, 0, 30, 40},
    {2, "L2/%d.obx", 2004, 4, 20, 10, kGrey30},
    {2, "L2/%d.obx", 2008, 5, 40, 30, P2::kKind2Colour, 10, 10},
    {2, "L2/%d.obx", 2013, 1, 120, 100, P2::kKind3Colour},
    {2, "L2/%d.obx", 2014, 1, 50, 300, P2::kGateColour},
    {2, "L2/%d.obx", 2015, 1, P2::kFloorWidth, 60, P2::kFloorColour},
    {2, "L2/%d.obx", 2016, 1, 100, 40, P2::kSweeperColour},
    {2, "M/m%03d.obx", 39, 1, 20, 30, P2::kDigitZeroColour},
    {2, "M/m%03d.obx", 40, 1, 20, 30, P2::kDigitOneColour},
    {2, "M/m%03d.obx", 44, 1, 20, 30, TestRgb{200, 200, 200}},
    {2, "M/m%03d.obx", 54, 1, 30, 20, P2::kDoublingColour},
    {2, "M/m%03d.obx", 55, 1, 40, 24, P2::kHalvingColour},

    {3, "L3/%d.obx", 1001, 1, 100, 10, TestRgb{60, 60, 60}},
    {3, "L3/%d.obx", 1002, 1, 800, Course3Pictures::kTopBandHeight, TestRgb{90, 80, 70}},
    {3, "L3/%d.obx", 1003, 1, 800, 30, TestRgb{70, 90, 60}},
    {3, "L3/%d.obx", 1004, 8, 30, 20, kSolid, 10, 5},
    {3, "L3/%d.obx", 1012, 1, 200, 100, kSolid},
    {3, "L3/%d.obx", 1013, 1, 200, 100, kTransparent},
    {3, "L3/%d.obx", 1014, 6, 20, 10, kGrey30},
    {3, "M/m%03d.obx", 39, 1, 20, 30, kGrey100},
    {3, "M/m%03d.obx", 40, 1, 20, 30, kGrey200},
    {3, "M/m%03d.obx", 44, 1, 20, 30, kGrey200},
    {3, "M/m%03d.obx", 54, 1, 30, 20, kGreen},
    {3, "M/m%03d.obx", 55, 1, 40, 24, kBlue},

    {4, "M/m%03d.obx", 1, 1, 84, 40, TestRgb{20, 20, 200}},
    {4, "L4/%d.obx", 4038, 1, 800, 10, P4::kBackground},
    {4, "L4/%d.obx", 4039, 1, 800, 50, P4::kTopBand},
    {4, "L4/%d.obx", 4040, 1, 800, 50, P4::kBottomBand},
    {4, "L4/bt.obx", 0, 1, 20, 10, P4::kCue},
    {4, "L4/arrow.obx", 0, 1, 20, 10, P4::kArrow},
    {4, "L4/%d.obx", 4041, 1, 60, 60, P4::kObstacle},
    {4, "L4/%d.obx", 4005, 6, 60, 60, P4::kObstacle},
    {4, "L4/%d.obx", 4012, 6, 30, 30, TestRgb{60, 60, 120}},
    {4, "M/m%03d.obx", 39, 1, 10, 10, TestRgb{250, 200, 200}},
    {4, "M/m%03d.obx", 40, 1, 10, 10, TestRgb{250, 200, 200}},
    {4, "M/m%03d.obx", 44, 1, 10, 10, TestRgb{250, 200, 200}},
    {4, "M/m%03d.obx", 54, 2, 40, 40, TestRgb{200, 200, 40}},
    {4, "L4/%d.obx", 4018, 1, 1000, 60, P4::kChamber},
    {4, "L4/%d.obx", 4019, 1, 74, 366, P4::kChamber, 0, 0, 0, 300, 74, 66},
    {4, "L4/%d.obx", 4020, 1, 1000, 135, P4::kChamber, 0, 0, 0, 95, 1000, 40},
    {4, "L4/%d.obx", 4021, 1, 160, 600, P4::kWall, 0, 0, 100, 0, 60, 600},
    {4, "L4/%d.obx", 4022, 1, 10, 10, TestRgb{30, 60, 30}},
    {4, "L4/%d.obx", 4023, 1, 40, 40, P4::kBrain},
    {4, "L4/%d.obx", 4024, 1, 40, 40, P4::kSegment},
    {4, "L4/%d.obx", 4036, 1, 40, 40, P4::kBrainFlash},
    {4, "L4/%d.obx", 4037, 1, 40, 40, P4::kSegmentFlash},
    {4, "L4/%d.obx", 4025, 3, 10, 10, P4::kShot},
    {4, "L4/%d.obx", 4028, 1, 40, 30, TestRgb{0, 0, 0}},
    {4, "L4/%d.obx", 4029, 1, 10, 10, P4::openingColour(0)},
    {4, "L4/%d.obx", 4030, 1, 10, 10, P4::openingColour(1)},
    {4, "L4/%d.obx", 4031, 1, 10, 10, P4::openingColour(2)},
    {4, "L4/%d.obx", 4032, 1, 10, 10, P4::openingColour(3)},
    {4, "L4/%d.obx", 4033, 1, 10, 10, P4::openingColour(4)},
    {4, "L4/%d.obx", 4034, 1, 513, 24, P4::kBeam0},
    {4, "L4/%d.obx", 4035, 1, 513, 24, P4::kBeam1},
};

bool writeRow(const std::string& root, const PictureRow& row) {
    for (int n = 0; n < row.count; ++n) {
        char name[32];
        std::snprintf(name, sizeof name, row.name, row.first + n);
        const int width = row.width + n * row.stepWidth;
        const int height = row.height + n * row.stepHeight;
        TestPicture picture(width, height, row.solidWidth > 0 ? kTransparent : row.colour);
        picture.fillRect(row.solidX, row.solidY, row.solidWidth, row.solidHeight, row.colour);
        if (!picture.write(root + "/data/" + name)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool CourseTestPictures::write(const std::string& root, int course) {
    for (const PictureRow& row : kRows) {
        if (row.course == course && !writeRow(root, row)) {
            return false;
        }
    }
    return true;
}
