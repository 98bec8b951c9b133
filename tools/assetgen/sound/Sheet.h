#pragma once

#include <map>
#include <string>
#include <vector>

#include "assetgen/sound/Score.h"

// A piece as written in a notes file, before it is laid out in time.

// The words one line gave a voice (or the chords) in one section, with the
// patterns already expanded.
struct SheetPart {
    int line = 0;
    std::string voice;       // the voice's name, or "chords"
    std::string instrument;  // drum lines only: "kick", "hat/8"...
    std::vector<std::string> words;
};

struct SheetSection {
    std::string name;
    int bars = 0;
    int line = 0;
    std::vector<SheetPart> parts;
};

// One section in the order of play, moved by a number of semitones.
struct SheetEntry {
    int section;
    int transpose;
};

struct Sheet {
    std::string name;  // for messages
    int tempo = 120;
    int beatsPerBar = 4;
    double room = 0.5;
    std::vector<Voice> voices;
    std::map<std::string, std::vector<std::string>> patterns;
    std::vector<SheetSection> sections;
    std::vector<SheetEntry> play;
};
