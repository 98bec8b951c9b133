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

void encodePixel(TestRgb c, int bits, std::vector<TestRgb>& palette, unsigned char* p) {
    if (bits == 24) {
        p[0] = c.b;
        p[1] = c.g;
        p[2] = c.r;
    } else if (bits == 16) {
        const unsigned v = (c.r >> 3u) << 11 | (c.g >> 2u) << 5 | (c.b >> 3u);
        p[0] = static_cast<unsigned char>(v);
        p[1] = static_cast<unsigned char>(v >> 8);
    } else {
        size_t index = 0;
        while (index < palette.size() &&
               (palette[index].r != c.r || palette[index].g != c.g || palette[index].b != c.b)) {
            ++index;
        }
        if (index == palette.size()) {
            palette.push_back(c);
        }
        p[0] = static_cast<unsigned char>(index);
    }
}

// The 16-bit masks, or the 8-bit palette as blue, green, red and a zero.
std::vector<unsigned char> colourTable(int bits, const std::vector<TestRgb>& palette) {
    std::vector<unsigned char> table(bits == 8 ? 256 * 4 : bits == 16 ? 3 * 4 : 0, 0);
    if (bits == 16) {
        put32(&table[0], 0xf800);
        put32(&table[4], 0x07e0);
        put32(&table[8], 0x001f);
    }
    for (size_t i = 0; bits == 8 && i < palette.size() && i < 256; ++i) {
        table[i * 4] = palette[i].b;
        table[i * 4 + 1] = palette[i].g;
        table[i * 4 + 2] = palette[i].r;
    }
    return table;
}

}  // namespace

bool TestPicture::write(const std::string& path, bool disguised, int bits) const {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const unsigned rowBytes = (static_cast<unsigned>(width_) * bits / 8 + 3) & ~3u;
    std::vector<unsigned char> pixels(rowBytes * height_, 0);
    std::vector<TestRgb> palette;
    for (int y = height_ - 1; y >= 0; --y) {
        unsigned char* row = &pixels[rowBytes * (height_ - 1 - y)];
        for (int x = 0; x < width_; ++x) {
            encodePixel(at(x, y), bits, palette, row + x * bits / 8);
        }
    }
    const std::vector<unsigned char> table = colourTable(bits, palette);
    const unsigned offset = 54 + static_cast<unsigned>(table.size());
    unsigned char header[54] = {};
    header[0] = 'B';
    header[1] = 'M';
    put32(header + 2, offset + static_cast<unsigned>(pixels.size()));
    put32(header + 10, offset);
    put32(header + 14, 40);
    put32(header + 18, static_cast<unsigned>(width_));
    put32(header + 22, static_cast<unsigned>(height_));
    header[26] = 1;
    header[28] = static_cast<unsigned char>(bits);
    header[30] = bits == 16 ? 3 : 0;  // the masks follow the header
    if (disguised) {
        header[0] = header[1] = header[2] = header[3] = '0';
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        return false;
    }
    std::vector<unsigned char> file(header, header + sizeof header);
    file.insert(file.end(), table.begin(), table.end());
    file.insert(file.end(), pixels.begin(), pixels.end());
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
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
