#include "frontend/Menu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

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
    // How many copies of each picture the screen shows, by its pixels
    // (every picture is 6 by 6, and no two overlap).
    std::map<std::string, int> shown() const {
        std::unordered_map<Uint32, std::string> names;
        for (const auto& [name, c] : colours) {
            names[c.r << 16 | c.g << 8 | c.b] = name;
        }
        std::map<std::string, int> pixels;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                Uint8 r, g, b;
                screen.rgbAt(x, y, r, g, b);
                const auto found = names.find(r << 16 | g << 8 | b);
                if (found != names.end()) {
                    ++pixels[found->second];
                }
            }
        }
        for (auto& [name, count] : pixels) {
            count /= 36;
        }
        return pixels;
    }
    std::map<std::string, int> shownOnce(std::initializer_list<const char*> names) const {
        std::map<std::string, int> pictures;
        for (const char* name : names) {
            pictures[name] = 1;
        }
        return pictures;
    }

    TempFolder folder;
    WorkingDirectory inside{folder.path()};
    HeadlessScreen screen;
    Menu menu;
    std::map<std::string, TestRgb> colours;
};

TEST_F(MenuTest, EnteringQueuesTitleMusicOnceIgnoresAReturnStillHeldAndQuitQueuesQuit) {
    EXPECT_EQ(0, menu.takeSoundEvent());
    EXPECT_EQ(-1, menu.takeSoundEvent());
    EXPECT_EQ(-1, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, frame({}));
    EXPECT_EQ(1000, frame({SDLK_RETURN}));
    EXPECT_EQ(-1, menu.takeSoundEvent());

    menu.enter(2);
    menu.takeSoundEvent();
    frame({});
    press(SDLK_UP);
    EXPECT_EQ(-1, press(SDLK_RETURN));
    EXPECT_EQ(5000, menu.takeSoundEvent());
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

// Only Back leaves the page, whatever Return chooses.
TEST_F(MenuTest, OptionsRunDownFromBackToVolumeAndReturnToOptionsItem) {
    openOptions();
    EXPECT_EQ(0, menu.cursor());
    const int steps[][2] = {{SDLK_DOWN, 3}, {SDLK_UP, 0}, {'w', 1}, {SDLK_RETURN, 1}, {'s', 0}};
    for (const auto& step : steps) {
        press(step[0]);
        EXPECT_EQ(step[1], menu.cursor()) << "after key " << step[0];
        EXPECT_EQ(OptionsPage, menu.page()) << "after key " << step[0];
    }
    press(SDLK_RETURN);
    EXPECT_EQ(MainPage, menu.page());
    EXPECT_EQ(1, menu.cursor());
}

TEST_F(MenuTest, LivesChangeOncePerPressBetweenOneAndEightPlayersWhileHeld) {
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

    // Players follow Right and Left held, Left winning over both.
    press(SDLK_DOWN);
    ASSERT_EQ(1, menu.cursor());
    frame({SDLK_RIGHT});
    EXPECT_EQ(2, menu.playerCount());
    frame({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(1, menu.playerCount());
    frame({'d'});
    EXPECT_EQ(2, menu.playerCount());
    frame({'a', 'd'});
    EXPECT_EQ(1, menu.playerCount());
    EXPECT_EQ(1, menu.startingLives());

    // A new visit takes the player count it is given and keeps the lives.
    menu.enter(2);
    EXPECT_EQ(2, menu.playerCount());
    EXPECT_EQ(1, menu.startingLives());
}

TEST_F(MenuTest, VolumeRepeatsEveryFrameAndMovesTheKnob) {
    EXPECT_EQ(128, menu.musicVolume());
    openOptions();
    press(SDLK_DOWN);
    ASSERT_EQ(3, menu.cursor());
    // Held keys repeat: key, frames held, then the volume.
    const int steps[][3] = {
        {SDLK_LEFT, 32, 0}, {'a', 1, 0}, {SDLK_RIGHT, 1, 4}, {'d', 15, 64}, {SDLK_RIGHT, 24, 128}};
    int knobs[5];
    for (int i = 0; i < 5; ++i) {
        for (int held = 0; held < steps[i][1]; ++held) {
            frame({steps[i][0]});
        }
        EXPECT_EQ(static_cast<float>(steps[i][2]), menu.volume()) << "step " << i;
        EXPECT_EQ(steps[i][2], menu.musicVolume()) << "step " << i;
        knobs[i] = menu.knobX();
    }
    EXPECT_EQ(knobs[0], knobs[1]);
    EXPECT_TRUE(knobs[1] < knobs[2] && knobs[2] < knobs[3] && knobs[3] < knobs[4])
        << "the knob follows the volume";
    // At the top, Right cannot act, so a Left held with it does.
    frame({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(124, menu.musicVolume());
    frame({SDLK_LEFT, SDLK_RIGHT});
    EXPECT_EQ(128, menu.musicVolume());
    frame({SDLK_LEFT});
    menu.enter(1);
    EXPECT_EQ(124, menu.musicVolume()) << "a new visit keeps the volume";
}

TEST_F(MenuTest, ListPageReturnsToTheItemThatOpenedIt) {
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
}

// The main page with the cursor's item selected, the information page, and
// the highscore page without a file: an empty list.
TEST_F(MenuTest, PagesDrawTheirPicturesOnce) {
    struct Case {
        std::vector<int> keys;
        std::map<std::string, int> pictures;
    };
    for (const Case& c : {
             Case{{},
                  shownOnce(
                      {"MU/mu002", "MU/mu004", "MU/mu005", "MU/mu009", "MU/mu007", "MU/mu011"})},
             Case{{SDLK_UP, SDLK_UP},
                  shownOnce(
                      {"MU/mu002", "MU/mu003", "MU/mu005", "MU/mu009", "MU/mu008", "MU/mu011"})},
             Case{{SDLK_UP, SDLK_UP, SDLK_RETURN},
                  shownOnce({"MU/mu002", "MU/mu032", "MU/mu033", "MU/mu025"})},
             Case{{SDLK_DOWN, SDLK_DOWN, SDLK_RETURN},
                  shownOnce({"MU/mu002", "MU/mu026", "MU/mu027", "MU/mu025", "MU/mu029", "MU/mu030",
                             "MU/mu031"})},
         }) {
        menu.enter(1);
        for (int key : c.keys) {
            press(key);
        }
        render();
        EXPECT_EQ(c.pictures, shown()) << c.keys.size() << " keys";
    }
}

TEST_F(MenuTest, OptionsPageDrawsItsItemsKnobLivesAndPlayers) {
    openOptions();
    render();
    auto expected = shownOnce({"MU/mu002", "MU/mu013", "MU/mu015", "MU/mu020", "MU/mu021",
                               "MU/mu023", "MU/mu024", "MU/1p", "M2/m201"});
    expected["MU/mu001"] = 3 + 2;  // a life icon per starting life, and two by the players
    EXPECT_EQ(expected, shown());

    press(SDLK_UP);
    frame({SDLK_RIGHT});
    press(SDLK_UP);
    frame({SDLK_RIGHT});
    press(SDLK_UP);
    frame({SDLK_LEFT});
    render();
    expected = shownOnce({"MU/mu002", "MU/mu013", "MU/mu014", "MU/mu020", "MU/mu021", "MU/mu023",
                          "MU/mu025", "MU/2p", "M2/m201"});
    expected["MU/mu001"] = 4 + 2;
    EXPECT_EQ(expected, shown());
    Uint8 r, g, b;
    screen.rgbAt(menu.knobX(), 380, r, g, b);
    EXPECT_EQ(colours["MU/mu021"].r, r) << "the knob stands at its place on the bar";
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
    // Four times ZOK 5..2 and 500..200, then "A b-Z" 12 100: anything but a
    // capital or a digit is left out.
    auto expected = shownOnce({"MU/mu002", "MU/mu026", "MU/mu027", "MU/mu025", "MU/mu029",
                               "MU/mu030", "MU/mu031", "H/h001"});
    expected["H/h026"] = 5;                                            // Z
    expected["H/h015"] = expected["H/h011"] = 4;                       // O, K
    expected["H/h027"] = 10;                                           // 0
    expected["H/h028"] = 2;                                            // 1
    expected["H/h029"] = 3;                                            // 2
    expected["H/h030"] = expected["H/h031"] = expected["H/h032"] = 2;  // 3, 4, 5
    EXPECT_EQ(expected, shown());
}

}  // namespace
