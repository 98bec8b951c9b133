#include "app/SoundBank.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

// Every test runs with SDL's dummy audio driver, which plays into nothing on
// any machine, whatever the environment says.
class SoundBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_AUDIO)) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_AUDIO); }
};

TEST_F(SoundBankTest, WhatEachSoundEventMeans) {
    const int kinds[][2] = {
        {-1, SoundBank::Nothing},   {0, SoundBank::Music},   {9, SoundBank::Music},
        {10, SoundBank::Effect},    {99, SoundBank::Effect}, {100, SoundBank::Nothing},
        {4999, SoundBank::Nothing}, {5000, SoundBank::Quit}, {5001, SoundBank::Nothing}};
    for (const auto& k : kinds) {
        EXPECT_EQ(k[1], SoundBank::kindOf(k[0])) << k[0];
    }
}

struct Entry {
    int event;
    const char* file;
};

const Entry kEntries[] = {
    {0, "title.ogg"},       {1, "race_rymden.ogg"},    {2, "race_vatten.ogg"},
    {3, "race_sewer.ogg"},  {4, "race_tarm.ogg"},      {5, "ms_1.ogg"},
    {6, "ms_2.ogg"},        {7, "ms_3.ogg"},           {8, "boss.ogg"},
    {10, "explosion.wav"},  {11, "5_point.wav"},       {12, "10_point.wav"},
    {13, "15_point.wav"},   {14, "points_denied.wav"}, {15, "brain_hit_screaming.wav"},
    {16, "brain_kill.wav"},
};

bool isMusic(int event) {
    return event < SoundBank::kFirstEffect;
}

bool loaded(const SoundBank& bank, int event) {
    return isMusic(event) ? bank.hasMusic(event) : bank.hasEffect(event);
}

// The bytes the mixer holds for a WAV, once made stereo like its output.
Uint32 stereoBytesOf(const std::string& path) {
    SDL_AudioSpec format;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &format, &buffer, &length) == nullptr) {
        return 0;
    }
    SDL_FreeWAV(buffer);
    return format.channels == 1 ? 2 * length : length;
}

// Is a chunk of this length playing on some channel?
bool chunkPlaying(Uint32 bytes) {
    for (int channel = 0; channel < Mix_AllocateChannels(-1); ++channel) {
        Mix_Chunk* chunk = Mix_GetChunk(channel);
        if (Mix_Playing(channel) && chunk != nullptr && chunk->alen == bytes) {
            return true;
        }
    }
    return false;
}

// The generated files, each alone in a folder: only its own event can start
// anything, so each event is tied to exactly the file of the game's tables.
// Without a device nothing loads, and codes that name no entry play nothing.
TEST_F(SoundBankTest, EachSoundEventStartsItsOwnGeneratedTrackOrEffect) {
    const std::string generated = std::string(KAVREL_RUN_FOLDER) + "/sound/";
    if (!std::filesystem::exists(generated)) {
        GTEST_SKIP() << "this build does not render the sounds (KAVREL_GENERATE_SOUNDS=OFF)";
    }
    for (const Entry& e : kEntries) {
        TempFolder folder;
        const std::string file = folder.file(std::string("sound/") + e.file);
        std::filesystem::create_directories(folder.file("sound"));
        std::filesystem::copy_file(generated + e.file, file);
        WorkingDirectory here(folder.path());
        ASSERT_TRUE(here.entered());
        SoundBank silent;
        silent.loadAll();
        EXPECT_EQ(0, silent.play(e.event)) << e.file << " played without a device";
        SoundBank bank;
        ASSERT_TRUE(bank.open()) << SDL_GetError();
        bank.loadAll();
        for (const Entry& other : kEntries) {
            EXPECT_EQ(other.event == e.event, loaded(bank, other.event))
                << "with only " << e.file << ", event " << other.event << ": " << Mix_GetError();
        }
        const Uint32 bytes = stereoBytesOf(file);
        // The audio thread stays out until we have looked, so that a short
        // effect cannot end before then on a busy machine.
        SDL_LockAudio();
        const int played = bank.play(e.event);
        const bool playing = isMusic(e.event) ? Mix_PlayingMusic() != 0 : chunkPlaying(bytes);
        SDL_UnlockAudio();
        ASSERT_EQ(1, played) << e.file;
        EXPECT_TRUE(playing) << e.file;
        if (isMusic(e.event)) {
            EXPECT_EQ(MUS_OGG, Mix_GetMusicType(nullptr)) << e.file;
        }
        for (int code : {-1, 9, 17, 99, 100, 5000}) {
            EXPECT_EQ(0, bank.play(code)) << code;
        }
    }
}

}  // namespace
