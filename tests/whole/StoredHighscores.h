#pragma once

#include <string>
#include <vector>

// The highscore file as a player's tools would see it, read without the
// game's code and split into CR LF lines.
class StoredHighscores {
  public:
    // Reads "data/M/007.obx" under folder; false when it is missing.
    bool read(const std::string& folder);

    const std::string& bytes() const { return bytes_; }
    std::string name(int entry) const { return line(3 * entry); }
    int lives(int entry) const { return number(3 * entry + 1); }
    int score(int entry) const { return number(3 * entry + 2); }
    // The entry with this name, or -1.
    int find(const std::string& name) const;
    // Sixteen lines, each ended by CR LF, and the last holds the sum of
    // the ten numbers.
    bool wellFormed() const;
    bool checksumMatches() const;

  private:
    std::string line(int index) const;
    int number(int index) const;

    std::string bytes_;
    std::vector<std::string> lines_;
    bool endsEveryLine_ = false;
};
