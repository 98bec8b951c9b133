#include <atomic>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>

#include "assetgen/AssetModules.h"
#include "assetgen/sound/AudioBuffer.h"
#include "assetgen/sound/MusicRenderer.h"
#include "assetgen/sound/PeakLimiter.h"
#include "assetgen/sound/ScoreParser.h"
#include "assetgen/sound/SoundFile.h"

namespace {

struct Track {
    const char* file;
    const char* notes;
};

// In the order of the game's music table.
const Track kTracks[] = {
    {"sound/title.ogg", "title.txt"},        {"sound/race_rymden.ogg", "rymden.txt"},
    {"sound/race_vatten.ogg", "vatten.txt"}, {"sound/race_sewer.ogg", "sewer.txt"},
    {"sound/race_tarm.ogg", "tarm.txt"},     {"sound/ms_1.ogg", "ms_1.txt"},
    {"sound/ms_2.ogg", "ms_2.txt"},          {"sound/ms_3.ogg", "ms_3.txt"},
    {"sound/boss.ogg", "boss.txt"},
};
constexpr int kTrackCount = sizeof(kTracks) / sizeof(kTracks[0]);

const char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
// Every track is brought to the same loudness; the effects sit well above it.
constexpr double kMusicRmsDb = -18.0;
// The limiter keeps the drums' peaks under this; Vorbis can overshoot the
// peaks it was given, so a file that decodes above the second ceiling is
// written again a little quieter.
constexpr double kLimiterCeilingDb = -1.8;
constexpr double kPeakCeilingDb = -1.2;
constexpr double kVorbisQuality = 0.5;

int readText(const std::string& path, std::string& text) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    text = all.str();
    return in ? 0 : -1;
}

// Writes the loop and reads it back, lowering it until its decoded peaks
// stay under the ceiling.
int writeWithinCeiling(const std::string& path, AudioBuffer& music) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        AudioBuffer decoded;
        int format = 0;
        if (SoundFile::writeOgg(path, music, kVorbisQuality) != 0 ||
            SoundFile::read(path, decoded, format) != 0) {
            return -1;
        }
        const double over = decoded.peakDb() - kPeakCeilingDb;
        if (over <= 0.0) {
            music = decoded;
            return 0;
        }
        music.scale(dbToGain(-over - 0.3));
    }
    return -1;
}

// Brings the loop to the common loudness; limiting takes a little off it, so
// the two steps are taken twice.
void masterLoudness(AudioBuffer& music) {
    const PeakLimiter limiter(kLimiterCeilingDb, 0.004, 0.15);
    for (int round = 0; round < 2; ++round) {
        music.scale(dbToGain(kMusicRmsDb - music.rmsDb()));
        limiter.apply(music);
    }
}

int makeTrack(const Track& track, const std::string& path, std::string& report) {
    std::string text;
    Score score;
    ScoreParser parser;
    MusicRenderer renderer(kSoundFont);
    AudioBuffer music;
    if (readText(std::string(KAVREL_SOUND_NOTES_DIR) + "/" + track.notes, text) != 0) {
        report = std::string("cannot read ") + track.notes;
        return -1;
    }
    if (parser.parse(text, track.notes, score) != 0) {
        report = parser.error();
        return -1;
    }
    if (renderer.render(score, music) != 0) {
        report = renderer.error();
        return -1;
    }
    masterLoudness(music);
    if (writeWithinCeiling(path, music) != 0) {
        report = std::string("cannot write ") + track.file;
        return -1;
    }
    char line[160];
    std::snprintf(line, sizeof(line), "%-22s %5.1f s  RMS %6.1f dBFS  peak %5.1f dBFS", track.file,
                  music.seconds(), music.rmsDb(), music.peakDb());
    report = line;
    return 0;
}

// Two workers take the tracks in turn; progress is printed as each is done.
void makeMusic(AssetWriter& out) {
    std::string paths[kTrackCount];
    for (int i = 0; i < kTrackCount; ++i) {
        paths[i] = out.prepare(kTracks[i].file);
    }
    std::atomic<int> next{0};
    std::mutex progress;
    auto work = [&]() {
        for (int i = next++; i < kTrackCount; i = next++) {
            std::string report;
            const int result = makeTrack(kTracks[i], paths[i], report);
            std::lock_guard<std::mutex> lock(progress);
            if (result != 0) {
                std::fprintf(stderr, "kavrel-assetgen: %s\n", report.c_str());
                continue;
            }
            std::printf("        %s\n", report.c_str());
            out.written(kTracks[i].file);
        }
    };
    std::thread helper(work);
    work();
    helper.join();
}

}  // namespace

const AssetModule kMusic = {"music", kTrackCount, &makeMusic};
