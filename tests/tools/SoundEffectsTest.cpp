#include "assetgen/sound/SoundEffects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

int zeroCrossings(const AudioBuffer& sound, double seconds) {
    int count = 0;
    for (long f = 1; f < std::lround(seconds * sound.rate()); ++f) {
        if ((sound.at(f - 1, 0) < 0.0f) != (sound.at(f, 0) < 0.0f)) {
            ++count;
        }
    }
    return count;
}

TEST(SoundEffectsTest, EveryEffectIsShortMonoAtFullLevelQuietAtBothEndsAndTheSameEveryTime) {
    const struct {
        const char* name;
        AudioBuffer sound;
        double longest;
    } effects[] = {
        {"explosion", SoundEffects::explosion(), 0.99}, {"5", SoundEffects::chime(5), 0.7},
        {"10", SoundEffects::chime(10), 0.7},           {"15", SoundEffects::chime(15), 0.7},
        {"denied", SoundEffects::pointsDenied(), 0.7},  {"hit", SoundEffects::brainHit(), 1.2},
        {"kill", SoundEffects::brainKill(), 3.0},
    };
    for (const auto& e : effects) {
        EXPECT_EQ(1, e.sound.channels()) << e.name;
        EXPECT_EQ(22050, e.sound.rate()) << e.name;
        EXPECT_GT(e.sound.seconds(), 0.2) << e.name;
        EXPECT_LT(e.sound.seconds(), e.longest) << e.name;
        EXPECT_NEAR(SoundEffects::kPeakDb, e.sound.peakDb(), 0.01) << e.name;
        EXPECT_LT(std::fabs(e.sound.at(0, 0)), 0.05f) << e.name << " starts with a click";
        EXPECT_LT(std::fabs(e.sound.at(e.sound.frames() - 1, 0)), 0.01f)
            << e.name << " ends with a click";
    }
    EXPECT_GT(SoundEffects::brainKill().seconds(), SoundEffects::brainHit().seconds() + 0.5);
    // The same samples every time.
    EXPECT_EQ(SoundEffects::explosion().samples(), effects[0].sound.samples());
    EXPECT_EQ(SoundEffects::chime(15).samples(), effects[3].sound.samples());
    EXPECT_EQ(SoundEffects::brainKill().samples(), effects[6].sound.samples());
}

// The first note of each chime is higher the more the pass was worth.
TEST(SoundEffectsTest, ChimesRiseWithThePoints) {
    const int five = zeroCrossings(SoundEffects::chime(5), 0.06);
    const int ten = zeroCrossings(SoundEffects::chime(10), 0.06);
    const int fifteen = zeroCrossings(SoundEffects::chime(15), 0.06);
    EXPECT_LT(five, ten);
    EXPECT_LT(ten, fifteen);
}

}  // namespace
