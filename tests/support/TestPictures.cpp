#include "support/TestPictures.h"

#include <cstdio>
#include <filesystem>

TestPicture::TestPicture(int width, int height, TestRgb fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void TestPicture::set(int x, int y, TestRgb c) {
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void TestPicture::fillRect(int x, int y, int w, int h, TestRgb c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            set(i, j, c);
        }
    }
}

TestRgb TestPicture::at(int x, int y) const {
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

namespace {

void put32(unsigned char* p, unsigned v) {
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<unsigned char>(v >> (8 * i));
    }
}

}  // namespace

bool TestPicture::write(const std::string& path, bool disguised) const {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const unsigned rowBytes = (static_cast<unsigned>(width_) * 3 + 3) & ~3u;
    unsigned char header[54] = {};
    header[0] = 'B';
    header[1] = 'M';
    put32(header + 2, 54 + rowBytes * height_);
    put32(header + 10, 54);
    put32(header + 14, 40);
    put32(header + 18, static_cast<unsigned>(width_));
    put32(header + 22, static_cast<unsigned>(height_));
    header[26] = 1;
    header[28] = 24;
    if (disguised) {
        header[0] = header[1] = header[2] = header[3] = '0';
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    std::fwrite(header, 1, sizeof header, f);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const TestRgb c = at(x, y);
            row[x * 3] = c.b;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.r;
        }
        std::fwrite(row.data(), 1, rowBytes, f);
    }
    std::fclose(f);
    return true;
}

bool writeSolidPicture(const std::string& path, int width, int height, TestRgb c) {
    return TestPicture(width, height, c).write(path);
}

std::string readFileStart(const std::string& path, int count) {
    std::string bytes(static_cast<size_t>(count), '\0');
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        return "";
    }
    const size_t n = std::fread(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    bytes.resize(n);
    return bytes;
}
