#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Small pictures made by the tests themselves, written as BMP files.
struct TestRgb {
    std::uint8_t r;
    std::uint8_t g;
    std::uint8_t b;
};

constexpr TestRgb kTransparent{255, 0, 0};
constexpr TestRgb kSolid{40, 200, 90};

class TestPicture {
  public:
    TestPicture(int width, int height, TestRgb fill = kSolid);
    void set(int x, int y, TestRgb c);
    void fillRect(int x, int y, int w, int h, TestRgb c);
    TestRgb at(int x, int y) const;
    int width() const { return width_; }
    int height() const { return height_; }

    // disguised writes "0000" in place of the "BM" signature and size bytes.
    // bits is 24, 16 (5-6-5, with its masks) or 8 (a palette of the picture's
    // colours in the order they first appear; at most 256 of them).
    bool write(const std::string& path, bool disguised = true, int bits = 24) const;

  private:
    int width_;
    int height_;
    std::vector<TestRgb> pixels_;
};

// Writes a solid picture of the given size (a box-shaped obstacle).
bool writeSolidPicture(const std::string& path, int width, int height, TestRgb c = kSolid);
std::string readFileStart(const std::string& path, int count);
