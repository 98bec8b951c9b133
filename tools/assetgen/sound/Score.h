#pragma once

#include <string>
#include <vector>

// One instrument of a piece: its MIDI channel and settings, and where chord
// degrees land. Channel 10 is the drum kit.
struct Voice {
    enum Placement { kRootNear, kCloseNear };

    std::string name;
    int channel = 1;  // 1..16
    int program = 0;
    int volume = 100;  // controller 7
    int pan = 64;      // controller 10
    int reverb = 40;   // controller 91
    int chorus = 0;    // controller 93
    int velocity = 96;
    int humanize = 0;  // largest velocity change added per note
    double legato = 0.9;
    int transpose = 0;  // semitones added to every note of this voice
    // kRootNear: the chord's root lands nearest the centre key and its other
    // degrees stack above it (a bass). kCloseNear: every tone lands nearest
    // the centre key on its own, so chords move by the smallest steps (a pad).
    Placement placement = kRootNear;
    int centre = 60;

    bool isDrums() const { return channel == 10; }
};

// A note of the piece, in ticks from its start.
struct ScoreNote {
    long tick;
    long length;
    int voice;
    int key;
    int velocity;
};

// A whole piece as the synthesizer plays it: a loop of lengthTicks that
// starts again at tick 0 (notes may ring past the end into the next pass).
class Score {
  public:
    static constexpr int kTicksPerQuarter = 480;
    static constexpr int kTicksPerWhole = 4 * kTicksPerQuarter;

    int tempo = 120;  // quarter notes per minute
    int beatsPerBar = 4;
    double room = 0.5;  // reverb room size 0..1
    long lengthTicks = 0;
    std::vector<Voice> voices;
    std::vector<ScoreNote> notes;

    long ticksPerBar() const { return static_cast<long>(beatsPerBar) * kTicksPerQuarter; }
    double secondsAt(long tick) const {
        return static_cast<double>(tick) * 60.0 / (static_cast<double>(tempo) * kTicksPerQuarter);
    }
    double seconds() const { return secondsAt(lengthTicks); }
};
