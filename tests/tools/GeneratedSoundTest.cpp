// The sound files the build wrote into the run folder, read as the game's
// mixer would find them. Read only: nothing here changes the files.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "assetgen/sound/AudioBuffer.h"
#include "assetgen/sound/SoundFile.h"

namespace {

struct Expected {
    const char* file;
    double shortest;  // seconds
    double longest;
};

// The cut-scene tracks last at least as long as their scenes (26, 15 and 19
// game seconds of 30 frames of 34 ms).
const Expected kMusic[] = {
    {"title.ogg", 60.0, 90.0},       {"race_rymden.ogg", 60.0, 90.0},
    {"race_vatten.ogg", 60.0, 90.0}, {"race_sewer.ogg", 60.0, 90.0},
    {"race_tarm.ogg", 60.0, 90.0},   {"ms_1.ogg", 27.0, 60.0},
    {"ms_2.ogg", 16.0, 60.0},        {"ms_3.ogg", 20.0, 60.0},
    {"boss.ogg", 30.0, 90.0},
};
const Expected kEffects[] = {
    {"explosion.wav", 0.3, 1.0},     {"5_point.wav", 0.1, 1.0},
    {"10_point.wav", 0.1, 1.0},      {"15_point.wav", 0.1, 1.0},
    {"points_denied.wav", 0.1, 1.0}, {"brain_hit_screaming.wav", 0.3, 1.5},
    {"brain_kill.wav", 1.0, 3.0},
};
constexpr double kClipDb = -1.0;

std::string soundFolder() {
    return std::string(KAVREL_RUN_FOLDER) + "/sound/";
}

class GeneratedSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(soundFolder())) {
            GTEST_SKIP() << "this build does not render the sounds (KAVREL_GENERATE_SOUNDS=OFF)";
        }
    }

    static AudioBuffer load(const Expected& e, int expectedFormat) {
        AudioBuffer audio;
        int format = 0;
        EXPECT_EQ(0, SoundFile::read(soundFolder() + e.file, audio, format)) << e.file;
        EXPECT_EQ(expectedFormat, format) << e.file;
        EXPECT_EQ(22050, audio.rate()) << e.file;
        EXPECT_GE(audio.seconds(), e.shortest) << e.file;
        EXPECT_LE(audio.seconds(), e.longest) << e.file;
        EXPECT_LE(audio.peakDb(), kClipDb) << e.file << " clips";
        return audio;
    }
};

// The first note of a sound, as the number of zero crossings in its first
// 60 ms.
int zeroCrossings(const AudioBuffer& sound) {
    int count = 0;
    for (long f = 1; f < sound.rate() * 6 / 100; ++f) {
        count += (sound.at(f - 1, 0) < 0.0f) != (sound.at(f, 0) < 0.0f);
    }
    return count;
}

// Every track loops without a jump and all are about as loud; every effect
// stands well above the loudest of them, starts and ends without a click, and
// the chimes rise with the points they are worth.
TEST_F(GeneratedSoundTest, MusicLoopsAtOneLoudnessAndEffectsCarryOverIt) {
    double quietest = 0.0;
    double loudest = -200.0;
    for (const Expected& e : kMusic) {
        const AudioBuffer music = load(e, SF_FORMAT_OGG | SF_FORMAT_VORBIS);
        EXPECT_EQ(2, music.channels()) << e.file;
        EXPECT_LE(music.seamStep(), music.largestStep()) << e.file << " clicks where it loops";
        quietest = std::min(quietest, music.rmsDb());
        loudest = std::max(loudest, music.rmsDb());
    }
    EXPECT_LE(loudest - quietest, 3.0);
    std::vector<int> chimes;  // 5, 10 and 15 points
    for (const Expected& e : kEffects) {
        const AudioBuffer effect = load(e, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
        EXPECT_TRUE(effect.channels() == 1 || effect.channels() == 2) << e.file;
        EXPECT_GE(effect.rmsDb(), loudest + 6.0) << e.file << " would drown in the music";
        EXPECT_LT(std::fabs(effect.at(0, 0)), 0.05f) << e.file << " starts with a click";
        EXPECT_LT(std::fabs(effect.at(effect.frames() - 1, 0)), 0.01f)
            << e.file << " ends with a click";
        if (std::string(e.file).find("_point") != std::string::npos) {
            chimes.push_back(zeroCrossings(effect));
        }
    }
    ASSERT_EQ(3u, chimes.size());
    EXPECT_LT(chimes[0], chimes[1]);
    EXPECT_LT(chimes[1], chimes[2]);
}

}  // namespace
