#include "assetgen/sound/ScoreParser.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <sstream>

#include "assetgen/sound/NoteToken.h"
#include "assetgen/sound/SectionWriter.h"

namespace {

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return "";
    }
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// A whole decimal number in [low, high], or fails.
bool readInt(const std::string& text, int low, int high, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || v < low || v > high) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

bool readReal(const std::string& text, double low, double high, double& value) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || v < low || v > high) {
        return false;
    }
    value = v;
    return true;
}

// '#' starts a comment at the start of a line or after a space; elsewhere it
// is a sharp ("f#4", "C#m").
std::string stripComment(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#' && (i == 0 || text[i - 1] == ' ' || text[i - 1] == '\t')) {
            return text.substr(0, i);
        }
    }
    return text;
}

bool isName(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

}  // namespace

std::vector<std::string> ScoreParser::splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inChord = false;
    for (char c : text) {
        if ((c == ' ' || c == '\t') && !inChord) {
            if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
            continue;
        }
        inChord = c == '[' ? true : (c == ']' ? false : inChord);
        word += c;
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

int ScoreParser::fail(int line, const std::string& message) {
    error_ = sheet_.name + ":" + std::to_string(line) + ": " + message;
    return -1;
}

int ScoreParser::readVoiceOption(Voice& voice, const std::string& key, const std::string& value,
                                 int line) {
    bool ok = false;
    if (key == "channel") {
        ok = readInt(value, 1, 16, voice.channel);
    } else if (key == "program") {
        ok = readInt(value, 0, 127, voice.program);
    } else if (key == "volume") {
        ok = readInt(value, 0, 127, voice.volume);
    } else if (key == "pan") {
        ok = readInt(value, 0, 127, voice.pan);
    } else if (key == "reverb") {
        ok = readInt(value, 0, 127, voice.reverb);
    } else if (key == "chorus") {
        ok = readInt(value, 0, 127, voice.chorus);
    } else if (key == "velocity") {
        ok = readInt(value, 1, 127, voice.velocity);
    } else if (key == "humanize") {
        ok = readInt(value, 0, 40, voice.humanize);
    } else if (key == "transpose") {
        ok = readInt(value, -36, 36, voice.transpose);
    } else if (key == "legato") {
        ok = readReal(value, 0.05, 1.5, voice.legato);
    } else if (key == "root" || key == "close") {
        NoteToken token;
        ok = token.parse(value) == 0 && token.kind() == NoteToken::kNote &&
             token.pitches().size() == 1 && !token.pitches()[0].isDegree;
        voice.centre = ok ? token.pitches()[0].value : voice.centre;
        voice.placement = key == "root" ? Voice::kRootNear : Voice::kCloseNear;
    } else {
        return fail(line, "unknown voice setting " + key);
    }
    return ok ? 0 : fail(line, "bad value for " + key + ": " + value);
}

int ScoreParser::readVoice(const std::vector<std::string>& words, int line) {
    if (words.size() < 2 || words.size() % 2 != 0 || !isName(words[1]) || words[1] == "chords") {
        return fail(line, "voice NAME followed by settings and their values");
    }
    Voice voice;
    voice.name = words[1];
    for (size_t i = 2; i + 1 < words.size(); i += 2) {
        if (readVoiceOption(voice, words[i], words[i + 1], line) != 0) {
            return -1;
        }
    }
    for (const Voice& other : sheet_.voices) {
        if (other.name == voice.name) {
            return fail(line, "a second voice called " + voice.name);
        }
    }
    sheet_.voices.push_back(voice);
    return 0;
}

int ScoreParser::readSection(const std::vector<std::string>& words, int line) {
    SheetSection section;
    if (words.size() != 3 || !isName(words[1]) || !readInt(words[2], 1, 256, section.bars)) {
        return fail(line, "section NAME BARS");
    }
    for (const SheetSection& other : sheet_.sections) {
        if (other.name == words[1]) {
            return fail(line, "a second section called " + words[1]);
        }
    }
    section.name = words[1];
    section.line = line;
    sheet_.sections.push_back(section);
    return 0;
}

int ScoreParser::readPlay(const std::vector<std::string>& words, int line) {
    for (size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        const size_t nameEnd = std::min(word.find_first_of("+-*"), word.size());
        const size_t star = std::min(word.find('*'), word.size());
        int transpose = 0;
        int times = 1;
        if ((star > nameEnd &&
             !readInt(word.substr(nameEnd, star - nameEnd), -24, 24, transpose)) ||
            (star < word.size() && !readInt(word.substr(star + 1), 1, 64, times))) {
            return fail(line, "cannot read " + word);
        }
        const std::string name = word.substr(0, nameEnd);
        auto found = std::find_if(sheet_.sections.begin(), sheet_.sections.end(),
                                  [&](const SheetSection& s) { return s.name == name; });
        if (found == sheet_.sections.end()) {
            return fail(line, "no section called " + name);
        }
        for (int t = 0; t < times; ++t) {
            sheet_.play.push_back({static_cast<int>(found - sheet_.sections.begin()), transpose});
        }
    }
    return 0;
}

int ScoreParser::expandPatterns(std::vector<std::string>& words, int line, int depth) {
    std::vector<std::string> expanded;
    for (const std::string& word : words) {
        if (word.empty() || word[0] != '@') {
            expanded.push_back(word);
            continue;
        }
        const size_t star = std::min(word.find('*'), word.size());
        int times = 1;
        if (star < word.size() && !readInt(word.substr(star + 1), 1, 64, times)) {
            return fail(line, "cannot read " + word);
        }
        const auto pattern = sheet_.patterns.find(word.substr(1, star - 1));
        if (pattern == sheet_.patterns.end()) {
            return fail(line, "no pattern called " + word.substr(1, star - 1));
        }
        std::vector<std::string> inner = pattern->second;
        if (depth > 8 || expandPatterns(inner, line, depth + 1) != 0) {
            return depth > 8 ? fail(line, "patterns nested too deep") : -1;
        }
        for (int t = 0; t < times; ++t) {
            expanded.insert(expanded.end(), inner.begin(), inner.end());
        }
    }
    words = expanded;
    return 0;
}

int ScoreParser::readContent(const std::string& head, const std::string& body, int line) {
    const std::vector<std::string> heads = splitWords(head);
    SheetPart part;
    part.line = line;
    part.words = splitWords(body);
    if (heads.size() == 2 && heads[0] == "pattern" && isName(heads[1])) {
        auto& words = sheet_.patterns[heads[1]];
        words.insert(words.end(), part.words.begin(), part.words.end());
        return 0;
    }
    if (sheet_.sections.empty()) {
        return fail(line, "music outside a section");
    }
    if (heads.empty() || heads.size() > 2) {
        return fail(line, "expected VOICE: or VOICE INSTRUMENT: before the notes");
    }
    part.voice = heads[0];
    part.instrument = heads.size() == 2 ? heads[1] : "";
    sheet_.sections.back().parts.push_back(part);
    return 0;
}

int ScoreParser::readLine(const std::string& text, int line) {
    const size_t colon = text.find(':');
    if (colon != std::string::npos) {
        return readContent(text.substr(0, colon), text.substr(colon + 1), line);
    }
    const std::vector<std::string> words = splitWords(text);
    const std::string& what = words[0];
    if (what == "tempo") {
        return words.size() == 2 && readInt(words[1], 30, 320, sheet_.tempo)
                   ? 0
                   : fail(line, "tempo takes quarter notes a minute, 30..320");
    }
    if (what == "beats") {
        return words.size() == 2 && readInt(words[1], 1, 16, sheet_.beatsPerBar)
                   ? 0
                   : fail(line, "beats takes quarter notes a bar, 1..16");
    }
    if (what == "room") {
        return words.size() == 2 && readReal(words[1], 0.0, 1.0, sheet_.room)
                   ? 0
                   : fail(line, "room takes a size from 0 to 1");
    }
    if (what == "voice") {
        return readVoice(words, line);
    }
    if (what == "section") {
        return readSection(words, line);
    }
    if (what == "play") {
        return readPlay(words, line);
    }
    return fail(line, "cannot read '" + text + "'");
}

int ScoreParser::parse(const std::string& text, const std::string& name, Score& score) {
    sheet_ = Sheet();
    sheet_.name = name;
    error_.clear();
    std::stringstream lines(text);
    std::string raw;
    int number = 0;
    while (std::getline(lines, raw)) {
        ++number;
        const std::string line = trim(stripComment(raw));
        if (!line.empty() && readLine(line, number) != 0) {
            return -1;
        }
    }
    if (sheet_.play.empty()) {
        return fail(number, "nothing to play");
    }
    for (SheetSection& section : sheet_.sections) {
        for (SheetPart& part : section.parts) {
            if (expandPatterns(part.words, part.line, 0) != 0) {
                return -1;
            }
        }
    }
    score = Score();
    score.tempo = sheet_.tempo;
    score.beatsPerBar = sheet_.beatsPerBar;
    score.room = sheet_.room;
    score.voices = sheet_.voices;
    SectionWriter writer(sheet_, score);
    for (const SheetEntry& entry : sheet_.play) {
        if (writer.write(entry, score.lengthTicks) != 0) {
            error_ = writer.error();
            return -1;
        }
        score.lengthTicks += sheet_.sections[entry.section].bars * score.ticksPerBar();
    }
    std::stable_sort(score.notes.begin(), score.notes.end(),
                     [](const ScoreNote& a, const ScoreNote& b) { return a.tick < b.tick; });
    return 0;
}
