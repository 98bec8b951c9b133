#include "HighscoreFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "highscore/HighscoreFile.h"

namespace {

// The stored file holds every byte of its plain text lowered by 25: by 25
// this reads it, by -25 it writes it, without the game's code.
std::string shiftedHighscoreText(std::string text, int by) {
    for (char& c : text) {
        c = static_cast<char>(static_cast<unsigned char>(c) + by);
    }
    return text;
}

}  // namespace

HighscoreFixture::HighscoreFixture() {
    std::filesystem::create_directories(folder.file("data/M"));
}

void HighscoreFixture::TearDown() {
    EXPECT_FALSE(exists(kHighscoreTempPath)) << "the plain temporary file outlived an operation";
    EXPECT_FALSE(exists(kHighscoreNewPath));
}

std::string HighscoreFixture::storedBytes() const {
    std::ifstream in(folder.file(kHighscorePath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void HighscoreFixture::writeStoredBytes(const std::string& bytes) const {
    std::ofstream out(folder.file(kHighscorePath), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void HighscoreFixture::writeStoredText(const std::string& plain) const {
    writeStoredBytes(shiftedHighscoreText(plain, -25));
}

std::string HighscoreFixture::storedText() const {
    return shiftedHighscoreText(storedBytes(), 25);
}

bool HighscoreFixture::exists(const char* relative) const {
    return std::filesystem::exists(folder.file(relative));
}

std::string HighscoreFixture::textOf(const HighscoreTable& table) {
    std::string text;
    for (int i = 0; i < HighscoreTable::kSlots; ++i) {
        text += table.slot(i);
        text += "\r\n";
    }
    return text;
}

void PrintTo(const HighscoreTable& table, std::ostream* out) {
    *out << "{";
    for (int i = 0; i < HighscoreTable::kSlots; ++i) {
        *out << (i ? ", \"" : "\"") << table.slot(i) << "\"";
    }
    *out << "}";
}
