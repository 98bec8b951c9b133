#include "assetgen/sound/SoundFile.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

// A music loop comes back exactly as long as it was written.
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
    EXPECT_EQ(audio.frames(), decoded.frames());
    EXPECT_NEAR(audio.rmsDb(), decoded.rmsDb(), 0.5);
    EXPECT_EQ(-1, SoundFile::read(folder.file("missing.ogg"), decoded, format));
}

}  // namespace
