#include "BenchRunCopy.h"

#include <filesystem>

namespace fs = std::filesystem;

BenchRunCopy::BenchRunCopy(const std::string& runFolder, bool withSound) {
    std::error_code ec;
    const fs::path from(runFolder);
    const fs::path to(folder_.path());
    fs::copy(from / "data", to / "data", fs::copy_options::recursive, ec);
    if (!ec && withSound && fs::exists(from / "sound")) {
        fs::copy(from / "sound", to / "sound", fs::copy_options::recursive, ec);
    }
    copied_ = !ec;
}
