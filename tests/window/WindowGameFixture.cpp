#include "WindowGameFixture.h"

#include <filesystem>
#include <iostream>
#include <thread>

#include "support/GeneratedRunFolder.h"
#include "support/RgbImage.h"

namespace fs = std::filesystem;

namespace {

bool mostlyBlack(const std::string& shot) {
    return countColour(shot, TestRgb{0, 0, 0}) >
           800 * 600 / 2 + (XvfbSession::kScreenWidth * XvfbSession::kScreenHeight - 800 * 600);
}

}  // namespace

void WindowGameFixture::SetUp() {
    ASSERT_TRUE(session.running()) << "could not start Xvfb";
    ASSERT_TRUE(GeneratedRunFolder::copyInto(folder.path(), {"kavrel", "X.bmp", "data", "sound"}));
    ASSERT_TRUE(fs::exists(folder.file("kavrel"))) << "no game in " << GeneratedRunFolder::path();
}

void WindowGameFixture::TearDown() {
    if (HasFailure()) {
        const fs::path keep = fs::path(KAVREL_BUILD_DIR) / "window-test-failures";
        fs::create_directories(keep);
        const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        const std::string shot = (keep / (name + ".png")).string();
        if (session.screenshot(shot)) {
            std::cerr << "screenshot: " << shot << "\n";
        }
        std::cerr << "game output:\n" << readWholeTextFile(outputPath()) << "\n";
    }
}

void WindowGameFixture::launch(const std::vector<std::string>& env) {
    ASSERT_TRUE(game.start({"./kavrel"}, folder.path(), env, outputPath()));
}

void WindowGameFixture::startGame() {
    ASSERT_NO_FATAL_FAILURE(launch({session.displayEnv(), "SDL_VIDEODRIVER"}));
    const unsigned long window = session.waitForWindow("Kavrel", kWindowTimeoutMs);
    ASSERT_NE(0u, window) << "no window titled Kavrel";
    ASSERT_TRUE(session.focus(window));
}

std::string WindowGameFixture::screen() {
    const std::string path = folder.file("screen.bmp");
    fs::remove(path);
    session.screenshot("bmp3:" + path);
    return readWholeTextFile(path);
}

std::string WindowGameFixture::settledScreen() {
    std::string last;
    return waitForScreen([&](const std::string& shot) {
        const bool settled = shot == last && !mostlyBlack(shot);
        last = shot;
        return settled;
    });
}

void WindowGameFixture::press(const char* key) {
    session.holdKey(key);
    wait(200);
}

void WindowGameFixture::wait(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int countColour(const std::string& shot, TestRgb c) {
    return findColour(shot, c).count;
}

ColourBox findColour(const std::string& shot, TestRgb c) {
    ColourBox box;
    RgbImage image;
    image.readPictureBytes(shot);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x, y) != RgbImage::Rgb{c.r, c.g, c.b}) {
                continue;
            }
            if (box.count++ == 0) {
                box.left = box.right = x;
                box.top = box.bottom = y;
            }
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}
