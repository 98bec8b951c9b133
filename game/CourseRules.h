#pragma once

#include "game/ScoreRules.h"
#include "game/Types.h"

// The crafts and standings of a running game, borrowed from the Game.
template <class Craft>
struct Crew {
    Craft& player1;
    Craft& player2;
    int playerCount;
    int& status1;
    int& status2;
    int& score1;
    int& score2;
};

// The rules of a running game that join a course and the crafts: starting a
// game and a course, one course frame, and the drawing order of a course
// frame. They are written over the host (the Game, which offers setMode,
// gameOver, drawHud and drawBanner), the course and the craft, so that tests
// can run them with stand-ins.
template <class Host, class Craft>
class CourseRules {
  public:
    static constexpr int kOut = -1;
    static constexpr int kCourseOver = 100;
    // The course number that makes the crafts trail bubbles in the boss chamber.
    static constexpr int kBubbleTrail = 5;

    CourseRules(Host& host, Crew<Craft> crew) : host_(host), crew_(crew) {}

    // A new game: both scores 0, each craft at course 1's start with the
    // starting lives.
    void startGame(int startingLives) {
        crew_.score1 = 0;
        crew_.score2 = 0;
        crew_.player1.start(1, crew_.playerCount);
        crew_.player1.setLives(startingLives);
        crew_.status1 = 0;
        if (twoPlayers()) {
            crew_.status2 = 0;
            crew_.player2.start(1);
            crew_.player2.setLives(startingLives);
        }
    }

    // The next course: scores and lives carry over, a player who is out
    // stays out.
    void enterCourse(int course) {
        if (crew_.status1 != kOut) {
            crew_.player1.start(course, crew_.playerCount);
        }
        if (twoPlayers() && crew_.status2 != kOut) {
            crew_.player2.start(course);
        }
    }

    // One frame of course 1, 2 or 3. nextMode follows when the course is over.
    template <class Course>
    int raceFrame(Course& course, KeyState keys, int nextMode) {
        if (course.isPlaying()) {
            takeControls(keys);
        } else if (steerOutro(course, nextMode)) {
            return kNoSound;
        }
        const Position p1 = crew_.player1.position();
        ScoreRules::apply(course.updatePlayer1(p1.x, p1.y, crew_.player1.isFlying()), false,
                          crew_.score1, crew_.player1);
        if (twoPlayers()) {
            const Position p2 = crew_.player2.position();
            ScoreRules::apply(course.updatePlayer2(p2.x, p2.y, crew_.player2.isFlying()), false,
                              crew_.score2, crew_.player2);
        }
        return course.takeSoundEvent();
    }

    // One frame of course 4: the players steer throughout; the course ends
    // when it says it is finished.
    template <class Course>
    int bossFrame(Course& course, KeyState keys) {
        if (course.inBossFight()) {
            if (crew_.status1 != kOut) {
                crew_.player1.setCourse(kBubbleTrail);
            }
            if (twoPlayers() && crew_.status2 != kOut) {
                crew_.player2.setCourse(kBubbleTrail);
            }
        }
        takeControls(keys);
        bossUpdate(course, crew_.player1, crew_.score1, true);
        if (twoPlayers()) {
            bossUpdate(course, crew_.player2, crew_.score2, false);
        }
        return course.takeSoundEvent();
    }

    // The course's field, the crafts still in play, whatever the course
    // draws over the crafts, the HUD, the banner, and the course's overlay.
    template <class Course>
    void draw(Course& course, int courseNumber) {
        course.draw();
        if (crew_.status1 != kOut) {
            crew_.player1.draw();
        }
        if (twoPlayers() && crew_.status2 != kOut) {
            crew_.player2.draw();
        }
        drawOverCrafts(course, 0);
        host_.drawHud();
        host_.drawBanner(courseNumber);
        drawOverEverything(course, 0);
    }

  private:
    bool twoPlayers() const { return crew_.playerCount == 2; }

    void takeControls(KeyState keys) {
        if (!twoPlayers()) {
            if (crew_.player1.updateInput(keys) == kOut) {
                host_.gameOver();
            }
            return;
        }
        if (crew_.status1 != kOut) {
            crew_.status1 = crew_.player1.updateInput(keys);
        }
        if (crew_.status2 != kOut) {
            crew_.status2 = crew_.player2.updateInput(keys);
        }
        if (crew_.status1 == kOut && crew_.status2 == kOut) {
            host_.gameOver();
        }
    }

    // True when the course reported its end and the next mode has begun.
    template <class Course>
    bool steerOutro(Course& course, int nextMode) {
        if (crew_.status1 != kOut && steerCraft(course, crew_.player1, nextMode)) {
            return true;
        }
        return twoPlayers() && crew_.status2 != kOut && steerCraft(course, crew_.player2, nextMode);
    }

    template <class Course>
    bool steerCraft(Course& course, Craft& craft, int nextMode) {
        const Position from = craft.position();
        const Position to = course.steerOutro(from.x, from.y);
        const int frame = course.progress();
        craft.steerTo(to.x, to.y);
        craft.setFinishFrame(frame);
        if (frame == kCourseOver) {
            host_.setMode(nextMode);
            return true;
        }
        return false;
    }

    template <class Course>
    void bossUpdate(Course& course, Craft& craft, int& score, bool first) {
        const Position p = craft.position();
        const int result = first ? course.updatePlayer1(p.x, p.y, craft.isFlying())
                                 : course.updatePlayer2(p.x, p.y, craft.isFlying());
        ScoreRules::apply(result, true, score, craft);
        if (course.takeBounce() == 1) {
            craft.bounce();
        }
        if (course.isFinished()) {
            host_.setMode(ModeCutscene2);
        }
    }

    // Course 2 draws its floor and its score popups over the crafts; course 4
    // lays its fade over everything. Other courses have neither.
    template <class Course>
    static auto drawOverCrafts(Course& course, int) -> decltype(course.drawFloor(), void()) {
        course.drawFloor();
        course.drawPopups();
    }
    template <class Course>
    static void drawOverCrafts(Course&, long) {}
    template <class Course>
    static auto drawOverEverything(Course& course, int) -> decltype(course.drawFade(), void()) {
        course.drawFade();
    }
    template <class Course>
    static void drawOverEverything(Course&, long) {}

    Host& host_;
    Crew<Craft> crew_;
};
