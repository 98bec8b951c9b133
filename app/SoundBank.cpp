#include "app/SoundBank.h"

namespace {

const char* const kMusicFiles[SoundBank::kMusicTracks] = {
    "sound/title.ogg",      "sound/race_rymden.ogg", "sound/race_vatten.ogg",
    "sound/race_sewer.ogg", "sound/race_tarm.ogg",   "sound/ms_1.ogg",
    "sound/ms_2.ogg",       "sound/ms_3.ogg",        "sound/boss.ogg",
};

const char* const kEffectFiles[SoundBank::kEffects] = {
    "sound/explosion.wav",  "sound/5_point.wav",       "sound/10_point.wav",
    "sound/15_point.wav",   "sound/points_denied.wav", "sound/brain_hit_screaming.wav",
    "sound/brain_kill.wav",
};

}  // namespace

SoundBank::~SoundBank() {
    close();
}

int SoundBank::kindOf(int soundEvent) {
    if (soundEvent >= 0 && soundEvent <= 9) {
        return Music;
    }
    if (soundEvent >= kFirstEffect && soundEvent <= 99) {
        return Effect;
    }
    return soundEvent == kQuitEvent ? Quit : Nothing;
}

bool SoundBank::open() {
    if (!open_) {
        open_ = Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 4096) == 0;
    }
    return open_;
}

void SoundBank::loadAll() {
    if (!open_) {
        return;
    }
    for (int track = 0; track <= 4; ++track) {
        loadMusic(track);
    }
    for (int code = kFirstEffect; code < kFirstEffect + kEffects; ++code) {
        loadEffect(code);
    }
    for (int track = 5; track < kMusicTracks; ++track) {
        loadMusic(track);
    }
}

void SoundBank::loadMusic(int track) {
    music_[track] = Mix_LoadMUS(kMusicFiles[track]);
}

void SoundBank::loadEffect(int code) {
    SDL_RWops* rw = SDL_RWFromFile(kEffectFiles[code - kFirstEffect], "rb");
    effects_[code - kFirstEffect] = rw ? Mix_LoadWAV_RW(rw, 1) : nullptr;
}

Mix_Music* SoundBank::musicFor(int track) const {
    return track >= 0 && track < kMusicTracks ? music_[track] : nullptr;
}

Mix_Chunk* SoundBank::effectFor(int code) const {
    const int slot = code - kFirstEffect;
    return slot >= 0 && slot < kEffects ? effects_[slot] : nullptr;
}

int SoundBank::play(int soundEvent) {
    switch (kindOf(soundEvent)) {
        case Music:
            if (Mix_Music* music = musicFor(soundEvent)) {
                return Mix_PlayMusic(music, -1) == 0 ? 1 : 0;
            }
            return 0;
        case Effect:
            if (Mix_Chunk* chunk = effectFor(soundEvent)) {
                return Mix_PlayChannelTimed(-1, chunk, 0, -1) >= 0 ? 1 : 0;
            }
            return 0;
        default:
            return 0;
    }
}

void SoundBank::setMusicVolume(int volume) {
    Mix_VolumeMusic(volume);
}

void SoundBank::close() {
    if (!open_) {
        return;
    }
    Mix_HaltMusic();
    Mix_HaltChannel(-1);
    for (Mix_Music*& music : music_) {
        if (music) {
            Mix_FreeMusic(music);
            music = nullptr;
        }
    }
    for (Mix_Chunk*& chunk : effects_) {
        if (chunk) {
            Mix_FreeChunk(chunk);
            chunk = nullptr;
        }
    }
    Mix_CloseAudio();
    open_ = false;
}
