#include "assetgen/sound/SoundFile.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <vector>

#include "support/TempFolder.h"

namespace {

// Full scale and beyond must saturate, never wrap round to the other sign.
TEST(SoundFileTest, WavHoldsExactSixteenBitStepsAndSaturates) {
    TempFolder folder;
    AudioBuffer audio(1, 22050, 6);
    const float in[] = {1.0f, -1.0f, 0.5f, 1.5f, -2.0f, 0.25f / 32768.0f};
    for (int i = 0; i < 6; ++i) {
        audio.at(i, 0) = in[i];
    }
    ASSERT_EQ(0, SoundFile::writeWav16(folder.file("a.wav"), audio));

    SF_INFO info{};
    SNDFILE* file = sf_open(folder.file("a.wav").c_str(), SFM_READ, &info);
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(SF_FORMAT_WAV | SF_FORMAT_PCM_16, info.format);
    std::vector<short> pcm(6);
    EXPECT_EQ(6, sf_readf_short(file, pcm.data(), 6));
    sf_close(file);
    EXPECT_EQ(std::vector<short>({32767, -32768, 16384, 32767, -32768, 0}), pcm);
}

TEST(SoundFileTest, OggKeepsFormatLengthAndChannels) {
    TempFolder folder;
    AudioBuffer audio(2, 22050, 22050);
    for (long f = 0; f < audio.frames(); ++f) {
        audio.at(f, 0) = 0.3f * static_cast<float>((f % 50) - 25) / 25.0f;
        audio.at(f, 1) = -audio.at(f, 0);
    }
    ASSERT_EQ(0, SoundFile::writeOgg(folder.file("a.ogg"), audio, 0.5));
    AudioBuffer decoded;
    int format = 0;
    ASSERT_EQ(0, SoundFile::read(folder.file("a.ogg"), decoded, format));
    EXPECT_EQ(SF_FORMAT_OGG | SF_FORMAT_VORBIS, format);
    EXPECT_EQ(2, decoded.channels());
    EXPECT_EQ(22050, decoded.rate());
    EXPECT_EQ(audio.frames(), decoded.frames());
    EXPECT_NEAR(audio.rmsDb(), decoded.rmsDb(), 0.5);
    EXPECT_EQ(-1, SoundFile::read(folder.file("missing.ogg"), decoded, format));
}

}  // namespace
