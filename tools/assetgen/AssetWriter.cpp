#include "assetgen/AssetWriter.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

AssetWriter::AssetWriter(const std::string& outDir, int totalFiles)
    : outDir_(outDir), total_(totalFiles) {}

std::string AssetWriter::prepare(const std::string& relativePath) {
    const std::filesystem::path full = std::filesystem::path(outDir_) / relativePath;
    std::error_code ec;
    std::filesystem::create_directories(full.parent_path(), ec);
    return full.string();
}

void AssetWriter::written(const std::string& relativePath) {
    ++done_;
    std::printf("[%3d/%d] %s: %s\n", done_, total_, module_.c_str(), relativePath.c_str());
    std::fflush(stdout);
}

void AssetWriter::obx(const Canvas& canvas, const std::string& relativePath) {
    if (canvas.writeBmp(prepare(relativePath), true) != 0) {
        ++failures_;
    }
    written(relativePath);
}

void AssetWriter::bmp(const Canvas& canvas, const std::string& relativePath) {
    if (canvas.writeBmp(prepare(relativePath), false) != 0) {
        ++failures_;
    }
    written(relativePath);
}

void AssetWriter::png(const Canvas& canvas, const std::string& relativePath) {
    if (canvas.writePng(prepare(relativePath)) != 0) {
        ++failures_;
    }
    written(relativePath);
}

void AssetWriter::file(const std::string& relativePath, const std::string& bytes,
                       bool keepExisting) {
    const std::string path = prepare(relativePath);
    if (!(keepExisting && std::filesystem::exists(path))) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "kavrel-assetgen: cannot write %s\n", path.c_str());
            ++failures_;
        }
    }
    written(relativePath);
}
