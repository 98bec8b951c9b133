#include "game/CourseRules.h"

#include <gtest/gtest.h>

#include <string>

#include "support/HeldKeys.h"

namespace {

// Records the calls of the stand-ins in the order they happen, with the
// values they were given.
struct CallLog {
    std::string text;
    void add(const std::string& call) { text += (text.empty() ? "" : " ") + call; }
    void add(const std::string& call, int value) { add(call + std::to_string(value)); }
};

struct FakeCraft {
    FakeCraft(CallLog& l, const std::string& n) : log(l), name(n) {}
    CallLog& log;
    std::string name;
    int inputResult = 1;
    bool flying = true;
    Position where{100.0f, 200.0f};

    void start(int c, int playerCount = 1) {
        log.add(name + ".start" + std::to_string(c) + "/" + std::to_string(playerCount));
    }
    void setLives(int n) { log.add(name + ".lives", n); }
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
    void setFinishFrame(int frame) { log.add(name + ".finish", frame); }
    void setCourse(int c) { log.add(name + ".course", c); }
    void bounce() { log.add(name + ".bounce"); }
    void hit(int drift) { log.add(name + ".hit", drift); }
    void draw() { log.add(name + ".draw"); }
};

struct FakeHost {
    CallLog& log;
    void setMode(int mode) { log.add("setMode", mode); }
    void gameOver() { log.add("gameOver"); }
    void drawHud() { log.add("hud"); }
    void drawBanner(int course) { log.add("banner", course); }
};

// What every course offers the rules.
struct FakeCourse {
    explicit FakeCourse(CallLog& l) : log(l) {}
    CallLog& log;
    int result1 = -1;
    int result2 = -1;
    bool sawCanCollide1 = false;
    bool sawCanCollide2 = false;

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
    void draw() { log.add("field"); }
};

// Courses 1 to 3.
struct FakeRace : FakeCourse {
    using FakeCourse::FakeCourse;
    bool playing = true;
    int progressValue = -1;

    bool isPlaying() const { return playing; }
    Position steerOutro(float x, float y) { return Position{x + 10.0f, y - 5.0f}; }
    int progress() const { return progressValue; }
    int takeSoundEvent() { return 12; }
};

// Course 2 draws its floor and popups over the crafts.
struct FakeFloorRace : FakeRace {
    using FakeRace::FakeRace;
    void drawFloor() { log.add("floor"); }
    void drawPopups() { log.add("popups"); }
};

struct FakeBoss : FakeCourse {
    using FakeCourse::FakeCourse;
    bool bossFight = false;
    bool finished = false;
    int bounces[2] = {0, 0};  // what the two takeBounce calls of a frame hand out
    int bounceCalls = 0;

    bool inBossFight() const { return bossFight; }
    int takeBounce() { return bounceCalls < 2 ? bounces[bounceCalls++] : 0; }
    bool isFinished() const { return finished; }
    int takeSoundEvent() { return 15; }
    void drawFade() { log.add("fade"); }
};

class CourseRulesTest : public ::testing::Test {
  protected:
    CourseRules<FakeHost, FakeCraft> rules() {
        return CourseRules<FakeHost, FakeCraft>(
            host, Crew<FakeCraft>{p1, p2, playerCount, status1, status2, score1, score2});
    }
    // The calls logged since the last look.
    std::string calls() {
        std::string text;
        text.swap(log.text);
        return text;
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

TEST_F(CourseRulesTest, OnePlayerFrameMovesTheCraftThenScoresItAloneAndTheLastLifeEndsTheGame) {
    FakeRace course{log};
    course.result1 = 1015;
    course.result2 = 1100;
    EXPECT_EQ(12, rules().raceFrame(course, keys.keys(), ModeCourse2));
    EXPECT_EQ("p1.input update1", calls());
    EXPECT_EQ(15, score1);
    EXPECT_EQ(0, score2);

    p1.inputResult = -1;
    EXPECT_EQ(12, rules().raceFrame(course, keys.keys(), ModeCourse2));
    EXPECT_EQ("p1.input gameOver update1", calls()) << "the frame goes on";
    EXPECT_EQ(0, status1) << "a one-player game keeps no status";
}

TEST_F(CourseRulesTest, TwoPlayersPlayOnUntilBothAreOut) {
    playerCount = 2;
    FakeRace course{log};
    p1.inputResult = -1;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p1.input p2.input update1 update2", calls());
    EXPECT_EQ(-1, status1);
    EXPECT_EQ(1, status2);

    p1.flying = false;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p2.input update1 update2", calls())
        << "the out player gets no keys, but both course updates run";
    EXPECT_FALSE(course.sawCanCollide1);
    EXPECT_TRUE(course.sawCanCollide2);

    p2.inputResult = -1;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p2.input gameOver update1 update2", calls());
}

TEST_F(CourseRulesTest, EachResultGoesToItsOwnPlayer) {
    playerCount = 2;
    FakeRace course{log};
    score1 = 31;
    score2 = 40;
    course.result1 = 500;
    course.result2 = 2000;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p1.input p2.input update1 p1.hit500 update2", calls());
    EXPECT_EQ(1, score1);
    EXPECT_EQ(80, score2);

    course.result1 = 0;
    course.result2 = -1;
    rules().raceFrame(course, keys.keys(), ModeCourse2);
    EXPECT_EQ("p1.input p2.input update1 update2", calls()) << "0 is no hit outside course 4";
    EXPECT_EQ(1, score1);
}

TEST_F(CourseRulesTest, EndSequenceSteersTheCraftsInPlayThenStartsTheNextMode) {
    playerCount = 2;
    FakeRace course{log};
    course.playing = false;
    course.progressValue = 3;
    rules().raceFrame(course, keys.keys(), ModeCutscene1);
    EXPECT_EQ("p1.steer p1.finish3 p2.steer p2.finish3 update1 update2", calls());
    EXPECT_FLOAT_EQ(110.0f, p1.where.x);
    EXPECT_FLOAT_EQ(195.0f, p1.where.y);

    status1 = -1;
    rules().raceFrame(course, keys.keys(), ModeCutscene1);
    EXPECT_EQ("p2.steer p2.finish3 update1 update2", calls()) << "an out craft is not steered";

    status1 = 1;
    course.progressValue = 100;
    EXPECT_EQ(-1, rules().raceFrame(course, keys.keys(), ModeCutscene1));
    EXPECT_EQ("p1.steer p1.finish100 setMode12", calls()) << "the next mode starts at once";

    playerCount = 1;
    EXPECT_EQ(-1, rules().raceFrame(course, keys.keys(), ModeCourse3));
    EXPECT_EQ("p1.steer p1.finish100 setMode5", calls());
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
    // Bubbles in the boss chamber, but not for a player who is out.
    EXPECT_EQ("p1.course5 p1.input update1 p1.hit0 p1.bounce update2", calls());
    EXPECT_EQ(50, score1) << "a hit with no drift costs nothing";

    course.bounceCalls = 0;
    course.bounces[0] = 0;
    course.bounces[1] = 1;
    course.finished = true;
    rules().bossFrame(course, keys.keys());
    EXPECT_EQ("p1.course5 p1.input update1 p1.hit0 setMode7 update2 p2.bounce setMode7", calls());

    // One player: no bubbles before the boss fight, and player 2 is left alone.
    playerCount = 1;
    course.bossFight = false;
    course.result1 = -1;
    course.result2 = 500;
    p1.inputResult = -1;
    rules().bossFrame(course, keys.keys());
    EXPECT_EQ("p1.input gameOver update1 setMode7", calls());
}

TEST_F(CourseRulesTest, NewGameAndNextCourse) {
    rules().startGame(3);
    EXPECT_EQ("p1.start1/1 p1.lives3", calls());

    playerCount = 2;
    score1 = 70;
    score2 = 80;
    status1 = status2 = -1;
    rules().startGame(4);
    EXPECT_EQ("p1.start1/2 p1.lives4 p2.start1/1 p2.lives4", calls());
    EXPECT_EQ(0, score1);
    EXPECT_EQ(0, score2);
    EXPECT_EQ(0, status1);
    EXPECT_EQ(0, status2);

    score1 = 120;
    status2 = -1;
    rules().enterCourse(3);
    EXPECT_EQ("p1.start3/2", calls()) << "lives carry over; a player who is out stays out";
    EXPECT_EQ(120, score1);
}

TEST_F(CourseRulesTest, DrawingOrderOfEachKindOfCourse) {
    playerCount = 2;
    FakeRace plain{log};
    rules().draw(plain, 1);
    EXPECT_EQ("field p1.draw p2.draw hud banner1", calls());

    FakeFloorRace water{log};
    rules().draw(water, 2);
    EXPECT_EQ("field p1.draw p2.draw floor popups hud banner2", calls());

    FakeBoss boss{log};
    status1 = -1;
    rules().draw(boss, 4);
    EXPECT_EQ("field p2.draw hud banner4 fade", calls()) << "an out craft is not drawn";

    playerCount = 1;
    status1 = 0;
    rules().draw(plain, 3);
    EXPECT_EQ("field p1.draw hud banner3", calls());
}

}  // namespace
