#include "support/Course2Pictures.h"

#include "support/CourseTestPictures.h"

namespace {

std::string l2(int number) {
    return "L2/" + std::to_string(number) + ".obx";
}

}  // namespace

std::string Course2Pictures::course2File(const TempFolder& folder, int number) {
    return folder.file("data/" + l2(number));
}

bool Course2Pictures::write(const std::string& root) {
    const CourseTestPictures files(root);
    bool ok = files.solid(l2(2001), 20, 20, TestRgb{10, 60, 70});
    ok = ok && files.solid(l2(2002), 60, 40, kKind1Colour);
    TestPicture halfSolid(60, 40, kTransparent);
    halfSolid.fillRect(0, 0, 30, 40, kKind1SecondColour);
    ok = ok && files.picture(l2(2003), halfSolid);
    for (int n = 0; n < 4; ++n) {
        ok = ok && files.solid(l2(2004 + n), 20, 10, TestRgb{30, 40, 50});
    }
    for (int n = 0; n < 5; ++n) {
        ok = ok && files.solid(l2(2008 + n), 40 + 10 * n, 30 + 10 * n, kKind2Colour);
    }
    ok = ok && files.solid(l2(2013), 120, 100, kKind3Colour);
    ok = ok && files.solid(l2(2014), 50, 300, kGateColour);
    ok = ok && files.solid(l2(2015), kFloorWidth, kFloorHeight, kFloorColour);
    ok = ok && files.solid(l2(2016), 100, 40, kSweeperColour);
    ok = ok &&
         files.digits(TestPicture(20, 30, kDigitZeroColour), TestPicture(20, 30, kDigitOneColour),
                      TestPicture(20, 30, kDigitFiveColour));
    return ok &&
           files.bonuses(TestPicture(30, 20, kDoublingColour), TestPicture(40, 24, kHalvingColour));
}
