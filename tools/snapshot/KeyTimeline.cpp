#include "KeyTimeline.h"

#include <cstdio>
#include <cstring>

namespace {

struct NamedKey {
    const char* name;
    int key;
};

const NamedKey kNamedKeys[] = {
    {"left", SDLK_LEFT},     {"right", SDLK_RIGHT},         {"up", SDLK_UP},
    {"down", SDLK_DOWN},     {"space", SDLK_SPACE},         {"return", SDLK_RETURN},
    {"escape", SDLK_ESCAPE}, {"backspace", SDLK_BACKSPACE},
};

}  // namespace

int KeyTimeline::keyNamed(const char* name, int length) {
    if (length == 1 && ((name[0] >= 'a' && name[0] <= 'z') || (name[0] >= '0' && name[0] <= '9'))) {
        return name[0];
    }
    for (const NamedKey& k : kNamedKeys) {
        if (static_cast<int>(std::strlen(k.name)) == length &&
            std::strncmp(k.name, name, length) == 0) {
            return k.key;
        }
    }
    return -1;
}

int KeyTimeline::add(const char* text) {
    const char* colon = std::strchr(text, ':');
    if (!colon || count_ == kMaxPresses) {
        return -1;
    }
    const int key = keyNamed(text, static_cast<int>(colon - text));
    int from = 0, to = 0;
    const int read = std::sscanf(colon + 1, "%d-%d", &from, &to);
    if (key < 0 || read < 1 || from < 1) {
        return -1;
    }
    if (read == 1) {
        to = from;
    }
    if (to < from) {
        return -1;
    }
    presses_[count_++] = Press{key, from, to};
    return 0;
}

void KeyTimeline::keysAt(int frame, Uint8* keys) const {
    std::memset(keys, 0, SDLK_LAST);
    for (int i = 0; i < count_; ++i) {
        if (frame >= presses_[i].from && frame <= presses_[i].to) {
            keys[presses_[i].key] = 1;
        }
    }
}

bool KeyTimeline::escapeAt(int frame) const {
    for (int i = 0; i < count_; ++i) {
        if (presses_[i].key == SDLK_ESCAPE && presses_[i].from == frame) {
            return true;
        }
    }
    return false;
}
