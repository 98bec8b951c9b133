#include "Course1Pictures.h"

namespace course1pictures {

namespace {

bool solid(const std::string& root, const std::string& name, int w, int h, TestRgb c) {
    return writeSolidPicture(root + "/data/" + name, w, h, c);
}

bool obstacles(const std::string& root) {
    const char* files[6] = {"1002", "1003", "1004", "1005", "1006", "1007"};
    for (int n = 0; n < 6; ++n) {
        TestPicture picture(kObstacleWidth[n], kObstacleHeight[n], kObstacle);
        if (n == 3) {
            picture.fillRect(0, 0, kObstacleWidth[n] / 2, kObstacleHeight[n], kTransparent);
        }
        if (!picture.write(root + "/data/L1/" + files[n] + ".obx")) {
            return false;
        }
    }
    return true;
}

// A digit with its top-left pixel transparent, as lettering has.
bool digit(const std::string& root, const std::string& name, TestRgb c) {
    TestPicture picture(kDigitWidth, kDigitHeight, c);
    picture.set(0, 0, kTransparent);
    return picture.write(root + "/data/M/" + name);
}

}  // namespace

bool write(const std::string& root) {
    bool ok = solid(root, "L1/1001.obx", kBackgroundSize, kBackgroundSize, kBackground);
    ok = ok && obstacles(root);
    for (int n = 0; n < 7; ++n) {
        const std::string name = "L1/" + std::to_string(1010 + n) + ".obx";
        ok = ok && solid(root, name, kNearWidth + 2 * n, 6 + n, kNear);
    }
    ok = ok && solid(root, "L1/1018.obx", kFarSize, kFarSize, kFar);
    for (const char* unused : {"L1/1009.obx", "L1/1017.obx", "L1/1019.obx"}) {
        ok = ok && solid(root, unused, 2, 2, kFar);
    }
    ok = ok && solid(root, "L1/1020.obx", kGateWidth, kGateHeight, kGate);
    ok = ok && digit(root, "m039.obx", kZero) && digit(root, "m040.obx", kOne) &&
         digit(root, "m044.obx", kFive);
    ok = ok && solid(root, "M/m054.obx", kDoublingWidth, kDoublingHeight, kDoubling);
    ok = ok && solid(root, "M/m055.obx", kHalvingWidth, kHalvingHeight, kHalving);
    return ok;
}

}  // namespace course1pictures
