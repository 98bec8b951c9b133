#include "support/CourseFlightFixture.h"

#include "support/GeneratedRunFolder.h"

void CourseFlightFixture::SetUp() {
    ASSERT_TRUE(GeneratedRunFolder::copyInto(folder_.path(), {"data"}));
    enterAndLoad();
}

void CourseFlightFixture::enterAndLoad() {
    here_ = std::make_unique<WorkingDirectory>(folder_.path());
    ASSERT_TRUE(here_->entered());
    testing::internal::CaptureStdout();
    game_->loadAll(screen_.surface());
    testing::internal::GetCapturedStdout();
}

void CourseFlightFixture::startCourse(int mode, int players) {
    game_->setPlayerCount(players);
    game_->setMode(ModeCourse1);
    game_->setMode(mode);
}

void CourseFlightFixture::press(HeldKeys& keys, const Player& craft, Autopilot& pilot,
                                const Box* hazards, int count) {
    int dx = 0;
    int dy = 0;
    pilot.choose(CraftMotion{craft.x(), craft.y(), craft.vx(), craft.vy()}, hazards, count, dx, dy);
    keys.holdDirection(pilot.options().keys == AutopilotKeys::Arrows, dx, dy);
}
