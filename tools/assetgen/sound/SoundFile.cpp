#include "assetgen/sound/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

int writeFloatFrames(const std::string& path, SF_INFO info, const AudioBuffer& audio,
                     double vorbisQuality) {
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return -1;
    }
    sf_command(file, SFC_SET_VBR_ENCODING_QUALITY, &vorbisQuality, sizeof(vorbisQuality));
    const sf_count_t written = sf_writef_float(file, audio.samples().data(), audio.frames());
    const int closed = sf_close(file);
    return written == audio.frames() && closed == 0 ? 0 : -1;
}

}  // namespace

int SoundFile::writeOgg(const std::string& path, const AudioBuffer& audio, double quality) {
    SF_INFO info{};
    info.samplerate = audio.rate();
    info.channels = audio.channels();
    info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    return writeFloatFrames(path, info, audio, quality);
}

int SoundFile::writeWav16(const std::string& path, const AudioBuffer& audio) {
    // Converted here rather than by libsndfile so that full scale and
    // rounding are ours: nothing wraps, and the file holds exactly these steps.
    std::vector<short> pcm(audio.samples().size());
    for (size_t i = 0; i < pcm.size(); ++i) {
        const float s = std::clamp(audio.samples()[i], -1.0f, 1.0f);
        pcm[i] = static_cast<short>(std::clamp(std::lround(s * 32768.0f), -32768L, 32767L));
    }
    SF_INFO info{};
    info.samplerate = audio.rate();
    info.channels = audio.channels();
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (file == nullptr) {
        return -1;
    }
    const sf_count_t written = sf_writef_short(file, pcm.data(), audio.frames());
    const int closed = sf_close(file);
    return written == audio.frames() && closed == 0 ? 0 : -1;
}

int SoundFile::read(const std::string& path, AudioBuffer& audio, int& format) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return -1;
    }
    AudioBuffer decoded(info.channels, info.samplerate, static_cast<long>(info.frames));
    const sf_count_t got = sf_readf_float(file, decoded.samples().data(), info.frames);
    sf_close(file);
    if (got != info.frames) {
        return -1;
    }
    format = info.format;
    audio = decoded;
    return 0;
}
