#include "frontend/Menu.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <map>
#include <string>

#include "highscore/HighscoreFile.h"
#include "support/HeadlessScreen.h"
#include "support/TempFolder.h"
#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

namespace {

constexpr int kReturn = 13;
constexpr int kUp = 273;
constexpr int kDown = 274;
constexpr int kRight = 275;
constexpr int kLeft = 276;

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

    int frame(std::initializer_list<int> held) {
        keys.fill(0);
        for (int key : held) {
            keys[key] = 1;
        }
        return menu.handleInput(keys.data());
    }
    int press(int key) {
        const int result = frame({key});
        frame({});
        return result;
    }
    void openOptions() {
        press(kDown);
        frame({});
        ASSERT_EQ(-1, press(kReturn));
        ASSERT_EQ(OptionsPage, menu.page());
    }
    void render() {
        screen.fill(0, 0, 0);
        menu.draw();
    }
    // True when the picture's colour is on the screen at (x, y).
    bool drawnAt(const std::string& name, int x, int y) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        const TestRgb c = colours.at(name);
        return r == c.r && g == c.g && b == c.b;
    }
    bool blankAt(int x, int y) const {
        Uint8 r, g, b;
        screen.rgbAt(x, y, r, g, b);
        return r == 0 && g == 0 && b == 0;
    }

    TempFolder folder;
    WorkingDirectory inside{folder.path()};
    HeadlessScreen screen;
    Menu menu;
    std::map<std::string, TestRgb> colours;
    std::array<Uint8, SDLK_LAST> keys{};
};

TEST_F(MenuTest, EnteringQueuesTitleMusicOnceAndIgnoresAReturnStillHeld) {
    EXPECT_EQ(0, menu.takeSoundEvent());
    EXPECT_EQ(-1, menu.takeSoundEvent());
    EXPECT_EQ(-1, frame({kReturn}));
    EXPECT_EQ(-1, frame({kReturn}));
    EXPECT_EQ(-1, frame({}));
    EXPECT_EQ(1000, frame({kReturn}));
    EXPECT_EQ(-1, menu.takeSoundEvent());
}

TEST_F(MenuTest, MainListMovesOncePerPressAndWrapsBothWays) {
    for (int i = 0; i < 5; ++i) {
        frame({kDown});
    }
    EXPECT_EQ(1, menu.cursor());
    frame({});
    press(kRight);
    press('s');
    press('d');
    EXPECT_EQ(4, menu.cursor());
    press(kDown);
    EXPECT_EQ(0, menu.cursor());
    press(kUp);
    EXPECT_EQ(4, menu.cursor());
    press('w');
    press('a');
    press(kLeft);
    EXPECT_EQ(1, menu.cursor());
    // Keys of one latch held together still act once.
    frame({kDown, 's'});
    frame({kRight});
    EXPECT_EQ(2, menu.cursor());
}

TEST_F(MenuTest, OptionsRunDownFromBackToVolumeAndReturnToOptionsItem) {
    openOptions();
    EXPECT_EQ(0, menu.cursor());
    press(kDown);
    EXPECT_EQ(3, menu.cursor());
    press(kUp);
    EXPECT_EQ(0, menu.cursor());
    press('w');
    EXPECT_EQ(1, menu.cursor());
    press(kReturn);
    EXPECT_EQ(OptionsPage, menu.page()) << "only back leaves the page";
    press('s');
    EXPECT_EQ(0, menu.cursor());
    press(kReturn);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(1, menu.cursor());
}

TEST_F(MenuTest, StartingLivesChangeOncePerPressBetweenOneAndEight) {
    openOptions();
    press(kUp);
    press(kUp);
    ASSERT_EQ(2, menu.cursor());
    EXPECT_EQ(3, menu.startingLives());
    for (int i = 0; i < 10; ++i) {
        frame({kRight});
    }
    EXPECT_EQ(4, menu.startingLives());
    for (int i = 0; i < 10; ++i) {
        press(i % 2 ? kRight : 'd');
    }
    EXPECT_EQ(8, menu.startingLives());
    for (int i = 0; i < 10; ++i) {
        press(i % 2 ? kLeft : 'a');
    }
    EXPECT_EQ(1, menu.startingLives());
    EXPECT_EQ(1, menu.playerCount()) << "players change only on their own item";
}

TEST_F(MenuTest, VolumeRepeatsEveryFrameAndMovesTheKnob) {
    EXPECT_EQ(128, menu.musicVolume());
    EXPECT_EQ(632, menu.knobX());
    openOptions();
    press(kDown);
    ASSERT_EQ(3, menu.cursor());
    for (int i = 0; i < 32; ++i) {
        frame({kLeft});
    }
    EXPECT_EQ(0, menu.musicVolume());
    EXPECT_EQ(470, menu.knobX());
    frame({'a'});
    EXPECT_EQ(0.0f, menu.volume());

    frame({kRight});
    EXPECT_EQ(4, menu.musicVolume());
    EXPECT_EQ(475, menu.knobX()) << "1.265625 x 4 + 470, truncated";
    for (int i = 1; i < 16; ++i) {
        frame({'d'});
    }
    EXPECT_EQ(64, menu.musicVolume());
    EXPECT_EQ(551, menu.knobX());
    for (int i = 16; i < 40; ++i) {
        frame({kRight});
    }
    EXPECT_EQ(128, menu.musicVolume());
    EXPECT_EQ(632, menu.knobX());
    // At the top, Right cannot act, so a Left held with it does.
    frame({kLeft, kRight});
    EXPECT_EQ(124, menu.musicVolume());
    frame({kLeft, kRight});
    EXPECT_EQ(128, menu.musicVolume());
}

TEST_F(MenuTest, PlayersFollowRightAndLeftWithLeftWinning) {
    openOptions();
    press(kUp);
    ASSERT_EQ(1, menu.cursor());
    frame({kRight});
    EXPECT_EQ(2, menu.playerCount());
    frame({kLeft, kRight});
    EXPECT_EQ(1, menu.playerCount());
    frame({'d'});
    EXPECT_EQ(2, menu.playerCount());
    frame({'a', 'd'});
    EXPECT_EQ(1, menu.playerCount());
    EXPECT_EQ(3, menu.startingLives());
}

TEST_F(MenuTest, ListPagesReturnToTheItemThatOpenedThem) {
    press(kDown);
    press(kDown);
    frame({kReturn});
    EXPECT_EQ(HighscorePage, menu.page());
    frame({kReturn});
    EXPECT_EQ(HighscorePage, menu.page()) << "the press that opened it does not close it";
    frame({kDown});
    press(kReturn);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(2, menu.cursor());

    press(kDown);
    press(kReturn);
    EXPECT_EQ(InfoPage, menu.page());
    press(kReturn);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(3, menu.cursor());
}

TEST_F(MenuTest, QuitItemQueuesTheQuitEvent) {
    menu.takeSoundEvent();
    press(kUp);
    EXPECT_EQ(-1, press(kReturn));
    EXPECT_EQ(5000, menu.takeSoundEvent());
    EXPECT_EQ(-1, menu.takeSoundEvent());
}

TEST_F(MenuTest, SettingsOutliveEnterWhilePageAndCursorRestart) {
    openOptions();
    press(kUp);
    press(kUp);
    press(kRight);
    press(kUp);
    frame({kLeft});
    menu.enter(2);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(0, menu.cursor());
    EXPECT_EQ(2, menu.playerCount());
    EXPECT_EQ(4, menu.startingLives());
    EXPECT_EQ(124, menu.musicVolume());
}

TEST_F(MenuTest, MainPageDrawsTheSelectedPictureOfTheCursorItem) {
    render();
    EXPECT_TRUE(drawnAt("MU/mu002", 0, 0));
    EXPECT_TRUE(drawnAt("MU/mu004", 12, 200));
    EXPECT_TRUE(drawnAt("MU/mu005", 140, 219));
    EXPECT_TRUE(drawnAt("MU/mu009", 230, 255));
    EXPECT_TRUE(drawnAt("MU/mu007", 318, 344));
    EXPECT_TRUE(drawnAt("MU/mu011", 373, 470));
    press(kUp);
    press(kUp);
    render();
    EXPECT_TRUE(drawnAt("MU/mu003", 12, 200));
    EXPECT_TRUE(drawnAt("MU/mu008", 318, 344));
    EXPECT_TRUE(drawnAt("MU/mu011", 373, 470));
}

TEST_F(MenuTest, OptionsPageDrawsItsItemsKnobLivesAndPlayers) {
    openOptions();
    render();
    EXPECT_TRUE(drawnAt("MU/mu013", 457, 299));
    EXPECT_TRUE(drawnAt("MU/mu015", 464, 350));
    EXPECT_TRUE(drawnAt("MU/mu020", 464, 374));
    EXPECT_TRUE(drawnAt("MU/mu021", 632, 380));
    EXPECT_TRUE(drawnAt("MU/mu023", 464, 420));
    EXPECT_TRUE(drawnAt("MU/mu001", 464 + 35 * 2, 442));
    EXPECT_TRUE(blankAt(464 + 35 * 3, 442));
    EXPECT_TRUE(drawnAt("MU/mu024", 464, 565));
    EXPECT_TRUE(drawnAt("MU/1p", 454, 493));
    EXPECT_TRUE(blankAt(510, 493));
    EXPECT_TRUE(drawnAt("MU/mu001", 464, 500));
    EXPECT_TRUE(drawnAt("MU/mu001", 520, 500));
    EXPECT_TRUE(drawnAt("M2/m201", 550, 500));

    press(kUp);
    frame({kRight});
    render();
    EXPECT_TRUE(drawnAt("MU/2pw", 510, 493));
    EXPECT_TRUE(blankAt(454, 493));
    EXPECT_TRUE(drawnAt("MU/mu025", 464, 565));
    press(kUp);
    press(kUp);
    frame({kLeft});
    render();
    EXPECT_TRUE(drawnAt("MU/mu014", 464, 350));
    EXPECT_TRUE(drawnAt("MU/mu023", 464, 420));
    EXPECT_TRUE(drawnAt("MU/mu021", 626, 380));
    EXPECT_TRUE(drawnAt("MU/2p", 510, 493));
}

TEST_F(MenuTest, HighscorePageSpellsTheTableWithLettersAndDigits) {
    HighscoreTable table = HighscoreTable::defaults();
    table.setSlot(HighscoreTable::nameSlot(4), "A b-Z");
    table.setNumber(HighscoreTable::livesSlot(4), 12);
    table.updateChecksum();
    saveHighscoreTable(table);
    menu.enter(1);
    press(kDown);
    press(kDown);
    press(kReturn);
    render();
    EXPECT_TRUE(drawnAt("MU/mu026", 454, 270));
    EXPECT_TRUE(drawnAt("MU/mu027", 444, 355));
    EXPECT_TRUE(drawnAt("MU/mu025", 450, 540));
    EXPECT_TRUE(drawnAt("MU/mu029", 480, 330));
    EXPECT_TRUE(drawnAt("MU/mu030", 630, 330));
    EXPECT_TRUE(drawnAt("MU/mu031", 730, 330));
    // Entry 1: "ZOK", lives 5, score 500. Z is h026, O h015, K h011, digit d h027 + d.
    EXPECT_TRUE(drawnAt("H/h026", 483, 363));
    EXPECT_TRUE(drawnAt("H/h015", 483 + 13, 363));
    EXPECT_TRUE(drawnAt("H/h011", 483 + 26, 363));
    EXPECT_TRUE(drawnAt("H/h032", 750, 363));
    EXPECT_TRUE(drawnAt("H/h032", 635, 363));
    EXPECT_TRUE(drawnAt("H/h027", 635 + 26, 363));
    // Entry 5 on row 507: anything but a capital or a digit leaves a gap.
    EXPECT_TRUE(drawnAt("H/h001", 483, 507));
    EXPECT_TRUE(blankAt(483 + 13, 507));
    EXPECT_TRUE(blankAt(483 + 26, 507));
    EXPECT_TRUE(blankAt(483 + 39, 507));
    EXPECT_TRUE(drawnAt("H/h026", 483 + 52, 507));
    EXPECT_TRUE(drawnAt("H/h028", 750, 507));
    EXPECT_TRUE(drawnAt("H/h029", 750 + 13, 507));
    EXPECT_TRUE(drawnAt("H/h028", 635, 507));
}

TEST_F(MenuTest, WithoutAHighscoreFileTheListHasFiveEmptyRows) {
    for (int entry = 0; entry < HighscoreTable::kEntries; ++entry) {
        EXPECT_STREQ("", menu.table().slot(HighscoreTable::nameSlot(entry)));
    }
    press(kDown);
    press(kDown);
    press(kReturn);
    render();
    for (int row = 0; row < 5; ++row) {
        EXPECT_TRUE(blankAt(483, 363 + 36 * row));
        EXPECT_TRUE(blankAt(635, 363 + 36 * row));
        EXPECT_TRUE(blankAt(750, 363 + 36 * row));
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file(kHighscorePath)));
}

TEST_F(MenuTest, InformationPageDrawsItsPicturesAndBack) {
    press(kUp);
    press(kUp);
    press(kReturn);
    render();
    EXPECT_TRUE(drawnAt("MU/mu032", 457, 299));
    EXPECT_TRUE(drawnAt("MU/mu033", 456, 356));
    EXPECT_TRUE(drawnAt("MU/mu025", 450, 540));
    EXPECT_TRUE(blankAt(12, 200)) << "the main list is not drawn";
}

}  // namespace
