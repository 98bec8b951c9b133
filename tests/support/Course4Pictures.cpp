#include "support/Course4Pictures.h"

#include "support/CourseTestPictures.h"

namespace {

using P = Course4Pictures;

std::string l4(int number) {
    return "L4/" + std::to_string(number) + ".obx";
}

bool writeField(const CourseTestPictures& files) {
    bool ok = files.solid("M/m001.obx", 84, 40, P::kCraft);
    ok = ok && files.solid(l4(4038), 800, 10, P::kBackground);
    ok = ok && files.solid(l4(4039), 800, 50, P::kTopBand);
    ok = ok && files.solid(l4(4040), 800, 50, P::kBottomBand);
    ok = ok && files.solid("L4/bt.obx", 20, 10, P::kCue);
    ok = ok && files.solid("L4/arrow.obx", 20, 10, P::kArrow);
    ok = ok && files.solid(l4(4041), 60, 60, P::kObstacle);
    for (int n = 4005; n <= 4010; ++n) {
        ok = ok && files.solid(l4(n), 60, 60, P::kObstacle);
    }
    for (int n = 4012; n <= 4017; ++n) {
        ok = ok && files.solid(l4(n), 30, 30, P::kScenery);
    }
    const TestPicture digit(10, 10, P::kDigit);
    ok = ok && files.digits(digit, digit, digit);
    const TestPicture bonus(40, 40, P::kBonus);
    return ok && files.bonuses(bonus, bonus);
}

bool writeChamber(const CourseTestPictures& files) {
    bool ok = files.solid(l4(4018), 1000, 60, P::kChamber);
    TestPicture rightSide(74, 366, kTransparent);
    rightSide.fillRect(0, 300, 74, 66, P::kChamber);
    ok = ok && files.picture(l4(4019), rightSide);
    TestPicture floor(1000, 135, kTransparent);
    floor.fillRect(0, 95, 1000, 40, P::kChamber);
    ok = ok && files.picture(l4(4020), floor);
    TestPicture frontWall(160, 600, kTransparent);
    frontWall.fillRect(100, 0, 60, 600, P::kWall);
    ok = ok && files.picture(l4(4021), frontWall);
    return ok && files.solid(l4(4022), 10, 10, P::kBackWall);
}

bool writeBoss(const CourseTestPictures& files) {
    bool ok = files.solid(l4(4023), 40, 40, P::kBrain);
    ok = ok && files.solid(l4(4024), 40, 40, P::kSegment);
    ok = ok && files.solid(l4(4036), 40, 40, P::kBrainFlash);
    ok = ok && files.solid(l4(4037), 40, 40, P::kSegmentFlash);
    for (int n = 4025; n <= 4027; ++n) {
        ok = ok && files.solid(l4(n), 10, 10, P::kShot);
    }
    ok = ok && files.solid(l4(4028), 40, 30, P::kFade);
    for (int i = 0; i < 5; ++i) {
        ok = ok && files.solid(l4(4029 + i), 10, 10, P::openingColour(i));
    }
    ok = ok && files.solid(l4(4034), 513, 24, P::kBeam0);
    return ok && files.solid(l4(4035), 513, 24, P::kBeam1);
}

}  // namespace

bool Course4Pictures::write(const std::string& root) {
    const CourseTestPictures files(root);
    return writeField(files) && writeChamber(files) && writeBoss(files);
}
