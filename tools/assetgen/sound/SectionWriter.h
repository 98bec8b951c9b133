#pragma once

#include <string>
#include <vector>

#include "assetgen/sound/ChordSymbol.h"
#include "assetgen/sound/NoteToken.h"
#include "assetgen/sound/Score.h"
#include "assetgen/sound/Sheet.h"

// Lays the notes of one section of a sheet into the score at a given tick.
class SectionWriter {
  public:
    SectionWriter(const Sheet& sheet, Score& score) : sheet_(sheet), score_(score) {}

    // 0 on success; -1 with error() naming the line.
    int write(const SheetEntry& entry, long startTick);
    const std::string& error() const { return error_; }

    // The key of pitch class pc nearest to centre (from centre - 6 to centre + 5).
    static int nearestKey(int pc, int centre);

  private:
    struct TimedChord {
        long start;
        long length;
        bool rest;
        ChordSymbol chord;
    };
    struct TimedNote {
        long offset;
        long length;
        std::vector<PitchRef> pitches;
        int velocity;
        bool staccato;
    };

    int readChords(const SheetSection& section, int transpose);
    int readNotes(const SheetPart& part, const Voice& voice, std::vector<TimedNote>& notes,
                  long& length);
    int readGrid(const SheetPart& part, const Voice& voice, std::vector<TimedNote>& notes,
                 long& length);
    int writePart(const SheetPart& part, int transpose, long start);
    int placeNote(const TimedNote& note, int voiceIndex, int transpose, long offset, long start,
                  int line);
    int keyFor(const Voice& voice, const PitchRef& pitch, long offset, int transpose, int& key,
               int line);
    const TimedChord* chordAt(long offset) const;
    int repeats(long partLength, int line, const std::string& what, int& count);
    int checkBar(long offset, int line);
    int fail(int line, const std::string& message);

    const Sheet& sheet_;
    Score& score_;
    long sectionTicks_ = 0;
    std::vector<TimedChord> chords_;
    std::string error_;
};
