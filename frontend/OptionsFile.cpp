#include "frontend/OptionsFile.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int kVolumeStep = 4;

// A name, one integer and nothing after it but white space.
bool parseLine(const char* line, char (&name)[16], long& value) {
    int at = 0;
    if (std::sscanf(line, "%15s %n", name, &at) != 1) {
        return false;
    }
    char* end = nullptr;
    value = std::strtol(line + at, &end, 10);
    if (end == line + at) {
        return false;
    }
    while (std::isspace(static_cast<unsigned char>(*end))) {
        ++end;
    }
    return *end == '\0';
}

// The volume moves in steps of 4 on the options page; other values would put
// its knob off the bar.
void take(MenuOptions& options, const char* name, long value) {
    if (std::strcmp(name, "volume") == 0 && value >= 0 && value <= 128 &&
        value % kVolumeStep == 0) {
        options.volume = static_cast<int>(value);
    } else if (std::strcmp(name, "lives") == 0 && value >= 1 && value <= Menu::kMaxLives) {
        options.lives = static_cast<int>(value);
    } else if (std::strcmp(name, "players") == 0 && (value == 1 || value == 2)) {
        options.players = static_cast<int>(value);
    }
}

}  // namespace

MenuOptions OptionsFile::read(const char* path) {
    MenuOptions options;
    FILE* in = std::fopen(path, "r");
    if (!in) {
        return options;
    }
    char line[64];
    while (std::fgets(line, sizeof line, in)) {
        char name[16];
        long value = 0;
        if (parseLine(line, name, value)) {
            take(options, name, value);
        }
    }
    std::fclose(in);
    return options;
}

int OptionsFile::write(const char* path, const MenuOptions& options) {
    const std::string beside = std::string(path) + ".new";
    FILE* out = std::fopen(beside.c_str(), "w");
    if (!out) {
        return -1;
    }
    const bool written = std::fprintf(out, "volume %d\nlives %d\nplayers %d\n", options.volume,
                                      options.lives, options.players) > 0;
    if (std::fclose(out) != 0 || !written || std::rename(beside.c_str(), path) != 0) {
        std::remove(beside.c_str());
        return -1;
    }
    return 0;
}
