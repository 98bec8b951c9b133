// Recorded runs replayed against the fixed test pictures: every frame must
// come out as it did when the run was recorded. The recordings live in
// tests/whole/replays/; when a rule changes on purpose, kavrel-record
// records them again (README.md, "Replays").
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "WholeGameFixture.h"
#include "support/FixedPictures.h"
#include "support/GeneratedRunFolder.h"

namespace fs = std::filesystem;

namespace {

// The whole-game recordings are played by PlaythroughTest.
const char* const kRecordings[] = {"menu-to-course1",        "course2-crash",
                                   "course3-two-players",    "boss-to-name-entry",
                                   "boss-second-player-out", "course1-crash"};

class ReplayTest : public WholeGameFixture, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        loadFixedGame();
        std::srand(1);
    }
};

TEST_P(ReplayTest, ReplaysToItsRecordedOutcome) {
    EXPECT_EQ(0, play(recorded(GetParam()))) << "the frame the run drifts at";
}

INSTANTIATE_TEST_SUITE_P(Recordings, ReplayTest, ::testing::ValuesIn(kRecordings),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

// A changed key shows as a drift in the very frame it acts.
using ReplayDriftTest = ReplayTest;
TEST_F(ReplayDriftTest, AChangedKeyIsNamedByItsFrame) {
    ReplayRecording recording = recorded("course2-crash");
    ASSERT_GT(recording.frames.size(), 150u);
    recording.frames[119].keys = {SDLK_UP, SDLK_LEFT};
    EXPECT_EQ(120, play(recording));
}

// Leaving a course by Escape enters no score, however high.
TEST_F(ReplayDriftTest, EscapeOutOfACourseStoresNothing) {
    const std::string table = storedBytes();
    ASSERT_EQ(0, play(recorded("menu-to-course1")));
    ASSERT_GT(game_->score1(), 100) << "enough for the default table";
    escape();
    idle(2);
    EXPECT_EQ(ModeMenu, game_->mode());
    EXPECT_EQ(table, storedBytes());
}

// The replays' pictures stand in for every picture of the generated run
// folder (whose files are the ones the game loads), each at its place.
TEST(ReplayPicturesTest, FixedPicturesStandInForEveryGeneratedPicture) {
    TempFolder fixed;
    ASSERT_TRUE(FixedPictures::write(fixed.path()));
    const auto listPictures = [](const std::string& folder) {
        std::set<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(folder + "/data")) {
            const std::string name = fs::relative(entry.path(), folder).string();
            if (entry.path().extension() == ".obx" && name != "data/M/007.obx") {
                names.insert(name);
            }
        }
        return names;
    };
    const std::set<std::string> pictures = listPictures(fixed.path());
    EXPECT_EQ(listPictures(GeneratedRunFolder::path()), pictures);
    EXPECT_EQ(FixedPictures::count(), static_cast<int>(pictures.size()));
}

}  // namespace
