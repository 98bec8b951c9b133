#include "frontend/Menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "highscore/HighscoreFile.h"
#include "support/HeadlessScreen.h"
#include "support/HeldKeys.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

namespace {

// Every picture the menu draws, each a small square of its own colour.
const char* const kMenuFiles[] = {
    "MU/mu002", "MU/mu003", "MU/mu004", "MU/mu005", "MU/mu006", "MU/mu007", "MU/mu008",
    "MU/mu009", "MU/mu010", "MU/mu011", "MU/mu012", "MU/mu013", "MU/mu014", "MU/mu015",
    "MU/mu020", "MU/mu021", "MU/mu022", "MU/mu023", "MU/mu024", "MU/mu025", "MU/mu026",
    "MU/mu027", "MU/mu029", "MU/mu030", "MU/mu031", "MU/mu032", "MU/mu033", "MU/mu001",
    "MU/1p",    "MU/1pw",   "MU/2p",    "MU/2pw",   "M2/m201"};

class MenuTest : public ::testing::Test {
  protected:
    MenuTest() {
        std::filesystem::create_directories(folder.file("data/M"));
        int index = 0;
        for (const char* name : kMenuFiles) {
            addPicture(name, index++);
        }
        char name[16];
        for (int i = 1; i <= 36; ++i) {
            std::snprintf(name, sizeof name, "H/h%03d", i);
            addPicture(name, index++);
        }
        menu.loadImages(screen.surface());
        menu.enter(1);
    }

    void addPicture(const std::string& name, int index) {
        const TestRgb colour{static_cast<std::uint8_t>(20 + 3 * index),
                             static_cast<std::uint8_t>(250 - 2 * index), 90};
        colours[name] = colour;
        ASSERT_TRUE(writeSolidPicture(folder.file("data/" + name + ".obx"), 6, 6, colour));
    }

    int frame(std::initializer_list<int> held) { return menu.handleInput(HeldKeys(held).keys()); }
    int press(int key) {
        const int result = frame({key});
        frame({});
        return result;
    }
    void openOptions() {
        press(SDLK_DOWN);
        frame({});
        ASSERT_EQ(-1, press(SDLK_RETURN));
        ASSERT_EQ(OptionsPage, menu.page());
    }
    void render() {
        screen.fill(0, 0, 0);
        menu.draw();
    }
    // True when the picture's colour ("" for black) is on the screen at (x, y).
    bool drawnAt(const std::string& name, int x, int y) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        const TestRgb c = name.empty() ? TestRgb{0, 0, 0} : colours.at(name);
        return r == c.r && g == c.g && b == c.b;
    }
    struct Spot {
        const char* picture;
        int x;
        int y;
    };
    void expectScreen(std::initializer_list<Spot> spots) const {
        for (const Spot& s : spots) {
            EXPECT_TRUE(drawnAt(s.picture, s.x, s.y))
                << '"' << s.picture << "\" at " << s.x << "," << s.y;
        }
    }

    TempFolder folder;
    WorkingDirectory inside{folder.path()};
    HeadlessScreen screen;
    Menu menu;
    std::map<std::string, TestRgb> colours;
};

TEST_F(MenuTest, EnteringQueuesTitleMusicOnceAndIgnoresAReturnStillHeld) {
    EXPECT_EQ(0, menu.takeSoundEvent());
    EXPECT_EQ(-1, menu.takeSoundEvent());
    EXPECT_EQ(-1, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, frame({}));
    EXPECT_EQ(1000, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, menu.takeSoundEvent());
}

TEST_F(MenuTest, MainListMovesOncePerPressAndWrapsBothWays) {
    for (int i = 0; i < 5; ++i) {
        frame({SDLK_DOWN});
    }
    EXPECT_EQ(1, menu.cursor());
    frame({});
    const int steps[][2] = {{SDLK_RIGHT, 2}, {'s', 3}, {'d', 4}, {SDLK_DOWN, 0},
                            {SDLK_UP, 4},    {'w', 3}, {'a', 2}, {SDLK_LEFT, 1}};
    for (const auto& step : steps) {
        press(step[0]);
        EXPECT_EQ(step[1], menu.cursor()) << "after key " << step[0];
    }
    // Keys of one latch held together still act once.
    frame({SDLK_DOWN, 's'});
    frame({SDLK_RIGHT});
    EXPECT_EQ(2, menu.cursor());
}

TEST_F(MenuTest, OptionsRunDownFromBackToVolumeAndReturnToOptionsItem) {
    openOptions();
    EXPECT_EQ(0, menu.cursor());
    press(SDLK_DOWN);
    EXPECT_EQ(3, menu.cursor());
    press(SDLK_UP);
    EXPECT_EQ(0, menu.cursor());
    press('w');
    EXPECT_EQ(1, menu.cursor());
    press(SDLK_RETURN);
    EXPECT_EQ(OptionsPage, menu.page()) << "only back leaves the page";
    press('s');
    EXPECT_EQ(0, menu.cursor());
    press(SDLK_RETURN);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(1, menu.cursor());
}

TEST_F(MenuTest, StartingLivesChangeOncePerPressBetweenOneAndEight) {
    openOptions();
    press(SDLK_UP);
    press(SDLK_UP);
    ASSERT_EQ(2, menu.cursor());
    EXPECT_EQ(3, menu.startingLives());
    for (int i = 0; i < 10; ++i) {
        frame({SDLK_RIGHT});
    }
    EXPECT_EQ(4, menu.startingLives());
    for (int i = 0; i < 10; ++i) {
        press(i % 2 ? int{SDLK_RIGHT} : 'd');
    }
    EXPECT_EQ(8, menu.startingLives());
    for (int i = 0; i < 10; ++i) {
        press(i % 2 ? int{SDLK_LEFT} : 'a');
    }
    EXPECT_EQ(1, menu.startingLives());
    EXPECT_EQ(1, menu.playerCount()) << "players change only on their own item";
}

TEST_F(MenuTest, VolumeRepeatsEveryFrameAndMovesTheKnob) {
    EXPECT_EQ(128, menu.musicVolume());
    EXPECT_EQ(632, menu.knobX());
    openOptions();
    press(SDLK_DOWN);
    ASSERT_EQ(3, menu.cursor());
    // Held keys repeat: key, frames held, then volume and knob.
    const int steps[][4] = {{SDLK_LEFT, 32, 0, 470},
                            {'a', 1, 0, 470},
                            {SDLK_RIGHT, 1, 4, 475},  // 1.265625 x 4 + 470, truncated
                            {'d', 15, 64, 551},
                            {SDLK_RIGHT, 24, 128, 632}};
    for (const auto& step : steps) {
        for (int i = 0; i < step[1]; ++i) {
            frame({step[0]});
        }
        EXPECT_EQ(static_cast<float>(step[2]), menu.volume()) << "after key " << step[0];
        EXPECT_EQ(step[2], menu.musicVolume()) << "after key " << step[0];
        EXPECT_EQ(step[3], menu.knobX()) << "after key " << step[0];
    }
    // At the top, Right cannot act, so a Left held with it does.
    frame({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(124, menu.musicVolume());
    frame({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(128, menu.musicVolume());
}

TEST_F(MenuTest, PlayersFollowRightAndLeftWithLeftWinning) {
    openOptions();
    press(SDLK_UP);
    ASSERT_EQ(1, menu.cursor());
    frame({SDLK_RIGHT});
    EXPECT_EQ(2, menu.playerCount());
    frame({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(1, menu.playerCount());
    frame({'d'});
    EXPECT_EQ(2, menu.playerCount());
    frame({'a', 'd'});
    EXPECT_EQ(1, menu.playerCount());
    EXPECT_EQ(3, menu.startingLives());
}

TEST_F(MenuTest, ListPagesReturnToTheItemThatOpenedThem) {
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    frame({SDLK_RETURN});
    EXPECT_EQ(HighscorePage, menu.page());
    frame({SDLK_RETURN});
    EXPECT_EQ(HighscorePage, menu.page()) << "the press that opened it does not close it";
    frame({SDLK_DOWN});
    press(SDLK_RETURN);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(2, menu.cursor());

    press(SDLK_DOWN);
    press(SDLK_RETURN);
    EXPECT_EQ(InfoPage, menu.page());
    press(SDLK_RETURN);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(3, menu.cursor());
}

TEST_F(MenuTest, QuitItemQueuesTheQuitEvent) {
    menu.takeSoundEvent();
    press(SDLK_UP);
    EXPECT_EQ(-1, press(SDLK_RETURN));
    EXPECT_EQ(5000, menu.takeSoundEvent());
    EXPECT_EQ(-1, menu.takeSoundEvent());
}

TEST_F(MenuTest, SettingsOutliveEnterWhilePageAndCursorRestart) {
    openOptions();
    press(SDLK_UP);
    press(SDLK_UP);
    press(SDLK_RIGHT);
    press(SDLK_UP);
    frame({SDLK_LEFT});
    menu.enter(2);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(0, menu.cursor());
    EXPECT_EQ(2, menu.playerCount());
    EXPECT_EQ(4, menu.startingLives());
    EXPECT_EQ(124, menu.musicVolume());
}

TEST_F(MenuTest, MainPageDrawsTheSelectedPictureOfTheCursorItem) {
    render();
    expectScreen({{"MU/mu002", 0, 0}, {"MU/mu004", 12, 200}, {"MU/mu005", 140, 219}});
    expectScreen({{"MU/mu009", 230, 255}, {"MU/mu007", 318, 344}, {"MU/mu011", 373, 470}});
    press(SDLK_UP);
    press(SDLK_UP);
    render();
    expectScreen({{"MU/mu003", 12, 200}, {"MU/mu008", 318, 344}, {"MU/mu011", 373, 470}});
}

TEST_F(MenuTest, OptionsPageDrawsItsItemsKnobLivesAndPlayers) {
    openOptions();
    render();
    expectScreen({{"MU/mu013", 457, 299}, {"MU/mu015", 464, 350}, {"MU/mu020", 464, 374}});
    expectScreen({{"MU/mu021", 632, 380}, {"MU/mu023", 464, 420}, {"MU/mu001", 464 + 35 * 2, 442}});
    expectScreen({{"", 464 + 35 * 3, 442}, {"MU/mu024", 464, 565}, {"MU/1p", 454, 493}});
    expectScreen({{"", 510, 493}, {"MU/mu001", 464, 500}, {"MU/mu001", 520, 500}});
    expectScreen({{"M2/m201", 550, 500}});

    press(SDLK_UP);
    frame({SDLK_RIGHT});
    render();
    expectScreen({{"MU/2pw", 510, 493}, {"", 454, 493}, {"MU/mu025", 464, 565}});
    press(SDLK_UP);
    press(SDLK_UP);
    frame({SDLK_LEFT});
    render();
    expectScreen({{"MU/mu014", 464, 350}, {"MU/mu023", 464, 420}, {"MU/mu021", 626, 380}});
    expectScreen({{"MU/2p", 510, 493}});
}

TEST_F(MenuTest, HighscorePageSpellsTheTableWithLettersAndDigits) {
    HighscoreTable table = HighscoreTable::defaults();
    table.setSlot(HighscoreTable::nameSlot(4), "A b-Z");
    table.setNumber(HighscoreTable::livesSlot(4), 12);
    table.updateChecksum();
    saveHighscoreTable(table);
    menu.enter(1);
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    press(SDLK_RETURN);
    render();
    expectScreen({{"MU/mu026", 454, 270}, {"MU/mu027", 444, 355}, {"MU/mu025", 450, 540}});
    expectScreen({{"MU/mu029", 480, 330}, {"MU/mu030", 630, 330}, {"MU/mu031", 730, 330}});
    // Entry 1: "ZOK", lives 5, score 500. Z is h026, O h015, K h011, digit d h027 + d.
    expectScreen({{"H/h026", 483, 363}, {"H/h015", 483 + 13, 363}, {"H/h011", 483 + 26, 363}});
    expectScreen({{"H/h032", 750, 363}, {"H/h032", 635, 363}, {"H/h027", 635 + 26, 363}});
    // Entry 5 on row 507: anything but a capital or a digit leaves a gap.
    expectScreen({{"H/h001", 483, 507}, {"", 483 + 13, 507}, {"", 483 + 26, 507}});
    expectScreen({{"", 483 + 39, 507}, {"H/h026", 483 + 52, 507}, {"H/h028", 750, 507}});
    expectScreen({{"H/h029", 750 + 13, 507}, {"H/h028", 635, 507}});
}

TEST_F(MenuTest, WithoutAHighscoreFileTheListHasFiveEmptyRows) {
    for (int entry = 0; entry < HighscoreTable::kEntries; ++entry) {
        EXPECT_STREQ("", menu.table().slot(HighscoreTable::nameSlot(entry)));
    }
    press(SDLK_DOWN);
    press(SDLK_DOWN);
    press(SDLK_RETURN);
    render();
    for (int row = 0; row < 5; ++row) {
        for (int x : {483, 635, 750}) {
            EXPECT_TRUE(drawnAt("", x, 363 + 36 * row)) << x << ", row " << row;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file(kHighscorePath)));
}

TEST_F(MenuTest, InformationPageDrawsItsPicturesAndBack) {
    press(SDLK_UP);
    press(SDLK_UP);
    press(SDLK_RETURN);
    render();
    expectScreen({{"MU/mu032", 457, 299}, {"MU/mu033", 456, 356}, {"MU/mu025", 450, 540}});
    EXPECT_TRUE(drawnAt("", 12, 200)) << "the main list is not drawn";
}

}  // namespace
