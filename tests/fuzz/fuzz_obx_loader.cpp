// Feeds arbitrary bytes to the picture loader as a picture file.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "assets/ObxImage.h"

namespace {

SDL_Surface* screen() {
    static SDL_Surface* s = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_Init(SDL_INIT_VIDEO);
        return SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    }();
    return s;
}

const std::string& picturePath() {
    static const std::string path = "/tmp/kavrel-fuzz-" + std::to_string(getpid()) + ".obx";
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    FILE* f = std::fopen(picturePath().c_str(), "wb");
    if (!f) {
        return 0;
    }
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    ObxImage image;
    if (image.load(picturePath().c_str(), screen()) == 0) {
        // Every pixel of a loaded picture must be readable and drawable.
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7) {
                image.isSolidPixel(x, y);
            }
        }
        image.draw(screen(), 10, 10);
    }
    return 0;
}
