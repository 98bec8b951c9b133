#include "support/ReplayRecording.h"

#include <SDL.h>

#include <fstream>
#include <sstream>

namespace {

struct NamedKey {
    const char* name;
    int key;
};

const NamedKey kNamedKeys[] = {
    {"up", SDLK_UP},
    {"down", SDLK_DOWN},
    {"left", SDLK_LEFT},
    {"right", SDLK_RIGHT},
    {"space", SDLK_SPACE},
    {"return", SDLK_RETURN},
    {"backspace", SDLK_BACKSPACE},
};

}  // namespace

std::string ReplayRecording::keyName(int key) {
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == key) {
            return k.name;
        }
    }
    if (key >= SDLK_a && key <= SDLK_z) {
        return std::string(1, static_cast<char>(key));
    }
    return std::to_string(key);
}

int ReplayRecording::keyNamed(const std::string& name) {
    for (const NamedKey& k : kNamedKeys) {
        if (name == k.name) {
            return k.key;
        }
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        return name[0];
    }
    return -1;
}

// "<count> <keys>" holds the keys for count frames; "escape" presses Escape
// just before the frame that follows.
std::string ReplayRecording::readKeys(const std::string& line) {
    if (line == "escape") {
        pendingEscape_ = true;
        return "";
    }
    std::istringstream in(line);
    int count = 0;
    std::string names;
    if (!(in >> count >> names) || count <= 0) {
        return "a key line needs a count and keys: \"" + line + "\"";
    }
    std::vector<int> keys;
    if (names != "-") {
        std::istringstream list(names);
        std::string name;
        while (std::getline(list, name, ',')) {
            const int key = keyNamed(name);
            if (key < 0) {
                return "unknown key \"" + name + "\"";
            }
            keys.push_back(key);
        }
    }
    for (int i = 0; i < count; ++i) {
        frames.push_back(ReplayFrame{pendingEscape_, keys});
        pendingEscape_ = false;
    }
    return "";
}

// "<first frame> <digest> <digest> ...", four hex digits each.
std::string ReplayRecording::readDigests(const std::string& line) {
    std::istringstream in(line);
    size_t first = 0;
    if (!(in >> first) || first != expected.digests.size() + 1) {
        return "digests out of order at \"" + line.substr(0, 20) + "\"";
    }
    std::string hex;
    while (in >> hex) {
        expected.digests.push_back(static_cast<std::uint16_t>(std::stoul(hex, nullptr, 16)));
    }
    return "";
}

std::string ReplayRecording::read(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        return "cannot open " + path;
    }
    *this = ReplayRecording();
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        std::string error;
        if (line == "keys" || line == "outcome" || line == "digests") {
            section = line;
        } else if (section.empty() && line.rfind("name ", 0) == 0) {
            name = line.substr(5);
        } else if (section.empty() && line.rfind("about ", 0) == 0) {
            about += (about.empty() ? "" : " ") + line.substr(6);
        } else if (section.empty() && line.rfind("start ", 0) == 0) {
            std::istringstream s(line.substr(6));
            if (!(s >> start.mode >> start.players)) {
                error = "cannot read \"" + line + "\"";
            }
        } else if (section == "keys") {
            error = readKeys(line);
        } else if (section == "outcome") {
            // For the reader of the file: the digests hold the outcome too.
        } else if (section == "digests") {
            error = readDigests(line);
        } else {
            error = "unexpected line \"" + line + "\"";
        }
        if (!error.empty()) {
            return path + ": " + error;
        }
    }
    if (expected.digests.size() != frames.size()) {
        return path + ": " + std::to_string(frames.size()) + " frames of keys but " +
               std::to_string(expected.digests.size()) + " digests";
    }
    return "";
}
