#include "support/WorkingDirectory.h"

#include <unistd.h>

#include <filesystem>

WorkingDirectory::WorkingDirectory(const std::string& path) {
    std::error_code ec;
    previous_ = std::filesystem::current_path(ec).string();
    entered_ = !ec && chdir(path.c_str()) == 0;
}

WorkingDirectory::~WorkingDirectory() {
    if (entered_ && chdir(previous_.c_str()) != 0) {
        entered_ = false;
    }
}
