#include "StoredHighscores.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "support/HighscoreBytes.h"

bool StoredHighscores::read(const std::string& folder) {
    bytes_.clear();
    lines_.clear();
    std::ifstream in(folder + "/data/M/007.obx", std::ios::binary);
    if (!in) {
        return false;
    }
    bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const std::string plain = shiftedHighscoreText(bytes_, 25);
    endsEveryLine_ = true;
    size_t start = 0;
    while (start < plain.size()) {
        const size_t end = plain.find("\r\n", start);
        if (end == std::string::npos) {
            endsEveryLine_ = false;
            lines_.push_back(plain.substr(start));
            break;
        }
        lines_.push_back(plain.substr(start, end - start));
        start = end + 2;
    }
    return true;
}

std::string StoredHighscores::line(int index) const {
    return index < static_cast<int>(lines_.size()) ? lines_[index] : "";
}

int StoredHighscores::number(int index) const {
    return std::atoi(line(index).c_str());
}

int StoredHighscores::find(const std::string& name) const {
    for (int entry = 0; entry < 5; ++entry) {
        if (this->name(entry) == name) {
            return entry;
        }
    }
    return -1;
}

bool StoredHighscores::wellFormed() const {
    return endsEveryLine_ && lines_.size() == 16 && checksumMatches();
}

bool StoredHighscores::checksumMatches() const {
    long sum = 0;
    for (int entry = 0; entry < 5; ++entry) {
        sum += lives(entry) + score(entry);
    }
    return sum == number(15);
}
