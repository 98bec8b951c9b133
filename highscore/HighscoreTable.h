#pragma once

// The five best results as the highscore file holds them: 16 text slots of
// at most 9 characters. Entry k (0 to 4) has its name in slot 3k, the
// starting lives of that game in slot 3k + 1 and its score in slot 3k + 2;
// slot 15 holds the checksum of the ten numbers.
class HighscoreTable {
  public:
    static constexpr int kSlots = 16;
    static constexpr int kSlotSize = 10;  // 9 characters and the terminating zero
    static constexpr int kEntries = 5;
    static constexpr int kChecksumSlot = 15;
    static constexpr int kLowestScoreSlot = 14;
    // A score is written with at most 8 digits, so that the checksum of five
    // such scores still fits its 9-character slot.
    static constexpr int kHighestStoredScore = 99999999;
    static constexpr int kLowestStoredScore = -99999999;

    HighscoreTable() { clear(); }

    // Every slot empty.
    void clear();
    // The five "ZOK" entries, lives 5 to 1, scores 500 to 100, checksum 1515.
    static HighscoreTable defaults();

    const char* slot(int index) const;
    // Copies at most 9 characters of text into the slot.
    void setSlot(int index, const char* text);
    void setNumber(int index, int value);
    // The decimal number at the start of the slot (leading white space and
    // a sign allowed); 0 when the slot holds none.
    int number(int index) const;

    static int nameSlot(int entry) { return 3 * entry; }
    static int livesSlot(int entry) { return 3 * entry + 1; }
    static int scoreSlot(int entry) { return 3 * entry + 2; }
    int score(int entry) const { return number(scoreSlot(entry)); }
    int lowestScore() const { return number(kLowestScoreSlot); }

    // The sum of the ten numbers, wrapping round as signed 32-bit.
    int checksum() const;
    bool checksumMatches() const { return number(kChecksumSlot) == checksum(); }
    void updateChecksum() { setNumber(kChecksumSlot, checksum()); }

    // Puts the result above the first entry with a lower score (equal scores
    // stay above it); the entries below move down and the fifth is dropped.
    // Returns the entry it took, or -1 when no entry is lower. The checksum
    // is left to the caller.
    int insertHighscore(const char* name, int startingLives, int score);

    bool operator==(const HighscoreTable& other) const;
    bool operator!=(const HighscoreTable& other) const { return !(*this == other); }

  private:
    char slots_[kSlots][kSlotSize];
};
