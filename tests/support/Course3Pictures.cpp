#include "support/Course3Pictures.h"

#include "support/CourseTestPictures.h"

namespace {

std::string l3(int number) {
    return "L3/" + std::to_string(number) + ".obx";
}

}  // namespace

bool Course3Pictures::write(const std::string& root) {
    const CourseTestPictures files(root);
    bool ok = files.solid(l3(1001), kBackgroundWidth, 10, TestRgb{60, 60, 60});
    ok = ok && files.solid(l3(1002), 800, kTopBandHeight, TestRgb{90, 80, 70});
    ok = ok && files.solid(l3(1003), 800, kBottomBandHeight, TestRgb{70, 90, 60});
    for (int n = 0; n < 8; ++n) {
        ok = ok && files.solid(l3(1004 + n), 30 + 10 * n, 20 + 5 * n, kSolid);
    }
    ok = ok && files.solid(l3(1012), 200, 100, kSolid);
    ok = ok && files.picture(l3(1013), TestPicture(200, 100, kTransparent));
    for (int n = 0; n < 6; ++n) {
        ok = ok && files.solid(l3(1014 + n), 20, 10, TestRgb{30, 40, 50});
    }
    ok = ok && files.digits(TestPicture(20, 30, TestRgb{100, 100, 100}),
                            TestPicture(20, 30, TestRgb{200, 200, 200}),
                            TestPicture(20, 30, TestRgb{200, 200, 200}));
    return ok && files.bonuses(TestPicture(30, 20, TestRgb{0, 200, 0}),
                               TestPicture(40, 24, TestRgb{0, 0, 200}));
}
