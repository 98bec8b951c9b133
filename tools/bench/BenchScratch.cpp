#include "BenchScratch.h"

#include <cstdlib>
#include <filesystem>

BenchScratch::BenchScratch() {
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / "kavrel-bench-XXXXXX").string();
    if (!ec && mkdtemp(pattern.data())) {
        path_ = pattern;
    }
}

BenchScratch::~BenchScratch() {
    if (ready()) {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
}

std::string BenchScratch::savePicture(SDL_Surface* surface, const std::string& name) const {
    if (!ready()) {
        return "";
    }
    const std::string path = path_ + "/" + name;
    return SDL_SaveBMP(surface, path.c_str()) == 0 ? path : "";
}
