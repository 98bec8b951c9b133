// kavrel-snapshot: runs the real game headless from a run folder, holds keys
// along a scripted timeline for a number of logic frames (one render per
// frame, the game second on every 30th frame, as the game's loop does), and
// saves the screen as PNG at chosen frames.
#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ScreenShot.h"
#include "SnapshotOptions.h"
#include "app/EscapeKey.h"
#include "app/FrameStep.h"
#include "game/Game.h"

namespace {

// A course other than the first is entered as if a game had just reached it,
// with the starting lives and scores of a new game.
void enterMode(Game& game, const SnapshotOptions& options) {
    game.setPlayerCount(options.players);
    if (options.mode >= ModeCourse2 && options.mode <= ModeCourse4) {
        game.setMode(ModeCourse1);
    }
    if (options.mode != 0) {
        game.setMode(options.mode);
    }
}

int saveShots(SDL_Surface* screen, const SnapshotOptions& options, int frame) {
    int failures = 0;
    for (int i = 0; i < options.shotCount; ++i) {
        if (options.shots[i].frame != frame) {
            continue;
        }
        if (ScreenShot::save(screen, options.shots[i].path) != 0) {
            std::fprintf(stderr, "kavrel-snapshot: cannot write %s\n",
                         options.shots[i].path.c_str());
            ++failures;
        } else {
            std::printf("frame %d: %s\n", frame, options.shots[i].path.c_str());
        }
    }
    return failures;
}

int runFrames(Game& game, SDL_Surface* screen, const SnapshotOptions& options) {
    Uint8 keys[SDLK_LAST] = {};
    FrameStep step(game);
    game.render();
    int failures = saveShots(screen, options, 0);
    for (int frame = 1; frame <= options.frames; ++frame) {
        options.keys.keysAt(frame, keys);
        const int modeBefore = game.mode();
        if (options.keys.escapeAt(frame) && EscapeKey::act(game) == 1) {
            std::printf("frame %d: Escape in the menu ends the game\n", frame);
            break;
        }
        const int soundEvent = step.logicFrame(keys);
        if (game.mode() != modeBefore) {
            std::printf("frame %d: mode %d -> %d\n", frame, modeBefore, game.mode());
        }
        game.render();
        failures += saveShots(screen, options, frame);
        if (soundEvent == kQuitEvent) {
            std::printf("frame %d: the game asked to quit\n", frame);
            break;
        }
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    SnapshotOptions options;
    if (options.parse(argc, argv) != 0) {
        return 2;
    }
    if (chdir(options.runFolder.c_str()) != 0) {
        std::fprintf(stderr, "kavrel-snapshot: cannot enter %s\n", options.runFolder.c_str());
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "kavrel-snapshot: SDL_Init failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Surface* screen = SDL_SetVideoMode(800, 600, 32, SDL_SWSURFACE);
    int status = 1;
    if (screen) {
        std::unique_ptr<Game> game = std::make_unique<Game>();
        game->loadAll(screen);
        enterMode(*game, options);
        status = runFrames(*game, screen, options);
    } else {
        std::fprintf(stderr, "kavrel-snapshot: SDL_SetVideoMode failed: %s\n", SDL_GetError());
    }
    SDL_Quit();
    return status;
}
