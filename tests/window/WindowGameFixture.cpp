#include "WindowGameFixture.h"

#include <filesystem>
#include <iostream>
#include <thread>

#include "support/GeneratedRunFolder.h"

namespace fs = std::filesystem;

namespace {

// Where the pixels of a P6 picture begin, after "P6", width, height and
// maximum, each followed by white space; 0 when the header is cut short.
size_t pixelStart(const std::string& ppm) {
    size_t at = 0;
    for (int field = 0; field < 4; ++field) {
        at = ppm.find_first_of(" \t\r\n", at);
        if (at == std::string::npos) {
            return 0;
        }
        ++at;
    }
    return at;
}

bool isColour(const std::string& ppm, size_t at, TestRgb c) {
    return static_cast<unsigned char>(ppm[at]) == c.r &&
           static_cast<unsigned char>(ppm[at + 1]) == c.g &&
           static_cast<unsigned char>(ppm[at + 2]) == c.b;
}

bool mostlyBlack(const std::string& ppm) {
    return countColour(ppm, TestRgb{0, 0, 0}) >
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
    const std::string path = folder.file("screen.ppm");
    fs::remove(path);
    session.tool({"import", "-window", "root", "-depth", "8", path});
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

int countColour(const std::string& ppm, TestRgb c) {
    const size_t start = pixelStart(ppm);
    int count = 0;
    for (size_t at = start; start > 0 && at + 2 < ppm.size(); at += 3) {
        count += isColour(ppm, at, c);
    }
    return count;
}

ColourBox findColour(const std::string& ppm, TestRgb c) {
    ColourBox box;
    const size_t start = pixelStart(ppm);
    for (size_t at = start; start > 0 && at + 2 < ppm.size(); at += 3) {
        if (!isColour(ppm, at, c)) {
            continue;
        }
        const int pixel = static_cast<int>((at - start) / 3);
        const int x = pixel % XvfbSession::kScreenWidth;
        const int y = pixel / XvfbSession::kScreenWidth;
        if (!box.found) {
            box = ColourBox{true, x, y, x, y};
        }
        box.left = std::min(box.left, x);
        box.right = std::max(box.right, x);
        box.top = std::min(box.top, y);
        box.bottom = std::max(box.bottom, y);
    }
    return box;
}
