#include "app/StartupSettings.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

int StartupSettings::readFullScreen(const char* path) {
    std::ifstream in(path);
    int value = 0;
    if (!(in >> value)) {
        return 0;
    }
    return value;
}

int StartupSettings::writeFullScreen(const char* path, int fullScreen) {
    const std::string fresh = std::string(path) + ".new";
    std::FILE* out = std::fopen(fresh.c_str(), "w");
    if (!out) {
        return -1;
    }
    const bool written = std::fprintf(out, "%d\n", fullScreen != 0 ? 1 : 0) > 0;
    if (std::fclose(out) != 0 || !written || std::rename(fresh.c_str(), path) != 0) {
        std::remove(fresh.c_str());
        return -1;
    }
    return 0;
}

bool StartupSettings::showsNothing(const char* driverName, const char* requestedDriver) {
    if (requestedDriver && requestedDriver[0] != '\0') {
        return false;
    }
    if (!driverName) {
        return true;
    }
    return std::strcmp(driverName, "offscreen") == 0 || std::strcmp(driverName, "dummy") == 0;
}
