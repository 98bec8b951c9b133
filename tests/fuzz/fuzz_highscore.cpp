// Feeds arbitrary bytes to the highscore reader and validator as the stored
// file "data/M/007.obx", and checks what the game relies on afterwards: a
// validated table always passes its checksum, a good file is never
// rewritten, a bad one is replaced by the defaults, no temporary file is
// left behind, and a table saved with a new entry reads back unchanged.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "highscore/HighscoreFile.h"
#include "highscore/HighscoreTable.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz_highscore: %s\n", what);
        std::abort();
    }
}

std::string readAll(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool exists(const char* path) {
    return std::filesystem::exists(path);
}

void writeStored(const unsigned char* data, size_t size) {
    FILE* f = std::fopen(kHighscorePath, "wb");
    require(f != nullptr, "cannot write the stored file");
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

// A name of up to nine capitals and a score, made from the input's bytes.
void newEntry(const unsigned char* data, size_t size, char (&name)[10], int& score) {
    size_t length = size < 9 ? size : 9;
    for (size_t i = 0; i < length; ++i) {
        name[i] = static_cast<char>('A' + data[i] % 26);
    }
    name[length] = '\0';
    unsigned value = 0;
    for (size_t i = 0; i < size && i < 4; ++i) {
        value = value << 8 | data[size - 1 - i];
    }
    score = static_cast<int>(value % 200000000u) - 100000000;
}

std::string& workFolder() {
    static std::string folder;
    return folder;
}

// The fuzzer ends through exit(); its folder goes with it.
void removeWorkFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(workFolder(), ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Every save syncs its file to the disk; a memory-backed folder keeps
    // that cheap where there is one.
    char folder[] = "/dev/shm/kavrel-fuzz-highscore-XXXXXX";
    char fallback[] = "/tmp/kavrel-fuzz-highscore-XXXXXX";
    const char* made = mkdtemp(folder);
    if (!made) {
        made = mkdtemp(fallback);
    }
    if (!made || chdir(made) != 0 || mkdir("data", 0755) != 0 || mkdir("data/M", 0755) != 0) {
        std::abort();
    }
    workFolder() = made;
    std::atexit(removeWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    writeStored(data, size);
    const std::string before = readAll(kHighscorePath);
    HighscoreTable asStored;
    readStoredHighscores(asStored);
    for (int i = 0; i < HighscoreTable::kSlots; ++i) {
        require(std::string(asStored.slot(i)).size() <= 9, "a slot holds more than 9 characters");
    }

    HighscoreTable table;
    loadHighscoreTable(table);
    require(table.checksumMatches(), "a validated table fails its checksum");
    require(!exists(kHighscoreTempPath), "the temporary file was left behind");
    if (asStored.checksumMatches()) {
        require(readAll(kHighscorePath) == before, "a good file was rewritten");
        require(table == asStored, "a good file read back differently");
    } else {
        require(table == HighscoreTable::defaults(), "a bad file was not replaced by the defaults");
    }

    char name[10];
    int score = 0;
    newEntry(data, size, name, score);
    table.insertHighscore(name, 3, score);
    table.updateChecksum();
    require(saveHighscoreTable(table) == 0, "the save failed");
    HighscoreTable saved;
    loadHighscoreTable(saved);
    require(saved == table, "a saved table read back differently");
    require(!exists(kHighscoreTempPath) && !exists(kHighscoreNewPath), "a save left a file behind");
    return 0;
}
