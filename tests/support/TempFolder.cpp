#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kavrel-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    path_ = made ? made : pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}
