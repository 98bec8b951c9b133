// Games that end early on the real Game with the generated pictures: lost
// in course 2 with the last life, and abandoned with Escape.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "StoredHighscores.h"
#include "WholeGameFixture.h"

namespace {

class GameEndTest : public WholeGameFixture {
  protected:
    void SetUp() override { loadGeneratedGame(); }

    // Flies player 1 at the nearest hazard of course 2 until the game leaves
    // the course.
    void crashInCourse2(int maxFrames) {
        pilot_.setRamming(true);
        flyCourse(maxFrames);
    }
};

TEST_F(GameEndTest, TheLastLifeLostInCourse2EndsTheGame) {
    std::srand(1);
    StoredHighscores before;
    ASSERT_TRUE(before.read(folder_.path()));
    startGame(1, 2);
    escape();  // skips the opening into course 1
    ASSERT_EQ(ModeCourse1, game_->mode());
    EXPECT_EQ(2, game_->player1().lives());
    pilot_.setCareful(true);
    flyCourse();
    ASSERT_EQ(ModeCourse2, game_->mode()) << "the careful pilot crashed twice in course 1";
    const int framesBefore = driver_->frames();
    crashInCourse2(2000);

    EXPECT_EQ(2, ledger(1).crashes());
    EXPECT_EQ(0, game_->player1().lives());
    EXPECT_LT(driver_->frames() - framesBefore, 36 * 30) << "lost before the course's end";
    EXPECT_EQ(game_->score1(), game_->finalScore());
    EXPECT_EQ(ledger(1).total(), game_->score1());
    const bool enters = game_->finalScore() > before.score(4);
    const std::vector<int> lost = {ModeMenu, ModeCutscene0, ModeCourse1, ModeCourse2,
                                   enters ? ModeNameEntry : ModeMenu};
    EXPECT_EQ(lost, driver_->modeSequence());
    if (enters) {
        typeName("lost");
        StoredHighscores after;
        ASSERT_TRUE(after.read(folder_.path()));
        const int entry = after.find("LOST");
        ASSERT_NE(-1, entry);
        EXPECT_EQ(2, after.lives(entry));
        EXPECT_EQ(game_->finalScore(), after.score(entry));
        EXPECT_TRUE(after.wellFormed());
    } else {
        StoredHighscores after;
        ASSERT_TRUE(after.read(folder_.path()));
        EXPECT_EQ(before.bytes(), after.bytes());
    }
    EXPECT_EQ(ModeMenu, game_->mode());
}

TEST_F(GameEndTest, EscapeAbandonsAGameWithoutAnEntry) {
    std::srand(2);
    StoredHighscores before;
    ASSERT_TRUE(before.read(folder_.path()));
    startGame(2, 2);
    escape();
    flyCourse();
    ASSERT_EQ(ModeCourse2, game_->mode());
    idle(100);
    const int better = std::max(game_->score1(), game_->score2());
    EXPECT_GT(better, before.score(4)) << "a score that would have entered the table";
    escape();

    EXPECT_EQ(ModeMenu, game_->mode());
    const std::vector<int> abandoned = {ModeMenu, ModeCutscene0, ModeCourse1, ModeCourse2,
                                        ModeMenu};
    EXPECT_EQ(abandoned, driver_->modeSequence());
    idle(30);
    StoredHighscores after;
    ASSERT_TRUE(after.read(folder_.path()));
    EXPECT_EQ(before.bytes(), after.bytes());

    // The next game starts afresh with the same options.
    startGame(2, 2);
    escape();
    ASSERT_EQ(ModeCourse1, game_->mode());
    EXPECT_EQ(0, game_->score1());
    EXPECT_EQ(0, game_->score2());
    EXPECT_EQ(2, game_->player1().lives());
    EXPECT_EQ(2, game_->player2().lives());
    EXPECT_EQ(0, game_->status2());
}

}  // namespace
