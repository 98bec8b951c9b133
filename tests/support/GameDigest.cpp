#include "support/GameDigest.h"

#include <cstring>

void GameDigest::add(std::int32_t value) {
    for (int i = 0; i < 4; ++i) {
        hash_ ^= static_cast<std::uint32_t>(value >> (8 * i)) & 0xffu;
        hash_ *= 16777619u;
    }
}

void GameDigest::add(float value) {
    std::int32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    add(bits);
}

void GameDigest::addCraft(const Player& craft) {
    add(craft.x());
    add(craft.y());
    add(craft.vx());
    add(craft.vy());
    add(craft.state());
    add(craft.stateTimer());
    add(craft.lives());
    add(craft.course());
}

void GameDigest::addBoss(const Level4& level) {
    add(level.courseFrames());
    add(level.chamberX());
    const BrainBoss& boss = level.boss();
    add(boss.hitPoints());
    add(boss.retreating());
    add(boss.brain().x);
    add(boss.brain().y);
}

void GameDigest::addCourse(const Game& game) {
    Box boxes[64];
    int count = 0;
    BonusObject bonus;
    switch (game.mode()) {
        case ModeCourse1:
            count = game.level1().hazardBoxes(boxes, 64);
            bonus = game.level1().bonus();
            add(game.level1().progress());
            break;
        case ModeCourse2:
            count = game.level2().hazardBoxes(boxes, 64);
            bonus = game.level2().bonus();
            add(game.level2().progress());
            break;
        case ModeCourse3:
            count = game.level3().hazardBoxes(boxes, 64);
            bonus = game.level3().bonus();
            add(game.level3().progress());
            break;
        case ModeCourse4:
            count = game.level4().hazardBoxes(boxes, 64);
            bonus = game.level4().bonus();
            addBoss(game.level4());
            break;
        default:
            return;
    }
    add(count);
    for (int i = 0; i < count; ++i) {
        add(boxes[i].x);
        add(boxes[i].y);
        add(boxes[i].width);
        add(boxes[i].height);
    }
    add(bonus.active ? 1 : 0);
    add(bonus.x);
    add(bonus.y);
    add(bonus.kind);
}

std::uint16_t GameDigest::of(const Game& game, int soundEvent) {
    GameDigest d;
    d.add(game.mode());
    d.add(soundEvent);
    d.add(game.isPaused() ? 1 : 0);
    d.add(game.frameCounter());
    d.add(game.seconds());
    d.add(game.minutes());
    d.add(game.score1());
    d.add(game.score2());
    d.add(game.status1());
    d.add(game.status2());
    d.add(game.playerCount());
    d.addCraft(game.player1());
    d.addCraft(game.player2());
    d.addCourse(game);
    return static_cast<std::uint16_t>(d.hash_ ^ (d.hash_ >> 16));
}
