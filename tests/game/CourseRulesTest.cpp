#include "game/CourseRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HeldKeys.h"

namespace {

// Records the calls of the stand-ins in the order they happen.
struct CallLog {
    std::string text;
    void add(const std::string& call) { text += (text.empty() ? "" : " ") + call; }
};

struct FakeCraft {
    FakeCraft(CallLog& l, const std::string& n) : log(l), name(n) {}
    CallLog& log;
    std::string name;
    int inputResult = 1;
    bool flying = true;
    Position where{100.0f, 200.0f};
    int started = 0;  // the course of the last start, 0 for none
    int startedPlayerCount = 0;
    int lives = 0;
    int course = 0;
    int finishFrame = -99;
    int bounces = 0;
    std::vector<int> hits;

    void start(int c, int playerCount = 1) {
        started = c;
        startedPlayerCount = playerCount;
    }
    void setLives(int n) { lives = n; }
    int updateInput(KeyState) {
        log.add(name + ".input");
        return inputResult;
    }
    Position position() const { return where; }
    bool isFlying() const { return flying; }
    void steerTo(float x, float y) {
        log.add(name + ".steer");
        where = Position{x, y};
    }
    void setFinishFrame(int frame) { finishFrame = frame; }
    void setCourse(int c) { course = c; }
    void bounce() { ++bounces; }
    void hit(int drift) { hits.push_back(drift); }
    void draw() { log.add(name + ".draw"); }
};

struct FakeHost {
    explicit FakeHost(CallLog& l) : log(l) {}
    CallLog& log;
    std::vector<int> modes;
    int gameOvers = 0;
    void setMode(int mode) {
        log.add("setMode" + std::to_string(mode));
        modes.push_back(mode);
    }
    void gameOver() {
        log.add("gameOver");
        ++gameOvers;
    }
    void drawHud() { log.add("hud"); }
    void drawBanner(int course) { log.add("banner" + std::to_string(course)); }
};

// Courses 1 to 3 as the rules see them.
struct FakeRace {
    explicit FakeRace(CallLog& l) : log(l) {}
    CallLog& log;
    bool playing = true;
    int progressValue = -1;
    int result1 = -1;
    int result2 = -1;
    bool sawCanCollide1 = false;
    bool sawCanCollide2 = false;

    bool isPlaying() const { return playing; }
    Position steerOutro(float x, float y) { return Position{x + 10.0f, y - 5.0f}; }
    int progress() const { return progressValue; }
    int updatePlayer1(float, float, bool canCollide) {
        log.add("update1");
        sawCanCollide1 = canCollide;
        return result1;
    }
    int updatePlayer2(float, float, bool canCollide) {
        log.add("update2");
        sawCanCollide2 = canCollide;
        return result2;
    }
    int takeSoundEvent() { return 12; }
    void draw() { log.add("field"); }
};

// Course 2 draws its floor and popups over the crafts.
struct FakeFloorRace : FakeRace {
    using FakeRace::FakeRace;
    void drawFloor() { log.add("floor"); }
    void drawPopups() { log.add("popups"); }
};

struct FakeBoss {
    explicit FakeBoss(CallLog& l) : log(l) {}
    CallLog& log;
    bool bossFight = false;
    bool finished = false;
    int result1 = -1;
    int result2 = -1;
    int bounces[2] = {0, 0};  // what the two takeBounce calls of a frame hand out
    int bounceCalls = 0;

    bool inBossFight() const { return bossFight; }
    int updatePlayer1(float, float, bool) {
        log.add("update1");
        return result1;
    }
    int updatePlayer2(float, float, bool) {
        log.add("update2");
        return result2;
    }
    int takeBounce() { return bounceCalls < 2 ? bounces[bounceCalls++] : 0; }
    bool isFinished() const { return finished; }
    int takeSoundEvent() { return 15; }
    void draw() { log.add("field"); }
    void drawFade() { log.add("fade"); }
};

class CourseRulesTest : public ::testing::Test {
  protected:
    CourseRules<FakeHost, FakeCraft> rules() {
        return CourseRules<FakeHost, FakeCraft>(
            host, Crew<FakeCraft>{p1, p2, playerCount, status1, status2, score1, score2});
    }

    CallLog log;
    FakeHost host{log};
    FakeCraft p1{log, "p1"};
    FakeCraft p2{log, "p2"};
    int playerCount = 1;
    int status1 = 0;
    int status2 = 0;
    int score1 = 0;
    int score2 = 0;
    HeldKeys keys;
};

TEST_F(CourseRulesTest, OnePlayerFrameMovesTheCraftThenScoresItAlone) {
    FakeRace course{log};
    course.result1 = 1015;
    course.result2 = 1100;
    EXPECT_EQ(12, rules().raceFrame(course, keys.keys(), ModeCourse2));
    EXPECT_EQ("p1.input update1", log.text);
    EXPECT_EQ(15, score1);
    EXPECT_EQ(0, score2);
    EXPECT_TRUE(host.modes.empty());
}

TEST_F(CourseRulesTest, OnePlayerLastLifeEndsTheGameAndTheFrameGoesOn) {
    FakeRace course{log};
    p1.inputResult = -1;
    EXPECT_EQ(12, rules().raceFrame(course, keys.keys(), ModeCourse2));
    EXPECT_EQ("p1.input gameOver update1", log.text);
    EXPECT_EQ(0, status1) << "a one-player game keeps no status";
}

TEST_F(CourseRulesTest, TwoPlayersPlayOnUntilBothAreOut) {
    playerCount = 2;
    FakeRace course{log};
    p1.inputResult = -1;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ(-1, status1);
    EXPECT_EQ(1, status2);
    EXPECT_EQ(0, host.gameOvers);

    log.text.clear();
    p1.flying = false;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p2.input update1 update2", log.text)
        << "the out player gets no keys, but both course updates run";
    EXPECT_FALSE(course.sawCanCollide1);
    EXPECT_TRUE(course.sawCanCollide2);

    log.text.clear();
    p2.inputResult = -1;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p2.input gameOver update1 update2", log.text);
    EXPECT_EQ(1, host.gameOvers);
}

TEST_F(CourseRulesTest, EachResultGoesToItsOwnPlayer) {
    playerCount = 2;
    FakeRace course{log};
    score1 = 31;
    score2 = 40;
    course.result1 = 500;
    course.result2 = 2000;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ(1, score1);
    EXPECT_EQ(std::vector<int>{500}, p1.hits);
    EXPECT_EQ(80, score2);
    EXPECT_TRUE(p2.hits.empty());

    course.result1 = 0;
    course.result2 = -1;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ(1, score1);
    EXPECT_EQ(1u, p1.hits.size()) << "0 is no hit outside the boss course";
}

TEST_F(CourseRulesTest, EndSequenceSteersTheCraftsInPlayThenStartsTheNextMode) {
    playerCount = 2;
    FakeRace course{log};
    course.playing = false;
    course.progressValue = 3;
    rules().raceFrame(course, keys.keys(), ModeCutscene1);
    EXPECT_EQ("p1.steer p2.steer update1 update2", log.text);
    EXPECT_FLOAT_EQ(110.0f, p1.where.x);
    EXPECT_FLOAT_EQ(195.0f, p1.where.y);
    EXPECT_EQ(3, p1.finishFrame);
    EXPECT_EQ(3, p2.finishFrame);

    log.text.clear();
    status1 = -1;
    rules().raceFrame(course, keys.keys(), ModeCutscene1);
    EXPECT_EQ("p2.steer update1 update2", log.text) << "an out craft is not steered";

    log.text.clear();
    status1 = 1;
    course.progressValue = 100;
    EXPECT_EQ(-1, rules().raceFrame(course, keys.keys(), ModeCutscene1));
    EXPECT_EQ("p1.steer setMode12", log.text) << "the next mode starts at once";
    EXPECT_EQ(100, p1.finishFrame);
}

TEST_F(CourseRulesTest, OnePlayerEndSequenceSteersPlayerOneOnly) {
    FakeRace course{log};
    course.playing = false;
    course.progressValue = 100;
    EXPECT_EQ(-1, rules().raceFrame(course, keys.keys(), ModeCourse3));
    EXPECT_EQ("p1.steer setMode5", log.text);
}

TEST_F(CourseRulesTest, BossCourseHitsOnZeroBouncesAndFinishes) {
    playerCount = 2;
    FakeBoss course{log};
    course.bossFight = true;
    status2 = -1;
    score1 = 50;
    course.result1 = 0;
    course.bounces[0] = 1;
    EXPECT_EQ(15, rules().bossFrame(course, keys.keys()));
    EXPECT_EQ(5, p1.course) << "bubbles in the boss chamber";
    EXPECT_EQ(0, p2.course) << "not for a player who is out";
    EXPECT_EQ(std::vector<int>{0}, p1.hits);
    EXPECT_EQ(50, score1) << "a hit with no drift costs nothing";
    EXPECT_EQ(1, p1.bounces);
    EXPECT_EQ(0, p2.bounces);
    EXPECT_EQ("p1.input update1 update2", log.text);

    log.text.clear();
    course.bounceCalls = 0;
    course.bounces[0] = 0;
    course.bounces[1] = 1;
    course.finished = true;
    rules().bossFrame(course, keys.keys());
    EXPECT_EQ(1, p2.bounces);
    EXPECT_EQ("p1.input update1 setMode7 update2 setMode7", log.text);
}

TEST_F(CourseRulesTest, OnePlayerBossFrameLeavesPlayerTwoAlone) {
    FakeBoss course{log};
    course.finished = true;
    course.result2 = 500;
    p1.inputResult = -1;
    rules().bossFrame(course, keys.keys());
    EXPECT_EQ("p1.input gameOver update1 setMode7", log.text);
    EXPECT_TRUE(p2.hits.empty());
    EXPECT_EQ(0, p1.course) << "no bubbles before the boss fight";
}

TEST_F(CourseRulesTest, NewGameAndNextCourse) {
    playerCount = 2;
    score1 = 70;
    score2 = 80;
    status1 = status2 = -1;
    rules().startGame(4);
    EXPECT_EQ(0, score1);
    EXPECT_EQ(0, score2);
    EXPECT_EQ(0, status1);
    EXPECT_EQ(0, status2);
    EXPECT_EQ(1, p1.started);
    EXPECT_EQ(2, p1.startedPlayerCount);
    EXPECT_EQ(1, p2.started);
    EXPECT_EQ(4, p1.lives);
    EXPECT_EQ(4, p2.lives);

    score1 = 120;
    status2 = -1;
    p2.lives = 0;
    rules().enterCourse(3);
    EXPECT_EQ(3, p1.started);
    EXPECT_EQ(1, p2.started) << "a player who is out stays out";
    EXPECT_EQ(120, score1);
    EXPECT_EQ(4, p1.lives) << "lives carry over";
    EXPECT_EQ(0, p2.lives);
}

TEST_F(CourseRulesTest, OnePlayerGameStartsOnlyPlayerOne) {
    rules().startGame(3);
    EXPECT_EQ(1, p1.started);
    EXPECT_EQ(1, p1.startedPlayerCount);
    EXPECT_EQ(0, p2.started);
    EXPECT_EQ(0, p2.lives);
}

TEST_F(CourseRulesTest, DrawingOrderOfEachKindOfCourse) {
    playerCount = 2;
    FakeRace plain{log};
    rules().draw(plain, 1);
    EXPECT_EQ("field p1.draw p2.draw hud banner1", log.text);

    log.text.clear();
    FakeFloorRace water{log};
    rules().draw(water, 2);
    EXPECT_EQ("field p1.draw p2.draw floor popups hud banner2", log.text);

    log.text.clear();
    FakeBoss boss{log};
    status1 = -1;
    rules().draw(boss, 4);
    EXPECT_EQ("field p2.draw hud banner4 fade", log.text) << "an out craft is not drawn";

    log.text.clear();
    playerCount = 1;
    status1 = 0;
    rules().draw(plain, 3);
    EXPECT_EQ("field p1.draw hud banner3", log.text);
}

}  // namespace
