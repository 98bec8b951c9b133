// The game's two sound tables filled from the generated files, under SDL's
// dummy audio driver.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/SoundBank.h"
#include "support/TempFolder.h"
#include "support/WorkingDirectory.h"

namespace {

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

const std::string kGenerated = std::string(KAVREL_RUN_FOLDER) + "/sound/";

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

class SoundFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kGenerated)) {
            GTEST_SKIP() << "this build does not render the sounds (KAVREL_GENERATE_SOUNDS=OFF)";
        }
        // Never a real device, whatever the environment says.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(0, SDL_InitSubSystem(SDL_INIT_AUDIO)) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_AUDIO); }

    // A folder holding copies of the generated files the test names, for the
    // game to load by its relative paths.
    static void copyInto(const TempFolder& folder, const char* file) {
        std::filesystem::create_directories(folder.file("sound"));
        std::filesystem::copy_file(kGenerated + file, folder.file(std::string("sound/") + file));
    }
};

TEST_F(SoundFilesTest, BothTablesLoadEverySixteenEntries) {
    TempFolder folder;
    for (const Entry& e : kEntries) {
        copyInto(folder, e.file);
    }
    WorkingDirectory here(folder.path());
    ASSERT_TRUE(here.entered());
    SoundBank bank;
    ASSERT_TRUE(bank.open()) << SDL_GetError();
    bank.loadAll();
    for (const Entry& e : kEntries) {
        EXPECT_TRUE(loaded(bank, e.event)) << e.file << ": " << Mix_GetError();
    }
}

// With only one file present, only its own event can start anything: so each
// event is tied to exactly the file of the game's tables.
TEST_F(SoundFilesTest, EachSoundEventStartsItsOwnTrackOrEffect) {
    for (const Entry& e : kEntries) {
        TempFolder folder;
        copyInto(folder, e.file);
        WorkingDirectory here(folder.path());
        ASSERT_TRUE(here.entered());
        SoundBank bank;
        ASSERT_TRUE(bank.open()) << SDL_GetError();
        bank.loadAll();
        for (const Entry& other : kEntries) {
            EXPECT_EQ(other.event == e.event, loaded(bank, other.event))
                << "with only " << e.file << ", event " << other.event;
        }
        ASSERT_EQ(1, bank.play(e.event)) << e.file;
        if (isMusic(e.event)) {
            EXPECT_TRUE(Mix_PlayingMusic()) << e.file;
            EXPECT_EQ(MUS_OGG, Mix_GetMusicType(nullptr)) << e.file;
        } else {
            EXPECT_TRUE(chunkPlaying(stereoBytesOf(folder.file(std::string("sound/") + e.file))))
                << e.file;
        }
    }
}

}  // namespace
