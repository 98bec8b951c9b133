// kavrel-assetgen: draws every picture and renders every sound of the game
// into a run folder.
//   kavrel-assetgen pictures OUT   the pictures, X.bmp and data/info.txt
//   kavrel-assetgen sounds OUT     the music and effects under sound/
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "assetgen/AssetModules.h"

namespace {

const AssetModule* const kPictureModules[] = {
    &kHudArt,     &kPlayerArt, &kCourse1Art,   &kCourse2Art, &kCourse3Art,
    &kCourse4Art, &kMenuArt,   &kHighscoreArt, &kStoryArt,   &kIconArt,
};
const AssetModule* const kSoundModules[] = {&kMusic, &kEffects};

template <size_t N>
int runModules(const AssetModule* const (&modules)[N], const std::string& out) {
    int total = 0;
    for (const AssetModule* m : modules) {
        total += m->files;
    }
    const auto started = std::chrono::steady_clock::now();
    AssetWriter writer(out, total);
    for (const AssetModule* m : modules) {
        const int before = writer.done();
        writer.setModule(m->name);
        m->make(writer);
        if (writer.done() - before != m->files) {
            std::fprintf(stderr, "kavrel-assetgen: %s wrote %d files, declared %d\n", m->name,
                         writer.done() - before, m->files);
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("kavrel-assetgen: %d files in %.1f s\n", writer.done(), seconds);
    return writer.failures() == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 ||
        (std::strcmp(argv[1], "pictures") != 0 && std::strcmp(argv[1], "sounds") != 0)) {
        std::fprintf(stderr, "usage: kavrel-assetgen pictures|sounds OUTPUT_FOLDER\n");
        return 2;
    }
    if (std::strcmp(argv[1], "pictures") == 0) {
        return runModules(kPictureModules, argv[2]);
    }
    return runModules(kSoundModules, argv[2]);
}
