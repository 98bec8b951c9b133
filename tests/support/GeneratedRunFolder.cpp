#include "support/GeneratedRunFolder.h"

#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

std::string GeneratedRunFolder::path() {
    return KAVREL_RUN_FOLDER;
}

bool GeneratedRunFolder::copyInto(const std::string& folder,
                                  std::initializer_list<const char*> entries) {
    for (const char* entry : entries) {
        const fs::path from = fs::path(path()) / entry;
        std::error_code ec;
        if (!fs::exists(from, ec)) {
            if (std::strcmp(entry, "data") == 0) {
                return false;
            }
            continue;
        }
        fs::copy(from, fs::path(folder) / entry,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
        if (ec) {
            return false;
        }
    }
    // Options someone chose playing in the run folder must not reach the tests.
    std::error_code ignored;
    fs::remove(fs::path(folder) / "data/options.txt", ignored);
    return true;
}
