#pragma once

#include <string>

// A chord written the usual way ("Dm", "Bb", "A7", "Fmaj7", "Esus4", "Bdim")
// and the degrees of it that a line of music may ask for: 1 root, 3 third,
// 5 fifth, 7 seventh, 2/9 ninth, 4/11 fourth, 6/13 sixth, 8/10/12 the root,
// third and fifth an octave up.
class ChordSymbol {
  public:
    // 0 on success, -1 for a symbol this notation does not know.
    static int parse(const std::string& text, ChordSymbol& chord);
    // A pitch class 0..11 (C = 0) from "C", "F#", "Bb"...; -1 if none.
    static int pitchClass(const std::string& name);

    int root() const { return root_; }
    // Semitones above the root for a degree; -1 when the chord has no such
    // tone (a seventh of a plain triad, the third of a power chord).
    int interval(int degree) const;
    ChordSymbol transposed(int semitones) const;

  private:
    int root_ = 0;
    int third_ = 4;
    int fifth_ = 7;
    int seventh_ = -1;
};
