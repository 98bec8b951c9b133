#include "assetgen/sound/ScoreParser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "assetgen/sound/ChordSymbol.h"
#include "assetgen/sound/NoteToken.h"

namespace {

constexpr long kQuarter = Score::kTicksPerQuarter;

std::vector<ScoreNote> notesOf(const Score& score, const std::string& voice) {
    std::vector<ScoreNote> found;
    for (const ScoreNote& n : score.notes) {
        if (score.voices[n.voice].name == voice) {
            found.push_back(n);
        }
    }
    return found;
}

std::set<int> keysAt(const Score& score, const std::string& voice, long tick) {
    std::set<int> keys;
    for (const ScoreNote& n : notesOf(score, voice)) {
        if (n.tick == tick) {
            keys.insert(n.key);
        }
    }
    return keys;
}

TEST(NoteTokenTest, ReadsPitchesLengthsAndMarks) {
    NoteToken t;
    ASSERT_EQ(0, t.parse("bb3/2+8"));
    EXPECT_EQ(58, t.pitches()[0].value);
    EXPECT_EQ(2 * kQuarter + kQuarter / 2, t.ticks());
    ASSERT_EQ(0, t.parse("b4"));
    EXPECT_EQ(71, t.pitches()[0].value) << "a lone b is the note B, not a flat";
    ASSERT_EQ(0, t.parse("b#3"));
    EXPECT_EQ(60, t.pitches()[0].value) << "the octave belongs to the letter";
    ASSERT_EQ(0, t.parse("r/12"));
    EXPECT_EQ(NoteToken::kRest, t.kind());
    EXPECT_EQ(kQuarter / 3, t.ticks()) << "a triplet eighth";

    ASSERT_EQ(0, t.parse("[1 3' 5,]/4"));
    ASSERT_EQ(3u, t.pitches().size());
    EXPECT_EQ(1, t.pitches()[1].octave);
    EXPECT_EQ(-1, t.pitches()[2].octave);

    // Overlong numbers are refused, not converted (they would not fit an int).
    for (const char* bad : {"h4", "c4/7", "c4/", "[c4 e4", "c10", "14", "v0", "c4/8x", "/4",
                            "v99999999999", "123456789012", "[1 99999999999]"}) {
        EXPECT_EQ(-1, t.parse(bad)) << bad;
        EXPECT_FALSE(t.error().empty()) << bad;
    }
}

TEST(ChordSymbolTest, KnowsItsDegreesAndRefusesWhatItLacks) {
    ChordSymbol c;
    ASSERT_EQ(0, ChordSymbol::parse("Dm", c));
    EXPECT_EQ(15, c.interval(10));
    EXPECT_EQ(-1, c.interval(7)) << "a plain triad has no seventh to guess";
    ASSERT_EQ(0, ChordSymbol::parse("A7", c));
    EXPECT_EQ(10, c.interval(7));
    ASSERT_EQ(0, ChordSymbol::parse("Bbmaj7", c));
    EXPECT_EQ(10, c.root());
    EXPECT_EQ(11, c.interval(7));
    ASSERT_EQ(0, ChordSymbol::parse("F#m7b5", c));
    EXPECT_EQ(6, c.root());
    EXPECT_EQ(6, c.interval(5));
    ASSERT_EQ(0, ChordSymbol::parse("E5", c));
    EXPECT_EQ(-1, c.interval(3));
    EXPECT_EQ(1, c.transposed(-3).root());
    for (const char* bad : {"Hm", "Cmaj9", "c", "", "C#x"}) {
        EXPECT_EQ(-1, ChordSymbol::parse(bad, c)) << bad;
    }
}

// A bass keeps the root near its centre with the other degrees above it; a
// pad puts each tone near its centre, so the chords move by small steps.
TEST(ScoreParserTest, PlacesChordDegreesAroundEachVoicesCentre) {
    const std::string text =
        "tempo 120\n"
        "voice bass channel 2 root e2\n"
        "voice pad channel 3 close c4\n"
        "section A 4\n"
        "chords: Am F C G\n"
        "bass: 1/2 5/4 8/4\n"
        "pad: [1 3 5]/1\n"
        "play A\n";
    Score score;
    ScoreParser parser;
    ASSERT_EQ(0, parser.parse(text, "test", score)) << parser.error();
    const long bar = 4 * kQuarter;
    EXPECT_EQ(std::set<int>({45}), keysAt(score, "bass", 0)) << "A2";
    EXPECT_EQ(std::set<int>({52}), keysAt(score, "bass", 2 * kQuarter)) << "its fifth above";
    EXPECT_EQ(std::set<int>({57}), keysAt(score, "bass", 3 * kQuarter)) << "its octave";
    EXPECT_EQ(std::set<int>({36}), keysAt(score, "bass", 2 * bar)) << "C2";
    EXPECT_EQ(std::set<int>({57, 60, 64}), keysAt(score, "pad", 0));
    EXPECT_EQ(std::set<int>({57, 60, 65}), keysAt(score, "pad", bar));
}

TEST(ScoreParserTest, RepeatsShortLinesPatternsAndSectionsInPlayOrderAndSkipsComments) {
    const std::string text =
        "tempo 100\n"
        "beats 3   # waltz time\n"
        "voice lead channel 1 velocity 90 legato 0.5\n"
        "voice drums channel 10 velocity 100\n"
        "pattern two: c4/4 d4\n"
        "section A 2\n"
        "lead: @two e4/4* | f#4/2.! \n"
        "drums kick: Xo.x........\n"
        "section B 1\n"
        "lead: c4/4 v40 c4 c4?  # c#5 is only a comment\n"
        "drums snare: r1\n"
        "play A B+2*2\n";
    Score score;
    ScoreParser parser;
    ASSERT_EQ(0, parser.parse(text, "test", score)) << parser.error();
    EXPECT_EQ(3 * kQuarter * 4, score.lengthTicks) << "A of two bars, then B twice";
    EXPECT_EQ(100, score.tempo);

    const std::vector<ScoreNote> lead = notesOf(score, "lead");
    ASSERT_EQ(10u, lead.size());
    EXPECT_EQ(60, lead[0].key);
    EXPECT_EQ(kQuarter / 2, lead[0].length) << "half of the quarter sounds at legato 0.5";
    EXPECT_EQ(64, lead[2].key);
    EXPECT_LT(lead[2].length, kQuarter / 2) << "staccato is shorter still";
    EXPECT_EQ(66, lead[3].key);
    EXPECT_EQ(3 * kQuarter, lead[3].tick);
    EXPECT_EQ(110, lead[3].velocity) << "accented";
    // B moved up a whole tone, played twice, with its own velocities.
    EXPECT_EQ(62, lead[4].key);
    EXPECT_EQ(6 * kQuarter, lead[4].tick);
    EXPECT_EQ(90, lead[4].velocity);
    EXPECT_EQ(40, lead[5].velocity);
    EXPECT_EQ(15, lead[6].velocity);
    EXPECT_EQ(9 * kQuarter, lead[7].tick);

    // The one-bar drum line fills both bars of A: loud, soft, normal.
    const std::vector<ScoreNote> drums = notesOf(score, "drums");
    ASSERT_EQ(6u, drums.size());
    EXPECT_EQ(36, drums[0].key);
    EXPECT_EQ(122, drums[0].velocity);
    EXPECT_EQ(65, drums[1].velocity);
    EXPECT_EQ(kQuarter / 4, drums[1].tick);
    EXPECT_EQ(100, drums[2].velocity);
    EXPECT_EQ(3 * kQuarter, drums[3].tick);
    EXPECT_TRUE(
        std::is_sorted(score.notes.begin(), score.notes.end(),
                       [](const ScoreNote& a, const ScoreNote& b) { return a.tick < b.tick; }));
}

// Each mistake is reported with the file name and the line it is on.
TEST(ScoreParserTest, NamesTheLineOfEachMistake) {
    const std::string head = "voice v channel 1\nvoice b channel 2 root e2\nsection A 2\n";
    const struct {
        const char* body;
        const char* expected;
    } cases[] = {
        {"v: c4/2 | c4/2 c4/1\nplay A\n", "test:4: bar line"},
        {"v: c4/4 c4/4 c4/4\nplay A\n", "test:4: v lasts"},
        {"w: c4/1\nplay A\n", "test:4: no voice called w"},
        {"chords: C\nb: 7/1\nplay A\n", "test:5: the chord has no degree 7"},
        {"b: 1/1\nplay A\n", "test:4: a chord degree where no chord"},
        {"chords: C Q\nplay A\n", "test:4: unknown chord Q"},
        {"v: c4/1\nplay A C\n", "test:5: no section called C"},
        {"v: @missing\nplay A\n", "test:4: no pattern called missing"},
        {"v: c4/1\n", "nothing to play"},
        {"v channel 1\nplay A\n", "test:4: cannot read"},
        {"v: c4/1\nplay A\nvoice v channel 3\n", "test:6: a second voice called v"},
        {"v: c4/1\nv bongo2: x...\nplay A\n", "test:5: unknown drum bongo2"},
    };
    for (const auto& c : cases) {
        Score score;
        ScoreParser parser;
        EXPECT_EQ(-1, parser.parse(head + c.body, "test", score)) << c.body;
        EXPECT_NE(std::string::npos, parser.error().find(c.expected))
            << c.body << " gave: " << parser.error();
    }
}

}  // namespace
