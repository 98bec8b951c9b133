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
    void frame(std::initializer_list<int> held) {
        game->update(HeldKeys(held).keys());
        keeper.saveWhenSettled(*game);
    }
    void tap(std::initializer_list<int> keys) {
        for (int key : keys) {
            frame({key});
            frame({});
        }
    }
    bool written() const { return fs::exists(folder.file(kOptionsPath)); }

    OptionsKeeper keeper;
};

TEST_F(OptionsKeeperTest, WrittenOnlyWhenChangedAndOnceTheOptionsPageIsLeft) {
    load();
    fs::create_directories(folder.file("data"));
    keeper.load(kOptionsPath, *game);
    frame({});
    tap({SDLK_DOWN, SDLK_RETURN, SDLK_RIGHT, SDLK_RETURN});  // the options page and back
    keeper.save(*game);
    EXPECT_FALSE(written()) << "a run that changed nothing wrote the defaults";

    std::ofstream(folder.file(kOptionsPath)) << "volume 64\nlives 5\nplayers 2\n";
    keeper.load(kOptionsPath, *game);
    EXPECT_EQ((MenuOptions{64, 5, 2}), game->menu().options());
    EXPECT_EQ(2, game->playerCount());
    fs::remove(folder.file(kOptionsPath));
    tap({SDLK_RETURN, SDLK_UP, SDLK_UP, SDLK_UP});  // the volume
    for (int i = 0; i < 5; ++i) {
        frame({SDLK_LEFT});
    }
    EXPECT_FALSE(written()) << "saved while the volume was still moving";
    tap({SDLK_UP, SDLK_RETURN});
    EXPECT_EQ((MenuOptions{44, 5, 2}), OptionsFile::read(kOptionsPath));

    fs::remove(folder.file(kOptionsPath));
    frame({});
    EXPECT_FALSE(written()) << "saved again with nothing changed";
    // Quitting on the options page still keeps a change.
    tap({SDLK_RETURN, SDLK_UP, SDLK_UP, SDLK_LEFT});
    keeper.save(*game);
    EXPECT_EQ((MenuOptions{44, 4, 2}), OptionsFile::read(kOptionsPath));
}

}  // namespace
