#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"
#include "game/Types.h"
#include "highscore/HighscoreTable.h"

enum MenuPage : int { MainPage = 0, OptionsPage = 1, HighscorePage = 2, InfoPage = 3 };

// The settings of the options page, as a new run starts them.
struct MenuOptions {
    int volume = 128;
    int lives = 3;
    int players = 1;

    bool operator==(const MenuOptions& other) const {
        return volume == other.volume && lives == other.lives && players == other.players;
    }
    bool operator!=(const MenuOptions& other) const { return !(*this == other); }
};

// The main menu: start, options (players, starting lives, volume),
// highscores, information and quit. It keeps its settings for the whole run.
class Menu {
  public:
    static constexpr int kMainItems = 5;
    static constexpr int kOptionItems = 4;
    static constexpr int kMaxLives = 8;
    static constexpr int kLetters = 26;
    static constexpr int kDigits = 10;

    void loadImages(SDL_Surface* screen);
    void enter(int playerCount);
    // 1000 when a game is to start; -1 otherwise.
    int handleInput(KeyState keys);
    int takeSoundEvent();
    void draw();

    MenuOptions options() const { return {musicVolume(), startingLives_, playerCount_}; }
    // Takes settings remembered from an earlier run; the caller checks them.
    void setOptions(const MenuOptions& options);

    int playerCount() const { return playerCount_; }
    int startingLives() const { return startingLives_; }
    // The volume truncated toward zero, 0 to 128.
    int musicVolume() const { return static_cast<int>(volume_); }
    float volume() const { return volume_; }
    int knobX() const { return knobX_; }
    int page() const { return page_; }
    int cursor() const { return cursor_; }
    const HighscoreTable& table() const { return table_; }

  private:
    void step(bool down, Uint8& latch, int delta, int items);
    int handleMainPage(KeyState keys);
    void handleOptionsPage(KeyState keys);
    void handleListPage(KeyState keys);
    void changePlayers(KeyState keys);
    void changeLives(KeyState keys);
    void changeVolume(KeyState keys);
    void setVolume(float volume);
    void drawMainPage();
    void drawOptionsPage();
    void drawHighscorePage();
    void drawInfoPage();
    void drawSlot(const char* text, int maxLength, int x, int y);

    int page_ = MainPage;
    float volume_ = 128.0f;
    HighscoreTable table_;
    SDL_Surface* screen_ = nullptr;

    ObxImage background_;
    ObxImage mainItems_[kMainItems][2];  // normal, selected
    ObxImage optionsTitle_;
    ObxImage volumeItem_[2];
    ObxImage volumeBar_;
    ObxImage volumeKnob_;
    ObxImage livesItem_[2];
    ObxImage lifeIcon_;
    ObxImage optionsBack_[2];
    ObxImage onePlayer_[2];
    ObxImage twoPlayers_[2];
    ObxImage playerTwoIcon_;
    ObxImage highscoreTitle_;
    ObxImage highscoreFrame_;
    ObxImage pageBack_;
    ObxImage headings_[3];  // name, lives, score
    ObxImage letters_[kLetters];
    ObxImage digits_[kDigits];
    ObxImage infoTitle_;
    ObxImage infoText_;
    Sint16 knobX_ = 632;

    int playerCount_ = 1;
    int pendingSound_ = kNoSound;
    int cursor_ = 0;
    int startingLives_ = 3;
    Uint8 leftLatch_ = 0;
    Uint8 rightLatch_ = 0;
    Uint8 previousLatch_ = 0;
    Uint8 nextLatch_ = 0;
    Uint8 confirmLatch_ = 0;
};
