#include "app/CommandLine.h"

#include <cstdlib>
#include <cstring>

#include "app/WindowScale.h"

int CommandLine::parse(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--help") == 0) {
            return ShowUsage;
        }
        if (std::strcmp(option, "--version") == 0) {
            return ShowVersion;
        }
        if (std::strcmp(option, "--fullscreen") == 0) {
            fullScreen_ = 1;
        } else if (std::strcmp(option, "--window") == 0) {
            fullScreen_ = 0;
        } else if (std::strcmp(option, "--scale") != 0 || i + 1 == argc || !readScale(argv[++i])) {
            return Refused;
        }
    }
    return Play;
}

bool CommandLine::readScale(const char* text) {
    char* end = nullptr;
    const double factor = std::strtod(text, &end);
    if (end == text || *end != '\0' || !WindowScale::offered(factor)) {
        return false;
    }
    scale_ = factor;
    return true;
}

const char* CommandLine::usage() {
    return "usage: kavrel [--fullscreen | --window] [--scale N]\n"
           "  --fullscreen  full screen for this start (data/info.txt stays as it is)\n"
           "  --window      a window for this start (data/info.txt stays as it is)\n"
           "  --scale N     a window of 800x600 times N: 1, 1.5, 2, 2.5, 3 or 4\n"
           "                (by default the largest that fits the desktop)\n"
           "  --help        show this and exit\n"
           "  --version     show the version and exit\n"
           "While playing, F11 switches between window and full screen and keeps the\n"
           "choice in data/info.txt for the next start.\n";
}
