#include "support/Course1Pictures.h"

#include "support/CourseTestPictures.h"

namespace {

using P = Course1Pictures;

bool obstacles(const CourseTestPictures& files) {
    const char* names[6] = {"1002", "1003", "1004", "1005", "1006", "1007"};
    for (int n = 0; n < 6; ++n) {
        TestPicture picture(P::kObstacleWidth[n], P::kObstacleHeight[n], P::kObstacle);
        if (n == 3) {
            picture.fillRect(0, 0, P::kObstacleWidth[n] / 2, P::kObstacleHeight[n], kTransparent);
        }
        if (!files.picture(std::string("L1/") + names[n] + ".obx", picture)) {
            return false;
        }
    }
    return true;
}

// A digit with its top-left pixel transparent, as lettering has.
TestPicture digit(TestRgb c) {
    TestPicture picture(P::kDigitWidth, P::kDigitHeight, c);
    picture.set(0, 0, kTransparent);
    return picture;
}

}  // namespace

bool Course1Pictures::write(const std::string& root) {
    const CourseTestPictures files(root);
    bool ok = files.solid("L1/1001.obx", kBackgroundSize, kBackgroundSize, kBackground);
    ok = ok && obstacles(files);
    for (int n = 0; n < 7; ++n) {
        const std::string name = "L1/" + std::to_string(1010 + n) + ".obx";
        ok = ok && files.solid(name, kNearWidth + 2 * n, 6 + n, kNear);
    }
    ok = ok && files.solid("L1/1018.obx", kFarSize, kFarSize, kFar);
    for (const char* unused : {"L1/1009.obx", "L1/1017.obx", "L1/1019.obx"}) {
        ok = ok && files.solid(unused, 2, 2, kFar);
    }
    ok = ok && files.solid("L1/1020.obx", kGateWidth, kGateHeight, kGate);
    ok = ok && files.digits(digit(kZero), digit(kOne), digit(kFive));
    ok = ok && files.bonuses(TestPicture(kDoublingWidth, kDoublingHeight, kDoubling),
                             TestPicture(kHalvingWidth, kHalvingHeight, kHalving));
    return ok;
}
