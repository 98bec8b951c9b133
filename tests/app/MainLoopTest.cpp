#include "app/MainLoop.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/StartupSettings.h"
#include "support/GameFixture.h"

namespace {

Uint32 fakeNow = 0;
Uint32 fakeClock() {
    return fakeNow;
}

class MainLoopTest : public GameFixture {
  protected:
    void SetUp() override {
        picture("data/M/m037.obx", 60, 20, 30, 160, 60);
        load();
        // Events an earlier test left queued would be taken first.
        SDL_Event pending;
        while (SDL_PollEvent(&pending) == 1) {
        }
    }

    static SDL_Event keyDown(SDLKey key) {
        SDL_Event event = {};
        event.type = event.key.type = SDL_KEYDOWN;
        event.key.state = SDL_PRESSED;
        event.key.keysym.sym = key;
        return event;
    }

    SoundBank sound;
};

// Of all events only Escape, by the current mode, and closing the window act.
TEST_F(MainLoopTest, EscapeActsByTheCurrentModeAndClosingTheWindowQuits) {
    struct Case {
        int from;
        int to;
    };
    for (const Case& c : {Case{1, 3}, Case{12, 6}, Case{3, 2}, Case{10, 2}}) {
        MainLoop loop(*game, sound, screen.surface());
        game->setMode(c.from);
        loop.handleEvent(keyDown(SDLK_ESCAPE));
        EXPECT_EQ(c.to, game->mode()) << "from " << c.from;
        EXPECT_FALSE(loop.quitRequested());
    }
    MainLoop loop(*game, sound, screen.surface());
    game->setMode(ModeMenu);
    SDL_Event keyUp = keyDown(SDLK_ESCAPE);
    keyUp.type = keyUp.key.type = SDL_KEYUP;
    loop.handleEvent(keyUp);
    loop.handleEvent(keyDown(SDLK_q));
    EXPECT_EQ(ModeMenu, game->mode());
    EXPECT_FALSE(loop.quitRequested());
    loop.handleEvent(keyDown(SDLK_ESCAPE));
    EXPECT_TRUE(loop.quitRequested());
    MainLoop closed(*game, sound, screen.surface());
    game->setMode(ModeCourse2);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    closed.handleEvent(quit);
    EXPECT_TRUE(closed.quitRequested());
}

TEST_F(MainLoopTest, TwoQueuedKeyDownsAreTakenOnTwoPasses) {
    MainLoop loop(*game, sound, screen.surface());
    game->setMode(ModeCutscene0);
    SDL_Event escape = keyDown(SDLK_ESCAPE);
    ASSERT_EQ(0, SDL_PushEvent(&escape));
    ASSERT_EQ(0, SDL_PushEvent(&escape));
    loop.pass();
    EXPECT_EQ(ModeCourse1, game->mode());
    loop.pass();
    EXPECT_EQ(ModeMenu, game->mode());
    EXPECT_FALSE(loop.quitRequested());
}

TEST_F(MainLoopTest, OneLogicFrameAfterMoreThan33MillisecondsAndNoCatchingUp) {
    MainLoop loop(*game, sound, screen.surface());
    EXPECT_FALSE(loop.logicFrameIfDue(33));
    EXPECT_EQ(0, game->frameCounter());
    EXPECT_TRUE(loop.logicFrameIfDue(34));
    EXPECT_EQ(1, game->frameCounter());
    // A window held still for a second: one frame when the loop resumes.
    EXPECT_TRUE(loop.logicFrameIfDue(1034));
    for (Uint32 now = 1034; now <= 1067; ++now) {
        EXPECT_FALSE(loop.logicFrameIfDue(now)) << now;
    }
    EXPECT_TRUE(loop.logicFrameIfDue(1068)) << "34 ms after the last frame, not after 0";
    EXPECT_EQ(3, game->frameCounter());

    // The tick counter wraps after 49 days.
    ASSERT_TRUE(loop.logicFrameIfDue(0xFFFFFFF0u));
    EXPECT_FALSE(loop.logicFrameIfDue(0x00000011u));  // 33 ms later
    EXPECT_TRUE(loop.logicFrameIfDue(0x00000012u));   // 34 ms later
}

TEST_F(MainLoopTest, EveryThirtiethLogicFrameIsAGameSecondAndEachSetsTheMusicVolume) {
    MainLoop loop(*game, sound, screen.surface());
    const int other = game->getMusicVolume() == 3 ? 4 : 3;
    for (int frame = 1; frame <= 60; ++frame) {
        Mix_VolumeMusic(other);
        ASSERT_TRUE(loop.logicFrameIfDue(34u * frame));
        EXPECT_EQ(frame / 30, game->seconds()) << frame;
        EXPECT_EQ(game->getMusicVolume(), Mix_VolumeMusic(-1)) << frame;
    }
    EXPECT_EQ(60, game->frameCounter());
}

TEST_F(MainLoopTest, OnlyALogicFrameDrawsAndAnExposeShowsTheLastPictureAgain) {
    MainLoop loop(*game, sound, screen.surface());
    loop.setClock(&fakeClock);
    game->setMode(ModeCourse1);
    struct Pass {
        Uint32 now;
        bool expose;
        int presents;
        bool drawn;
    };
    for (const Pass& p : {Pass{34, false, 1, true}, Pass{67, false, 1, false},
                          Pass{67, true, 2, false}, Pass{68, false, 3, true}}) {
        screen.fill(0, 0, 0);
        SDL_Event expose = {};
        expose.type = SDL_VIDEOEXPOSE;
        ASSERT_TRUE(!p.expose || SDL_PushEvent(&expose) == 0);
        fakeNow = p.now;
        loop.pass();
        EXPECT_EQ(p.presents, loop.presents()) << p.now;
        EXPECT_EQ(p.drawn, static_cast<bool>(colourAt(20, 20, 30, 160, 60))) << p.now;
    }
    EXPECT_EQ(2, loop.logicFrames());
}

TEST(FramePacerTest, AnIdleWaitTakesFewSleepsAndEndsOnTheDueTick) {
    FramePacer pacer;
    pacer.frameStarted(1000);
    for (Uint32 start = 1000; start < 1034; ++start) {
        Uint32 now = start;
        Uint32 ms = 0;
        int sleeps = 0;
        for (; !pacer.frameDue(now); ++sleeps) {
            ms = pacer.idleMs(now);
            now += ms;
        }
        EXPECT_EQ(1034u, now) << start << ": no sleep carries past the due tick";
        EXPECT_EQ(1u, ms) << start << ": the last millisecond is slept alone";
        EXPECT_LE(sleeps, 3) << start;
    }
}

TEST_F(MainLoopTest, F11SwitchesFullScreenAndKeepsTheChoice) {
    MainLoop loop(*game, sound, screen.surface());
    game->setMode(ModeCourse2);
    for (int fullScreen : {1, 0}) {
        EXPECT_EQ(MainLoop::ShowAgain, loop.handleEvent(keyDown(SDLK_F11)));
        EXPECT_EQ(fullScreen, StartupSettings::readFullScreen(StartupSettings::kStartupFile));
    }
    EXPECT_EQ(ModeCourse2, game->mode());
    // A start-up file that cannot be written does not undo the switch.
    std::filesystem::remove(StartupSettings::kStartupFile);
    std::filesystem::create_directory(StartupSettings::kStartupFile);
    EXPECT_EQ(MainLoop::ShowAgain, loop.handleEvent(keyDown(SDLK_F11)));
    std::filesystem::remove(StartupSettings::kStartupFile);
    MainLoop noScreen(*game, sound, nullptr);
    EXPECT_EQ(MainLoop::Handled, noScreen.handleEvent(keyDown(SDLK_F11)));
    EXPECT_FALSE(std::filesystem::exists(StartupSettings::kStartupFile));
}

TEST_F(MainLoopTest, APadStandsInForKeysAndItsBackForEscape) {
    MainLoop loop(*game, sound, screen.surface());
    PadState pad;
    pad.buttons[Gamepads::DpadDown] = 1;
    loop.gamepads().setPad(0, pad);
    ASSERT_TRUE(loop.logicFrameIfDue(34));
    EXPECT_EQ(1, game->menu().cursor());
    game->setMode(ModeCutscene0);
    pad.buttons[Gamepads::ButtonBack] = 1;
    loop.gamepads().setPad(1, pad);
    ASSERT_TRUE(loop.logicFrameIfDue(68));
    EXPECT_EQ(ModeCourse1, game->mode());
    // Up from the first item is Quit; A chooses it and the program ends.
    game->setMode(ModeMenu);
    PadState choose;
    choose.buttons[Gamepads::DpadUp] = 1;
    loop.gamepads().setPad(0, choose);
    loop.gamepads().setPad(1, PadState());
    ASSERT_TRUE(loop.logicFrameIfDue(102));
    choose.buttons[Gamepads::DpadUp] = 0;
    choose.buttons[Gamepads::ButtonA] = 1;
    loop.gamepads().setPad(0, choose);
    ASSERT_TRUE(loop.logicFrameIfDue(136));
    EXPECT_TRUE(loop.quitRequested());
}

// The options of the last run are in place before the first frame.
TEST_F(MainLoopTest, RunStartsWithTheRememberedOptions) {
    std::filesystem::create_directories(folder.file("data"));
    std::ofstream(folder.file(kOptionsPath)) << "players 2\nvolume 64\nlives 5";
    SDL_Event event = {};
    event.type = SDL_QUIT;
    ASSERT_EQ(0, SDL_PushEvent(&event));
    MainLoop loop(*game, sound, screen.surface());
    loop.run();
    EXPECT_EQ((MenuOptions{64, 5, 2}), game->menu().options());
}

}  // namespace
