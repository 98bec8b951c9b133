#pragma once

#include <SDL_mixer.h>

// The music tracks and sound effects, and what a frame's SoundEvent does with
// them: 0 to 9 start music (looping), 10 to 99 play an effect once, 5000 ends
// the program, anything else does nothing. A code that names no loaded entry
// plays nothing. Without a sound device the game plays on in silence.
class SoundBank {
  public:
    enum Kind : int { Nothing = 0, Music = 1, Effect = 2, Quit = 3 };
    static constexpr int kMusicTracks = 9;
    static constexpr int kFirstEffect = 10;
    static constexpr int kEffects = 7;
    static constexpr int kQuitEvent = 5000;

    SoundBank() = default;
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    static int kindOf(int soundEvent);

    // Opens the audio device (22050 Hz, signed 16-bit, stereo, 4096-sample
    // chunks). False when there is none.
    bool open();
    // Loads music 0 to 4, the effects 10 to 16, then music 5 to 8.
    void loadAll();
    // Starts the music or effect of a SoundEvent; 1 when something was
    // started, 0 otherwise.
    int play(int soundEvent);
    void setMusicVolume(int volume);

    bool hasMusic(int track) const { return musicFor(track) != nullptr; }
    bool hasEffect(int code) const { return effectFor(code) != nullptr; }

  private:
    void loadMusic(int track);
    void loadEffect(int code);
    Mix_Music* musicFor(int track) const;
    Mix_Chunk* effectFor(int code) const;
    void close();

    Mix_Music* music_[kMusicTracks] = {};
    Mix_Chunk* effects_[kEffects] = {};
    bool open_ = false;
};
