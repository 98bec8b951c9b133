#include "record/CoursePilot.h"

#include <cmath>

namespace {

const Player& craftOf(const Game& game, int player) {
    return player == 2 ? game.player2() : game.player1();
}

}  // namespace

AutopilotOptions CoursePilot::optionsFor(const Game& game, int course, int player, bool careful) {
    AutopilotOptions options;
    options.keys = player == 2 ? AutopilotKeys::Wasd : AutopilotKeys::Arrows;
    switch (course) {
        case 1:
            options.seekNearPasses = !careful;
            options.homeY = player == 2 ? 380.0f : 250.0f;
            break;
        case 2:
            // Above the water, where the craft answers its keys at full speed.
            options.homeY = player == 2 ? 360.0f : 200.0f;
            options.maxY = 500.0f;
            options.minDrift = 5;
            options.maxDrift = 20;
            break;
        default: {
            const float band = static_cast<float>(game.level3().bandHeight());
            options.homeY = player == 2 ? 330.0f : 200.0f;
            options.minY = band;
            options.maxY = 600.0f - Autopilot::kCraftHeight - band;
            options.minDrift = 10;
            options.maxDrift = 24;
            break;
        }
    }
    return options;
}

void CoursePilot::startCourse(const Game& game, int mode) {
    mode_ = mode;
    if (mode >= ModeCourse1 && mode <= ModeCourse3) {
        for (int player = 1; player <= 2; ++player) {
            pilots_[player - 1] =
                Autopilot(optionsFor(game, mode - ModeCourse1 + 1, player, careful_));
        }
    }
    bossPilots_[0] = BossPilot();
    bossPilots_[1] = BossPilot();
}

bool CoursePilot::inGame(const Game& game, int player) {
    if (player == 1) {
        return game.playerCount() == 1 || game.status1() != -1;
    }
    return game.playerCount() == 2 && game.status2() != -1;
}

void CoursePilot::press(const Game& game, Uint8* keys) {
    if (game.mode() != mode_) {
        startCourse(game, game.mode());
    }
    if (game.isPaused()) {
        return;
    }
    if (mode_ >= ModeCourse1 && mode_ <= ModeCourse3) {
        pressRace(game, keys);
    } else if (mode_ == ModeCourse4) {
        pressBoss(game, keys);
    }
}

void CoursePilot::pressRace(const Game& game, Uint8* keys) {
    Box boxes[Autopilot::kMaxHazards];
    int count = 0;
    if (mode_ == ModeCourse1) {
        count = game.level1().hazardBoxes(boxes, Autopilot::kMaxHazards);
    } else if (mode_ == ModeCourse2) {
        count = game.level2().hazardBoxes(boxes, Autopilot::kMaxHazards);
    } else {
        count = game.level3().hazardBoxes(boxes, Autopilot::kMaxHazards);
    }
    for (int player = 1; player <= 2; ++player) {
        if (!inGame(game, player)) {
            continue;
        }
        const Player& craft = craftOf(game, player);
        int dx = 0;
        int dy = 0;
        if (ramming_ && player == 1) {
            ram(craft, boxes, count, dx, dy);
        } else {
            pilots_[player - 1].choose(CraftMotion{craft.x(), craft.y(), craft.vx(), craft.vy()},
                                       boxes, count, dx, dy);
        }
        pressDirection(player, dx, dy, keys);
    }
}

// Heads for the middle of the nearest hazard.
void CoursePilot::ram(const Player& craft, const Box* boxes, int count, int& dx, int& dy) {
    dx = dy = 0;
    float best = 1e9f;
    for (int i = 0; i < count; ++i) {
        const float x = static_cast<float>(boxes[i].x + boxes[i].width / 2) - 41.0f;
        const float y = static_cast<float>(boxes[i].y + boxes[i].height / 2) - 20.0f;
        const float distance = std::fabs(x - craft.x()) + std::fabs(y - craft.y());
        if (distance < best) {
            best = distance;
            dx = Autopilot::approach(craft.x(), craft.vx(), x);
            dy = Autopilot::approach(craft.y(), craft.vy(), y);
        }
    }
}

void CoursePilot::pressBoss(const Game& game, Uint8* keys) {
    for (int player = 1; player <= 2; ++player) {
        if (!inGame(game, player)) {
            continue;
        }
        const Player& craft = craftOf(game, player);
        int dx = 0;
        int dy = 0;
        bossPilots_[player - 1].choose(
            game.level4(), BossPilot::Craft{craft.x(), craft.y(), craft.vx(), craft.vy()}, dx, dy);
        pressDirection(player, dx, dy, keys);
    }
}

void CoursePilot::pressDirection(int player, int dx, int dy, Uint8* keys) {
    const bool arrows = player == 1;
    if (dx > 0) {
        keys[arrows ? SDLK_RIGHT : SDLK_d] = 1;
    } else if (dx < 0) {
        keys[arrows ? SDLK_LEFT : SDLK_a] = 1;
    }
    if (dy > 0) {
        keys[arrows ? SDLK_DOWN : SDLK_s] = 1;
    } else if (dy < 0) {
        keys[arrows ? SDLK_UP : SDLK_w] = 1;
    }
}
