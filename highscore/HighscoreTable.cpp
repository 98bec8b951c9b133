#include "highscore/HighscoreTable.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

void HighscoreTable::clear() {
    std::memset(slots_, 0, sizeof slots_);
}

HighscoreTable HighscoreTable::defaults() {
    HighscoreTable table;
    for (int entry = 0; entry < kEntries; ++entry) {
        table.setSlot(nameSlot(entry), "ZOK");
        table.setNumber(livesSlot(entry), kEntries - entry);
        table.setNumber(scoreSlot(entry), 100 * (kEntries - entry));
    }
    table.updateChecksum();
    return table;
}

const char* HighscoreTable::slot(int index) const {
    if (index < 0 || index >= kSlots) {
        return "";
    }
    return slots_[index];
}

void HighscoreTable::setSlot(int index, const char* text) {
    if (index < 0 || index >= kSlots) {
        return;
    }
    std::memset(slots_[index], 0, kSlotSize);
    for (int i = 0; i < kSlotSize - 1 && text && text[i] != '\0'; ++i) {
        slots_[index][i] = text[i];
    }
}

void HighscoreTable::setNumber(int index, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    setSlot(index, text);
}

int HighscoreTable::number(int index) const {
    const char* p = slot(index);
    while (isBlank(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = *p == '-';
        ++p;
    }
    // A slot has at most 9 characters, so the value always fits.
    long long value = 0;
    while (isDigit(*p)) {
        value = value * 10 + (*p - '0');
        ++p;
    }
    return static_cast<int>(negative ? -value : value);
}

int HighscoreTable::checksum() const {
    std::uint32_t sum = 0;
    for (int entry = 0; entry < kEntries; ++entry) {
        sum += static_cast<std::uint32_t>(number(livesSlot(entry)));
        sum += static_cast<std::uint32_t>(number(scoreSlot(entry)));
    }
    std::int32_t wrapped;
    std::memcpy(&wrapped, &sum, sizeof wrapped);
    return wrapped;
}

int HighscoreTable::insertHighscore(const char* name, int startingLives, int score) {
    int place = -1;
    for (int entry = 0; entry < kEntries; ++entry) {
        if (this->score(entry) < score) {
            place = entry;
            break;
        }
    }
    if (place < 0) {
        return -1;
    }
    for (int entry = kEntries - 1; entry > place; --entry) {
        for (int field = 0; field < 3; ++field) {
            std::memcpy(slots_[nameSlot(entry) + field], slots_[nameSlot(entry - 1) + field],
                        kSlotSize);
        }
    }
    if (score > kHighestStoredScore) {
        score = kHighestStoredScore;
    }
    if (score < kLowestStoredScore) {
        score = kLowestStoredScore;
    }
    setSlot(nameSlot(place), name);
    setNumber(livesSlot(place), startingLives);
    setNumber(scoreSlot(place), score);
    return place;
}

bool HighscoreTable::operator==(const HighscoreTable& other) const {
    for (int i = 0; i < kSlots; ++i) {
        if (std::strcmp(slots_[i], other.slots_[i]) != 0) {
            return false;
        }
    }
    return true;
}
