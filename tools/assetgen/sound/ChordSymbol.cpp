#include "assetgen/sound/ChordSymbol.h"

namespace {

struct Quality {
    const char* suffix;
    int third;
    int fifth;
    int seventh;
};

const Quality kQualities[] = {
    {"", 4, 7, -1},      {"m", 3, 7, -1},     {"7", 4, 7, 10},    {"maj7", 4, 7, 11},
    {"m7", 3, 7, 10},    {"mmaj7", 3, 7, 11}, {"dim", 3, 6, -1},  {"dim7", 3, 6, 9},
    {"m7b5", 3, 6, 10},  {"aug", 4, 8, -1},   {"sus4", 5, 7, -1}, {"sus2", 2, 7, -1},
    {"7sus4", 5, 7, 10}, {"5", -1, 7, -1},    {"add9", 4, 7, -1}, {"madd9", 3, 7, -1},
    {"6", 4, 7, -1},     {"m6", 3, 7, -1},
};

}  // namespace

int ChordSymbol::pitchClass(const std::string& name) {
    static const int kNatural[] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g
    if (name.empty() || name.size() > 2) {
        return -1;
    }
    const char letter = static_cast<char>(name[0] | 0x20);
    if (letter < 'a' || letter > 'g') {
        return -1;
    }
    int pc = kNatural[letter - 'a'];
    if (name.size() == 2) {
        if (name[1] == '#') {
            pc += 1;
        } else if (name[1] == 'b') {
            pc += 11;
        } else {
            return -1;
        }
    }
    return pc % 12;
}

int ChordSymbol::parse(const std::string& text, ChordSymbol& chord) {
    if (text.empty() || text[0] < 'A' || text[0] > 'G') {
        return -1;
    }
    size_t rootLength = text.size() > 1 && (text[1] == '#' || text[1] == 'b') ? 2 : 1;
    const std::string suffix = text.substr(rootLength);
    for (const Quality& q : kQualities) {
        if (suffix == q.suffix) {
            chord.root_ = pitchClass(text.substr(0, rootLength));
            chord.third_ = q.third;
            chord.fifth_ = q.fifth;
            chord.seventh_ = q.seventh;
            return 0;
        }
    }
    return -1;
}

int ChordSymbol::interval(int degree) const {
    const int octave = degree >= 8 ? 12 : 0;
    switch (degree) {
        case 1:
        case 8:
            return octave;
        case 2:
        case 9:
            return 2 + octave;
        case 3:
        case 10:
            return third_ < 0 ? -1 : third_ + octave;
        case 4:
        case 11:
            return 5 + octave;
        case 5:
        case 12:
            return fifth_ + octave;
        case 6:
        case 13:
            return 9 + octave;
        case 7:
            return seventh_;
        default:
            return -1;
    }
}

ChordSymbol ChordSymbol::transposed(int semitones) const {
    ChordSymbol moved = *this;
    moved.root_ = ((root_ + semitones) % 12 + 12) % 12;
    return moved;
}
