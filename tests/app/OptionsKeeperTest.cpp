#include "app/OptionsKeeper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/GameFixture.h"
#include "support/HeldKeys.h"

namespace {

namespace fs = std::filesystem;

class OptionsKeeperTest : public GameFixture {
  protected:
    void SetUp() override {
        load();
        fs::create_directories(folder.file("data"));
    }
    void frame(std::initializer_list<int> held) {
        game->update(HeldKeys(held).keys());
        keeper.saveWhenSettled(*game);
    }
    void tap(int key) {
        frame({key});
        frame({});
    }
    // From the first page (on start or options): the options page with the cursor on item.
    void openOptionsAt(int item) {
        frame({});
        if (game->menu().cursor() == 0) {
            tap(SDLK_DOWN);
        }
        tap(SDLK_RETURN);
        for (int i = 0; i < item; ++i) {
            tap(SDLK_UP);
        }
    }
    void leaveOptions(int item) {
        for (int i = item; i < Menu::kOptionItems; ++i) {
            tap(SDLK_UP);
        }
        tap(SDLK_RETURN);
    }
    bool written() const { return fs::exists(folder.file(kOptionsPath)); }

    OptionsKeeper keeper;
};

TEST_F(OptionsKeeperTest, ARunThatChangesNothingWritesNothing) {
    keeper.load(kOptionsPath, *game);
    EXPECT_EQ(MenuOptions(), game->menu().options());
    openOptionsAt(3);
    frame({SDLK_RIGHT});  // already at the top
    leaveOptions(3);
    keeper.save(*game);
    EXPECT_FALSE(written());
}

TEST_F(OptionsKeeperTest, SettingsComeBackAndAreSavedOnLeavingThePage) {
    std::ofstream(folder.file(kOptionsPath)) << "volume 64\nlives 5\nplayers 2\n";
    keeper.load(kOptionsPath, *game);
    EXPECT_EQ((MenuOptions{64, 5, 2}), game->menu().options());
    EXPECT_EQ(2, game->playerCount());
    fs::remove(folder.file(kOptionsPath));

    openOptionsAt(3);
    for (int i = 0; i < 5; ++i) {
        frame({SDLK_LEFT});
    }
    EXPECT_FALSE(written()) << "saved while the volume was still moving";
    leaveOptions(3);
    EXPECT_EQ((MenuOptions{44, 5, 2}), OptionsFile::read(kOptionsPath));

    fs::remove(folder.file(kOptionsPath));
    frame({});
    EXPECT_FALSE(written()) << "saved again with nothing changed";

    // Quitting on the options page still keeps the change.
    openOptionsAt(2);
    tap(SDLK_LEFT);
    keeper.save(*game);
    EXPECT_EQ((MenuOptions{44, 4, 2}), OptionsFile::read(kOptionsPath));
}

}  // namespace
