#include "assetgen/sound/MusicRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "assetgen/sound/ScoreParser.h"

namespace {

const char kSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Two bars at 120: silent for the first beat, then an organ chord that is
// held into the loop's last moment, with plenty of reverb.
const char kPiece[] =
    "tempo 120\n"
    "voice organ channel 1 program 19 reverb 127 legato 1.0\n"
    "section A 2\n"
    "organ: r/4 [c4 e4 g4]/2. | c5/1\n"
    "play A\n";

Score pieceScore() {
    Score score;
    ScoreParser parser;
    EXPECT_EQ(0, parser.parse(kPiece, "piece", score)) << parser.error();
    return score;
}

double rmsOf(const AudioBuffer& audio, long from, long to) {
    double sum = 0.0;
    for (long f = from; f < to; ++f) {
        for (int c = 0; c < audio.channels(); ++c) {
            sum += audio.at(f, c) * audio.at(f, c);
        }
    }
    return gainToDb(std::sqrt(sum / ((to - from) * audio.channels())));
}

// What rings on past the end is heard at the start, as when the loop comes
// round; a second rendering gives the same samples.
TEST(MusicRendererTest, FoldsTheTailIntoTheStartOfAnExactLoopTheSameEveryTime) {
    AudioBuffer loop;
    AudioBuffer again;
    MusicRenderer renderer(kSoundFont);
    ASSERT_EQ(0, renderer.render(pieceScore(), loop)) << renderer.error();
    ASSERT_EQ(0, renderer.render(pieceScore(), again));
    EXPECT_EQ(loop.samples(), again.samples());
    EXPECT_EQ(4 * 22050, loop.frames()) << "two bars of 2 s";
    const long beat = 22050 / 2;
    EXPECT_GT(rmsOf(loop, 0, beat / 2), -50.0) << "the held chord's release and reverb";
    EXPECT_GT(rmsOf(loop, beat, 2 * beat), rmsOf(loop, 0, beat / 2));
}

TEST(MusicRendererTest, ReportsAMissingSoundFont) {
    AudioBuffer loop;
    MusicRenderer renderer("/nonexistent/font.sf2");
    EXPECT_EQ(-1, renderer.render(pieceScore(), loop));
    EXPECT_NE(std::string::npos, renderer.error().find("/nonexistent/font.sf2"));
}

}  // namespace
