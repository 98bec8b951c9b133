#include "record/ReplayWriter.h"

#include <fstream>
#include <iomanip>

namespace {

constexpr int kDigestsPerLine = 30;

std::string keyList(const std::vector<int>& keys) {
    if (keys.empty()) {
        return "-";
    }
    std::string text;
    for (int key : keys) {
        text += (text.empty() ? "" : ",") + ReplayRecording::keyName(key);
    }
    return text;
}

void writeKeys(const std::vector<ReplayFrame>& frames, std::ostream& out) {
    out << "keys\n";
    size_t i = 0;
    while (i < frames.size()) {
        if (frames[i].escape) {
            out << "escape\n";
        }
        size_t run = 1;
        while (i + run < frames.size() && !frames[i + run].escape &&
               frames[i + run].keys == frames[i].keys) {
            ++run;
        }
        out << run << " " << keyList(frames[i].keys) << "\n";
        i += run;
    }
}

void writeOutcome(const ReplayOutcome& o, std::ostream& out) {
    out << "outcome\n";
    for (const ModeChange& change : o.modes) {
        out << "mode " << change.frame << " " << change.mode << "\n";
    }
    out << "final " << o.mode << " " << o.score[0] << " " << o.score[1] << " " << o.lives[0] << " "
        << o.lives[1] << " " << o.status[0] << " " << o.status[1] << "\n";
    out << "digests\n";
    for (size_t i = 0; i < o.digests.size(); ++i) {
        if (i % kDigestsPerLine == 0) {
            out << (i == 0 ? "" : "\n") << i + 1;
        }
        out << " " << std::hex << std::setw(4) << std::setfill('0') << o.digests[i] << std::dec;
    }
    out << "\n";
}

}  // namespace

bool ReplayWriter::write(const ReplayRecording& recording, const std::string& path) {
    std::ofstream out(path, std::ios::trunc);
    out << "# A recorded run of Kavrel: the keys of every logic frame and the outcome they\n"
           "# had. Record again with kavrel-record (README.md, \"Replays\").\n";
    out << "name " << recording.name << "\n";
    out << "about " << recording.about << "\n";
    out << "start " << recording.start.mode << " " << recording.start.players << "\n";
    writeKeys(recording.frames, out);
    writeOutcome(recording.expected, out);
    return static_cast<bool>(out);
}
