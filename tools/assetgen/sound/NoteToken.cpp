#include "assetgen/sound/NoteToken.h"

#include <cctype>
#include <sstream>

#include "assetgen/sound/ChordSymbol.h"
#include "assetgen/sound/Score.h"

namespace {

bool allDigits(const std::string& text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// One length without '+': a note value with dots.
long parseSingleLength(const std::string& text) {
    size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
        ++digits;
    }
    if (digits == 0 || digits > 2) {
        return -1;
    }
    const int value = std::stoi(text.substr(0, digits));
    if (value == 0 || Score::kTicksPerWhole % value != 0) {
        return -1;
    }
    long part = Score::kTicksPerWhole / value;
    long ticks = part;
    for (size_t i = digits; i < text.size(); ++i) {
        if (text[i] != '.' || part % 2 != 0) {
            return -1;
        }
        part /= 2;
        ticks += part;
    }
    return ticks;
}

}  // namespace

long NoteToken::parseLength(const std::string& text) {
    long total = 0;
    std::stringstream parts(text);
    std::string part;
    int count = 0;
    while (std::getline(parts, part, '+')) {
        const long ticks = parseSingleLength(part);
        if (ticks < 0) {
            return -1;
        }
        total += ticks;
        ++count;
    }
    return count > 0 && text.back() != '+' ? total : -1;
}

int NoteToken::fail(const std::string& message) {
    error_ = message;
    return -1;
}

int NoteToken::parsePitch(const std::string& text, PitchRef& pitch) {
    if (text.empty()) {
        return fail("empty pitch");
    }
    if (std::isdigit(static_cast<unsigned char>(text[0]))) {
        size_t digits = 0;
        while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
            ++digits;
        }
        if (digits > 2) {
            return fail("no degree " + text);
        }
        pitch = {true, std::stoi(text.substr(0, digits)), 0};
        for (size_t i = digits; i < text.size(); ++i) {
            if (text[i] != '\'' && text[i] != ',') {
                return fail("unexpected '" + text.substr(i) + "' after degree");
            }
            pitch.octave += text[i] == '\'' ? 1 : -1;
        }
        return pitch.value >= 1 && pitch.value <= 13 ? 0 : fail("no degree " + text);
    }
    const size_t nameLength = text.size() > 1 && (text[1] == '#' || text[1] == 'b') ? 2 : 1;
    const int natural = ChordSymbol::pitchClass(text.substr(0, 1));
    const std::string octave = text.substr(nameLength);
    if (natural < 0 || text[0] < 'a' || text[0] > 'g' || octave.size() != 1 || !allDigits(octave)) {
        return fail("not a note: " + text);
    }
    // The octave belongs to the letter, so b#3 is C4 and cb4 is B3.
    const int accidental = nameLength == 1 ? 0 : (text[1] == '#' ? 1 : -1);
    pitch = {false, 12 * (std::stoi(octave) + 1) + natural + accidental, 0};
    return 0;
}

int NoteToken::parseHead(const std::string& head) {
    if (head == "r") {
        kind_ = kRest;
        return 0;
    }
    kind_ = kNote;
    std::string inner = head;
    if (head.front() == '[') {
        if (head.back() != ']' || head.size() < 3) {
            return fail("unclosed chord " + head);
        }
        inner = head.substr(1, head.size() - 2);
    }
    std::stringstream words(inner);
    std::string word;
    while (words >> word) {
        PitchRef pitch{};
        if (parsePitch(word, pitch) != 0) {
            return -1;
        }
        pitches_.push_back(pitch);
    }
    return pitches_.empty() ? fail("no pitch in " + head) : 0;
}

int NoteToken::parseTail(const std::string& tail) {
    size_t end = tail.size();
    while (end > 0 && (tail[end - 1] == '!' || tail[end - 1] == '?' || tail[end - 1] == '*')) {
        --end;
        if (tail[end] == '!') {
            accent_ += 20;
        } else if (tail[end] == '?') {
            accent_ -= 25;
        } else {
            staccato_ = true;
        }
    }
    const std::string length = tail.substr(0, end);
    if (length.empty()) {
        return 0;
    }
    if (length[0] != '/') {
        return fail("unexpected '" + length + "'");
    }
    ticks_ = parseLength(length.substr(1));
    return ticks_ > 0 ? 0 : fail("not a length: " + length);
}

int NoteToken::parse(const std::string& word) {
    *this = NoteToken();
    if (word == "|") {
        kind_ = kBarLine;
        return 0;
    }
    if (word.size() > 1 && word.size() <= 4 && word[0] == 'v' && allDigits(word.substr(1))) {
        kind_ = kVelocity;
        velocity_ = std::stoi(word.substr(1));
        return velocity_ >= 1 && velocity_ <= 127 ? 0 : fail("velocity out of 1..127: " + word);
    }
    size_t headEnd = 0;
    if (!word.empty() && word[0] == '[') {
        headEnd = word.find(']');
        headEnd = headEnd == std::string::npos ? word.size() : headEnd + 1;
    } else {
        headEnd = word.find_first_of("/!?*");
        headEnd = headEnd == std::string::npos ? word.size() : headEnd;
    }
    if (headEnd == 0) {
        return fail("nothing to play in " + word);
    }
    if (parseHead(word.substr(0, headEnd)) != 0) {
        return -1;
    }
    return parseTail(word.substr(headEnd));
}
