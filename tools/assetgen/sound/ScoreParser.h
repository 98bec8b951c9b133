#pragma once

#include <string>
#include <vector>

#include "assetgen/sound/Score.h"
#include "assetgen/sound/Sheet.h"

// Reads a piece from a notes file. The notation, a line at a time (a '#' at
// the start or after a space begins a comment):
//   tempo 132                 quarter notes per minute
//   beats 4                   quarter notes per bar
//   room 0.6                  reverb room size, 0..1
//   voice lead channel 1 program 80 volume 100 pan 64 reverb 40 chorus 20
//         velocity 96 humanize 6 legato 0.9 transpose -12 root e2 | close c4
//   pattern hook: d5/4. a4/8 ...    words to reuse as @hook or @hook*2
//   section A 8               a section of 8 bars; its lines follow:
//     chords: Dm Bb/2 C/2 | ...     one bar each unless a length is given
//     lead: d5/4 ...                a voice's notes (see NoteToken)
//     drums kick: x...x...x...x...  a drum line, one sixteenth a letter
//                                   (drums hat/8: for eighths); x hit,
//                                   X accent, o soft, . or - nothing,
//                                   r3 three silent bars
//   play A A B+2 A*2          the order of sections; +n/-n moves a section
//                             by semitones, *n plays it n times
// A line shorter than its section is played again until the section is full;
// its length must divide the section's. Lines of one voice in one section
// follow each other. Bar lines '|' are checked against the meter.
class ScoreParser {
  public:
    // 0 on success; -1 with error() naming the file and line.
    int parse(const std::string& text, const std::string& name, Score& score);
    const std::string& error() const { return error_; }

    // Splits a line into words, keeping "[c4 e4 g4]/2" together.
    static std::vector<std::string> splitWords(const std::string& text);

  private:
    int readLine(const std::string& text, int line);
    int readVoice(const std::vector<std::string>& words, int line);
    int readVoiceOption(Voice& voice, const std::string& key, const std::string& value, int line);
    int readSection(const std::vector<std::string>& words, int line);
    int readPlay(const std::vector<std::string>& words, int line);
    int readContent(const std::string& head, const std::string& body, int line);
    int expandPatterns(std::vector<std::string>& words, int line, int depth);
    int fail(int line, const std::string& message);

    Sheet sheet_;
    std::string error_;
};
