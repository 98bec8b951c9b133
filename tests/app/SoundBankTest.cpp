#include "app/SoundBank.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

TEST(SoundBankTest, WhatEachSoundEventMeans) {
    EXPECT_EQ(SoundBank::Nothing, SoundBank::kindOf(-1));
    EXPECT_EQ(SoundBank::Music, SoundBank::kindOf(0));
    EXPECT_EQ(SoundBank::Music, SoundBank::kindOf(8));
    EXPECT_EQ(SoundBank::Music, SoundBank::kindOf(9));
    EXPECT_EQ(SoundBank::Effect, SoundBank::kindOf(10));
    EXPECT_EQ(SoundBank::Effect, SoundBank::kindOf(16));
    EXPECT_EQ(SoundBank::Effect, SoundBank::kindOf(17));
    EXPECT_EQ(SoundBank::Effect, SoundBank::kindOf(99));
    EXPECT_EQ(SoundBank::Nothing, SoundBank::kindOf(100));
    EXPECT_EQ(SoundBank::Nothing, SoundBank::kindOf(4999));
    EXPECT_EQ(SoundBank::Quit, SoundBank::kindOf(5000));
    EXPECT_EQ(SoundBank::Nothing, SoundBank::kindOf(5001));
}

TEST(SoundBankTest, WithoutADeviceNothingPlaysAndNothingBreaks) {
    SoundBank bank;
    bank.loadAll();
    for (int event : {-1, 0, 8, 9, 10, 16, 17, 99, 5000}) {
        EXPECT_EQ(0, bank.play(event)) << event;
    }
    bank.setMusicVolume(64);
}

// A short silent WAV file, enough for the mixer to load and play.
void writeWav(const std::string& path) {
    const std::uint32_t samples = 2205, rate = 22050;
    const std::uint32_t dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (std::uint32_t i = 0; i < samples; ++i) {
        u16(0);
    }
}

class LoadedSoundBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.file("sound"));
        writeWav(folder.file("sound/explosion.wav"));
        writeWav(folder.file("sound/brain_kill.wav"));
        // The dummy driver plays into nothing, on any machine.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        SDL_InitSubSystem(SDL_INIT_AUDIO);
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_AUDIO); }

    TempFolder folder;
    WorkingDirectory here{folder.path()};
};

TEST_F(LoadedSoundBankTest, CodesThatNameNoLoadedEntryPlayNothing) {
    SoundBank bank;
    ASSERT_TRUE(bank.open()) << SDL_GetError();
    bank.loadAll();
    EXPECT_TRUE(bank.hasEffect(10));
    EXPECT_TRUE(bank.hasEffect(16));
    EXPECT_FALSE(bank.hasEffect(11)) << "its file is missing";
    EXPECT_FALSE(bank.hasMusic(0));
    EXPECT_EQ(1, bank.play(10));
    EXPECT_EQ(1, bank.play(16));
    for (int event : {-1, 0, 9, 11, 17, 99, 100, 5000}) {
        EXPECT_EQ(0, bank.play(event)) << event;
    }
}

}  // namespace
