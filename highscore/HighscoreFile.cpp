#include "highscore/HighscoreFile.h"

#include <unistd.h>

#include <cstdio>

namespace {

constexpr int kShift = 25;

int shiftCopy(const char* source, const char* destination, int shift, bool sync) {
    FILE* out = std::fopen(destination, "wb");
    if (!out) {
        return -1;
    }
    FILE* in = std::fopen(source, "rb");
    bool failed = in == nullptr;
    unsigned char buffer[8192];
    size_t n = 0;
    while (in && (n = std::fread(buffer, 1, sizeof buffer, in)) > 0) {
        for (size_t i = 0; i < n; ++i) {
            buffer[i] = static_cast<unsigned char>(buffer[i] + shift);
        }
        if (std::fwrite(buffer, 1, n, out) != n) {
            failed = true;
            break;
        }
    }
    if (in) {
        failed = failed || std::ferror(in);
        std::fclose(in);
    }
    failed = std::fflush(out) != 0 || failed;
    // A stored file must be on the disk before it replaces the old one.
    failed = (sync && fsync(fileno(out)) != 0) || failed;
    failed = std::fclose(out) != 0 || failed;
    return failed ? -1 : 0;
}

enum LineEnd { kLineRead, kLineTooLong, kNoLine };

// One line into slot (at most 9 characters and a terminating zero).
LineEnd readLine(FILE* in, char* slot) {
    int length = 0;
    int c = std::fgetc(in);
    if (c == EOF) {
        return kNoLine;
    }
    while (c != EOF && c != '\n') {
        const int following = std::fgetc(in);
        const bool endsLine = following == '\n' || following == EOF;
        if (!(c == '\r' && endsLine)) {
            if (length == HighscoreTable::kSlotSize - 1) {
                return kLineTooLong;
            }
            slot[length++] = static_cast<char>(c);
        }
        c = following;
    }
    return kLineRead;
}

}  // namespace

int encodeHighscoreFile(const char* source, const char* destination) {
    return shiftCopy(source, destination, 256 - kShift, true);
}

int decodeHighscoreFile(const char* source, const char* destination) {
    return shiftCopy(source, destination, kShift, false);
}

void readHighscoreText(const char* path, HighscoreTable& table) {
    table.clear();
    FILE* in = std::fopen(path, "rb");
    if (!in) {
        return;
    }
    for (int index = 0; index < HighscoreTable::kSlots; ++index) {
        char text[HighscoreTable::kSlotSize] = {};
        const LineEnd end = readLine(in, text);
        table.setSlot(index, text);
        if (end != kLineRead) {
            break;
        }
    }
    std::fclose(in);
}

int writeHighscoreText(const char* path, const HighscoreTable& table) {
    FILE* out = std::fopen(path, "wb");
    if (!out) {
        return -1;
    }
    bool failed = false;
    for (int index = 0; index < HighscoreTable::kSlots; ++index) {
        failed = std::fprintf(out, "%s\r\n", table.slot(index)) < 0 || failed;
    }
    failed = std::fclose(out) != 0 || failed;
    return failed ? -1 : 0;
}

int writeHighscoreBeside(const HighscoreTable& table) {
    int result = writeHighscoreText(kHighscoreTempPath, table);
    if (result == 0) {
        result = encodeHighscoreFile(kHighscoreTempPath, kHighscoreNewPath);
    }
    std::remove(kHighscoreTempPath);
    if (result != 0) {
        std::remove(kHighscoreNewPath);
    }
    return result;
}

int replaceStoredHighscores() {
    if (std::rename(kHighscoreNewPath, kHighscorePath) != 0) {
        std::remove(kHighscoreNewPath);
        return -1;
    }
    return 0;
}

int saveHighscoreTable(const HighscoreTable& table) {
    if (writeHighscoreBeside(table) != 0) {
        return -1;
    }
    return replaceStoredHighscores();
}

void writeDefaultHighscores() {
    saveHighscoreTable(HighscoreTable::defaults());
}

void readStoredHighscores(HighscoreTable& table) {
    decodeHighscoreFile(kHighscorePath, kHighscoreTempPath);
    readHighscoreText(kHighscoreTempPath, table);
    std::remove(kHighscoreTempPath);
}

void validateHighscoreFile() {
    HighscoreTable stored;
    readStoredHighscores(stored);
    if (!stored.checksumMatches()) {
        writeDefaultHighscores();
    }
}

void loadHighscoreTable(HighscoreTable& table) {
    validateHighscoreFile();
    readStoredHighscores(table);
}
