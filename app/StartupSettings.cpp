#include "app/StartupSettings.h"

#include <cstring>
#include <fstream>

int StartupSettings::readFullScreen(const char* path) {
    std::ifstream in(path);
    int value = 0;
    if (!(in >> value)) {
        return 0;
    }
    return value;
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
