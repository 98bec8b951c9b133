#include "assetgen/sound/SectionWriter.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace {

const std::map<std::string, int> kDrumKeys = {
    {"kick", 36},   {"kick2", 35},  {"snare", 38},   {"snare2", 40},   {"rim", 37},
    {"clap", 39},   {"hat", 42},    {"pedal", 44},   {"open", 46},     {"tomfloor", 41},
    {"tomlo", 45},  {"tommid", 47}, {"tomhi", 50},   {"crash", 49},    {"crash2", 57},
    {"ride", 51},   {"bell", 53},   {"tamb", 54},    {"splash", 55},   {"cowbell", 56},
    {"bongo", 60},  {"conga", 63},  {"timbale", 65}, {"agogo", 67},    {"cabasa", 69},
    {"shaker", 70}, {"claves", 75}, {"wood", 76},    {"triangle", 81},
};

// A small fixed scramble, so that humanized velocities come out the same on
// every run.
int jitter(long tick, int key, int voice, int range) {
    if (range <= 0) {
        return 0;
    }
    std::uint32_t h = static_cast<std::uint32_t>(tick) * 2654435761u;
    h ^= static_cast<std::uint32_t>(key * 40503 + voice * 9973);
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return static_cast<int>(h % static_cast<std::uint32_t>(2 * range + 1)) - range;
}

// "r3" in a drum line: three bars without a hit; -1 when malformed.
int silentBars(const std::string& word) {
    const std::string digits = word.substr(1);
    if (digits.empty() || digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return -1;
    }
    return std::stoi(digits);
}

int voiceIndex(const Sheet& sheet, const std::string& name) {
    for (size_t i = 0; i < sheet.voices.size(); ++i) {
        if (sheet.voices[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace

int SectionWriter::nearestKey(int pc, int centre) {
    int key = centre - 6;
    while (((key % 12) + 12) % 12 != pc) {
        ++key;
    }
    return key;
}

int SectionWriter::fail(int line, const std::string& message) {
    error_ = sheet_.name + ":" + std::to_string(line) + ": " + message;
    return -1;
}

int SectionWriter::checkBar(long offset, int line) {
    if (offset % score_.ticksPerBar() != 0) {
        return fail(line, "bar line " + std::to_string(offset % score_.ticksPerBar()) +
                              " ticks into a bar");
    }
    return 0;
}

int SectionWriter::repeats(long partLength, int line, const std::string& what, int& count) {
    if (partLength <= 0 || partLength > sectionTicks_ || sectionTicks_ % partLength != 0) {
        return fail(line, what + " lasts " + std::to_string(partLength) +
                              " ticks, which does not fill a section of " +
                              std::to_string(sectionTicks_));
    }
    count = static_cast<int>(sectionTicks_ / partLength);
    return 0;
}

int SectionWriter::readChords(const SheetSection& section, int transpose) {
    chords_.clear();
    // Several chord lines in one section follow each other.
    SheetPart all;
    for (const SheetPart& p : section.parts) {
        if (p.voice == "chords") {
            all.line = all.words.empty() ? p.line : all.line;
            all.words.insert(all.words.end(), p.words.begin(), p.words.end());
        }
    }
    if (all.words.empty()) {
        return 0;
    }
    const SheetPart* part = &all;
    std::vector<TimedChord> written;
    long offset = 0;
    long length = score_.ticksPerBar();
    for (const std::string& word : part->words) {
        if (word == "|") {
            if (checkBar(offset, part->line) != 0) {
                return -1;
            }
            continue;
        }
        const size_t slash = word.find('/');
        if (slash != std::string::npos) {
            length = NoteToken::parseLength(word.substr(slash + 1));
            if (length <= 0) {
                return fail(part->line, "not a length: " + word);
            }
        }
        TimedChord timed{offset, length, true, ChordSymbol()};
        const std::string symbol = word.substr(0, slash);
        if (symbol != "r") {
            timed.rest = false;
            if (ChordSymbol::parse(symbol, timed.chord) != 0) {
                return fail(part->line, "unknown chord " + symbol);
            }
            timed.chord = timed.chord.transposed(transpose);
        }
        written.push_back(timed);
        offset += length;
    }
    int count = 0;
    if (repeats(offset, part->line, "the chords", count) != 0) {
        return -1;
    }
    for (int r = 0; r < count; ++r) {
        for (TimedChord c : written) {
            c.start += r * offset;
            chords_.push_back(c);
        }
    }
    return 0;
}

const SectionWriter::TimedChord* SectionWriter::chordAt(long offset) const {
    for (const TimedChord& c : chords_) {
        if (offset >= c.start && offset < c.start + c.length) {
            return &c;
        }
    }
    return nullptr;
}

int SectionWriter::readNotes(const SheetPart& part, const Voice& voice,
                             std::vector<TimedNote>& notes, long& length) {
    long ticks = Score::kTicksPerQuarter;
    int velocity = voice.velocity;
    length = 0;
    NoteToken token;
    for (const std::string& word : part.words) {
        if (token.parse(word) != 0) {
            return fail(part.line, token.error());
        }
        if (token.kind() == NoteToken::kBarLine) {
            if (checkBar(length, part.line) != 0) {
                return -1;
            }
            continue;
        }
        if (token.kind() == NoteToken::kVelocity) {
            velocity = token.velocity();
            continue;
        }
        ticks = token.ticks() > 0 ? token.ticks() : ticks;
        if (token.kind() == NoteToken::kNote) {
            const int v = std::clamp(velocity + token.accent(), 1, 127);
            notes.push_back({length, ticks, token.pitches(), v, token.staccato()});
        }
        length += ticks;
    }
    return 0;
}

int SectionWriter::readGrid(const SheetPart& part, const Voice& voice,
                            std::vector<TimedNote>& notes, long& length) {
    const size_t slash = part.instrument.find('/');
    const std::string name = part.instrument.substr(0, slash);
    const long step = slash == std::string::npos
                          ? Score::kTicksPerWhole / 16
                          : NoteToken::parseLength(part.instrument.substr(slash + 1));
    const auto drum = kDrumKeys.find(name);
    if (drum == kDrumKeys.end() || step <= 0) {
        return fail(part.line, "unknown drum " + part.instrument);
    }
    const PitchRef key{false, drum->second, 0};
    length = 0;
    for (const std::string& word : part.words) {
        if (word[0] == 'r') {
            const int bars = silentBars(word);
            if (bars <= 0) {
                return fail(part.line, "cannot read " + word);
            }
            length += bars * score_.ticksPerBar();
            continue;
        }
        for (char c : word) {
            if (c == '|') {
                if (checkBar(length, part.line) != 0) {
                    return -1;
                }
                continue;
            }
            const int accent = c == 'X' ? 22 : (c == 'o' ? -35 : 0);
            if (c == 'x' || c == 'X' || c == 'o') {
                notes.push_back(
                    {length, step, {key}, std::clamp(voice.velocity + accent, 1, 127), false});
            } else if (c != '.' && c != '-') {
                return fail(part.line, std::string("unexpected '") + c + "' in a drum line");
            }
            length += step;
        }
    }
    return 0;
}

int SectionWriter::keyFor(const Voice& voice, const PitchRef& pitch, long offset, int transpose,
                          int& key, int line) {
    if (!pitch.isDegree) {
        key = pitch.value + (voice.isDrums() ? 0 : transpose + voice.transpose);
        return 0;
    }
    const TimedChord* chord = chordAt(offset);
    if (chord == nullptr) {
        return fail(line, "a chord degree where no chord is written");
    }
    if (chord->rest) {
        key = -1;
        return 0;
    }
    const int interval = chord->chord.interval(pitch.value);
    if (interval < 0) {
        return fail(line, "the chord has no degree " + std::to_string(pitch.value));
    }
    const int root = chord->chord.root();
    if (voice.placement == Voice::kRootNear) {
        key = nearestKey(root, voice.centre) + interval;
    } else {
        key = nearestKey((root + interval) % 12, voice.centre) + 12 * (interval / 12);
    }
    key += 12 * pitch.octave + voice.transpose;
    return 0;
}

int SectionWriter::placeNote(const TimedNote& note, int voiceIndex, int transpose, long offset,
                             long start, int line) {
    const Voice& voice = sheet_.voices[voiceIndex];
    const double legato = note.staccato ? 0.45 : voice.legato;
    const long sounding = std::max(1L, static_cast<long>(note.length * legato));
    for (const PitchRef& pitch : note.pitches) {
        int key = 0;
        if (keyFor(voice, pitch, offset, transpose, key, line) != 0) {
            return -1;
        }
        if (key < 0) {
            continue;
        }
        if (key > 127) {
            return fail(line, "a note above the highest key");
        }
        const long tick = start + offset;
        const int velocity =
            std::clamp(note.velocity + jitter(tick, key, voiceIndex, voice.humanize), 1, 127);
        score_.notes.push_back({tick, sounding, voiceIndex, key, velocity});
    }
    return 0;
}

int SectionWriter::writePart(const SheetPart& part, int transpose, long start) {
    const int index = voiceIndex(sheet_, part.voice);
    if (index < 0) {
        return fail(part.line, "no voice called " + part.voice);
    }
    const Voice& voice = sheet_.voices[index];
    std::vector<TimedNote> notes;
    long length = 0;
    const int read = part.instrument.empty() ? readNotes(part, voice, notes, length)
                                             : readGrid(part, voice, notes, length);
    int count = 0;
    if (read != 0 || repeats(length, part.line, part.voice, count) != 0) {
        return -1;
    }
    for (int r = 0; r < count; ++r) {
        for (const TimedNote& note : notes) {
            if (placeNote(note, index, transpose, r * length + note.offset, start, part.line) !=
                0) {
                return -1;
            }
        }
    }
    return 0;
}

int SectionWriter::write(const SheetEntry& entry, long startTick) {
    const SheetSection& section = sheet_.sections[entry.section];
    sectionTicks_ = section.bars * score_.ticksPerBar();
    if (readChords(section, entry.transpose) != 0) {
        return -1;
    }
    // Lines of one voice in a section follow each other: gather them first.
    std::vector<SheetPart> joined;
    for (const SheetPart& part : section.parts) {
        if (part.voice == "chords") {
            continue;
        }
        auto same = std::find_if(joined.begin(), joined.end(), [&](const SheetPart& p) {
            return p.voice == part.voice && p.instrument == part.instrument;
        });
        if (same == joined.end()) {
            joined.push_back(part);
        } else {
            same->words.insert(same->words.end(), part.words.begin(), part.words.end());
        }
    }
    for (const SheetPart& part : joined) {
        if (writePart(part, entry.transpose, startTick) != 0) {
            return -1;
        }
    }
    return 0;
}
