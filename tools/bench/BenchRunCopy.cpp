#include "BenchRunCopy.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

BenchRunCopy::BenchRunCopy(const std::string& runFolder, bool withSound) {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "kavrel-bench-run-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) {
        return;
    }
    fs::copy(fs::path(runFolder) / "data", fs::path(pattern) / "data", fs::copy_options::recursive,
             ec);
    if (!ec && withSound && fs::exists(fs::path(runFolder) / "sound")) {
        fs::copy(fs::path(runFolder) / "sound", fs::path(pattern) / "sound",
                 fs::copy_options::recursive, ec);
    }
    if (ec) {
        fs::remove_all(pattern, ec);
        return;
    }
    path_ = pattern;
}

BenchRunCopy::~BenchRunCopy() {
    if (!path_.empty()) {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
}
