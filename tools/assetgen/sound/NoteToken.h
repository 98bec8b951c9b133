#pragma once

#include <string>
#include <vector>

// One pitch of a note: a key written out ("f#4", MIDI 66) or a degree of the
// chord that sounds at that moment ("5", "3'" an octave up, "1," one down).
struct PitchRef {
    bool isDegree;
    int value;   // MIDI key, or the degree 1..13
    int octave;  // octaves added to a degree by ' and ,
};

// One word of a line of music:
//   c5/8  a note (letter, # or b, octave; middle C is c4) for an eighth
//   5/4.  the chord's fifth for a dotted quarter; /2+8 is a half tied to an eighth
//   [1 3 5]/1  notes struck together;  r/2  a rest
//   after the length: ! accent, ? softer, * short (staccato)
//   v80  the velocity of the following notes;  |  a bar line, checked
// A word without a length keeps the length of the one before.
class NoteToken {
  public:
    enum Kind { kNote, kRest, kBarLine, kVelocity };

    // 0 on success; -1 with error() telling what is wrong.
    int parse(const std::string& word);
    const std::string& error() const { return error_; }

    Kind kind() const { return kind_; }
    const std::vector<PitchRef>& pitches() const { return pitches_; }
    long ticks() const { return ticks_; }  // 0 when the word gave no length
    int velocity() const { return velocity_; }
    int accent() const { return accent_; }
    bool staccato() const { return staccato_; }

    // The ticks of a length such as "8", "4.", "2+8" (no leading slash); -1
    // when it is not one.
    static long parseLength(const std::string& text);

  private:
    int parsePitch(const std::string& text, PitchRef& pitch);
    int parseHead(const std::string& head);
    int parseTail(const std::string& tail);
    int fail(const std::string& message);

    Kind kind_ = kRest;
    std::vector<PitchRef> pitches_;
    long ticks_ = 0;
    int velocity_ = 0;
    int accent_ = 0;
    bool staccato_ = false;
    std::string error_;
};
