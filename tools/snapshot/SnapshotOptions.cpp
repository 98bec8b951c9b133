#include "SnapshotOptions.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

void SnapshotOptions::printUsage() {
    std::fprintf(stderr,
                 "usage: kavrel-snapshot RUN_FOLDER [--frames N] [--mode M] [--players 2]\n"
                 "                       [--key NAME:FROM[-TO]]... [--shot N[:FILE.png]]...\n"
                 "                       [--out FOLDER]\n");
}

int SnapshotOptions::parse(int argc, char** argv) {
    std::string outFolder = std::filesystem::current_path().string();
    const char* pendingShots[kMaxShots];
    int pending = 0;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        const bool takesValue = arg[0] == '-' && arg[1] == '-';
        if (takesValue && !value) {
            std::fprintf(stderr, "kavrel-snapshot: %s needs a value\n", arg);
            return -1;
        }
        if (std::strcmp(arg, "--frames") == 0) {
            frames = std::atoi(value);
        } else if (std::strcmp(arg, "--mode") == 0) {
            mode = std::atoi(value);
        } else if (std::strcmp(arg, "--players") == 0) {
            players = std::atoi(value) == 2 ? 2 : 1;
        } else if (std::strcmp(arg, "--key") == 0) {
            if (keys.add(value) != 0) {
                std::fprintf(stderr, "kavrel-snapshot: cannot read key press \"%s\"\n", value);
                return -1;
            }
        } else if (std::strcmp(arg, "--shot") == 0) {
            if (pending == kMaxShots) {
                std::fprintf(stderr, "kavrel-snapshot: at most %d shots\n", kMaxShots);
                return -1;
            }
            pendingShots[pending++] = value;
        } else if (std::strcmp(arg, "--out") == 0) {
            outFolder = std::filesystem::absolute(value).string();
        } else if (!takesValue && runFolder.empty()) {
            runFolder = std::filesystem::absolute(arg).string();
            continue;
        } else {
            std::fprintf(stderr, "kavrel-snapshot: unknown argument \"%s\"\n", arg);
            return -1;
        }
        ++i;
    }
    if (runFolder.empty()) {
        printUsage();
        return -1;
    }
    for (int s = 0; s < pending; ++s) {
        if (addShot(pendingShots[s], outFolder) != 0) {
            return -1;
        }
    }
    return 0;
}

int SnapshotOptions::addShot(const char* text, const std::string& outFolder) {
    char* end = nullptr;
    const long frame = std::strtol(text, &end, 10);
    if (end == text || frame < 0 || (*end != '\0' && *end != ':')) {
        std::fprintf(stderr, "kavrel-snapshot: cannot read shot \"%s\"\n", text);
        return -1;
    }
    std::string path =
        *end == ':' ? std::string(end + 1) : "snapshot-" + std::to_string(frame) + ".png";
    shots[shotCount++] =
        Shot{static_cast<int>(frame), (std::filesystem::path(outFolder) / path).string()};
    if (frame > frames) {
        frames = static_cast<int>(frame);
    }
    return 0;
}
