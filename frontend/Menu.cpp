#include "frontend/Menu.h"

#include "highscore/HighscoreFile.h"

namespace {

constexpr int kKeyReturn = 13;
constexpr int kKeyUp = 273;
constexpr int kKeyDown = 274;
constexpr int kKeyRight = 275;
constexpr int kKeyLeft = 276;
constexpr int kKeyA = 97;
constexpr int kKeyD = 100;
constexpr int kKeyS = 115;
constexpr int kKeyW = 119;

constexpr int kStartGame = 1000;
constexpr int kTitleMusic = 0;

enum MainItem { StartItem = 0, OptionsItem, HighscoresItem, InfoItem, QuitItem };
enum OptionItem { BackItem = 0, PlayersItem, LivesItem, VolumeItem };

struct Place {
    int x;
    int y;
};

constexpr Place kMainItemPlaces[Menu::kMainItems] = {
    {12, 200}, {140, 219}, {230, 255}, {318, 344}, {373, 470}};
// Normal and selected picture of each main item, in item order.
constexpr const char* kMainItemFiles[Menu::kMainItems][2] = {
    {"data/MU/mu003.obx", "data/MU/mu004.obx"},
    {"data/MU/mu005.obx", "data/MU/mu006.obx"},
    {"data/MU/mu009.obx", "data/MU/mu010.obx"},
    {"data/MU/mu007.obx", "data/MU/mu008.obx"},
    {"data/MU/mu011.obx", "data/MU/mu012.obx"}};

constexpr float kVolumeStep = 4.0f;
constexpr float kMaxVolume = 128.0f;
constexpr int kLifeIconStep = 35;
constexpr int kRowStep = 36;
constexpr int kCharacterStep = 13;

bool held(KeyState keys, int a, int b) {
    return keys[a] || keys[b];
}

}  // namespace

void Menu::loadImages(SDL_Surface* screen) {
    screen_ = screen;
    setOptions(MenuOptions());
    loadObxImage(background_, "data/MU/mu002.obx", screen);
    for (int item = 0; item < kMainItems; ++item) {
        loadObxImage(mainItems_[item][0], kMainItemFiles[item][0], screen);
        loadObxImage(mainItems_[item][1], kMainItemFiles[item][1], screen);
    }
    loadObxImage(optionsTitle_, "data/MU/mu013.obx", screen);
    loadObxImage(volumeItem_[1], "data/MU/mu014.obx", screen);
    loadObxImage(volumeItem_[0], "data/MU/mu015.obx", screen);
    loadObxImage(volumeBar_, "data/MU/mu020.obx", screen);
    loadObxImage(volumeKnob_, "data/MU/mu021.obx", screen);
    loadObxImage(livesItem_[1], "data/MU/mu022.obx", screen);
    loadObxImage(livesItem_[0], "data/MU/mu023.obx", screen);
    loadObxImage(optionsBack_[1], "data/MU/mu024.obx", screen);
    loadObxImage(optionsBack_[0], "data/MU/mu025.obx", screen);
    loadObxImage(lifeIcon_, "data/MU/mu001.obx", screen);
    loadObxImage(onePlayer_[0], "data/MU/1p.obx", screen);
    loadObxImage(onePlayer_[1], "data/MU/1pw.obx", screen);
    loadObxImage(twoPlayers_[0], "data/MU/2p.obx", screen);
    loadObxImage(twoPlayers_[1], "data/MU/2pw.obx", screen);
    loadObxImage(playerTwoIcon_, "data/M2/m201.obx", screen);
    loadObxImage(highscoreTitle_, "data/MU/mu026.obx", screen);
    loadObxImage(highscoreFrame_, "data/MU/mu027.obx", screen);
    loadObxImage(pageBack_, "data/MU/mu025.obx", screen);
    loadObxImage(headings_[0], "data/MU/mu029.obx", screen);
    loadObxImage(headings_[1], "data/MU/mu031.obx", screen);
    loadObxImage(headings_[2], "data/MU/mu030.obx", screen);
    loadNumberedObxImages(letters_, kLetters, "data/H/h%03d.obx", 1, screen);
    loadNumberedObxImages(digits_, kDigits, "data/H/h%03d.obx", 1 + kLetters, screen);
    loadObxImage(infoTitle_, "data/MU/mu032.obx", screen);
    loadObxImage(infoText_, "data/MU/mu033.obx", screen);
}

void Menu::setOptions(const MenuOptions& options) {
    setVolume(static_cast<float>(options.volume));
    startingLives_ = options.lives;
    playerCount_ = options.players;
}

void Menu::enter(int playerCount) {
    playerCount_ = playerCount;
    page_ = MainPage;
    cursor_ = 0;
    pendingSound_ = kTitleMusic;
    leftLatch_ = rightLatch_ = previousLatch_ = nextLatch_ = 0;
    // Return may still be held from the screen before.
    confirmLatch_ = 1;
    loadHighscoreTable(table_);
}

int Menu::takeSoundEvent() {
    const int event = pendingSound_;
    pendingSound_ = kNoSound;
    return event;
}

int Menu::handleInput(KeyState keys) {
    switch (page_) {
        case MainPage:
            return handleMainPage(keys);
        case OptionsPage:
            handleOptionsPage(keys);
            return kNoSound;
        default:
            handleListPage(keys);
            return kNoSound;
    }
}

// Moves the cursor once per press of any of the four keys.
void Menu::step(bool down, Uint8& latch, int delta, int items) {
    if (!down) {
        latch = 0;
    } else if (!latch) {
        cursor_ = (cursor_ + delta + items) % items;
        latch = 1;
    }
}

int Menu::handleMainPage(KeyState keys) {
    step(held(keys, kKeyDown, kKeyRight) || held(keys, kKeyS, kKeyD), nextLatch_, 1, kMainItems);
    step(held(keys, kKeyUp, kKeyLeft) || held(keys, kKeyW, kKeyA), previousLatch_, -1, kMainItems);
    if (!keys[kKeyReturn]) {
        confirmLatch_ = 0;
        return kNoSound;
    }
    if (confirmLatch_) {
        return kNoSound;
    }
    switch (cursor_) {
        case StartItem:
            return kStartGame;
        case OptionsItem:
            page_ = OptionsPage;
            cursor_ = BackItem;
            confirmLatch_ = 1;
            break;
        case HighscoresItem:
            page_ = HighscorePage;
            confirmLatch_ = 1;
            break;
        case InfoItem:
            page_ = InfoPage;
            confirmLatch_ = 1;
            break;
        default:
            pendingSound_ = kQuitEvent;
            break;
    }
    return kNoSound;
}

// Up and Down run the other way round here: Down goes from "back" to the
// volume at the bottom of the list's numbering.
void Menu::handleOptionsPage(KeyState keys) {
    step(held(keys, kKeyDown, kKeyS), nextLatch_, -1, kOptionItems);
    step(held(keys, kKeyUp, kKeyW), previousLatch_, 1, kOptionItems);
    if (!keys[kKeyReturn]) {
        confirmLatch_ = 0;
    } else if (!confirmLatch_ && cursor_ == BackItem) {
        page_ = MainPage;
        cursor_ = OptionsItem;
        confirmLatch_ = 1;
    }
    switch (cursor_) {
        case PlayersItem:
            changePlayers(keys);
            break;
        case LivesItem:
            changeLives(keys);
            break;
        case VolumeItem:
            changeVolume(keys);
            break;
        default:
            break;
    }
}

// Left wins when both are held.
void Menu::changePlayers(KeyState keys) {
    if (held(keys, kKeyRight, kKeyD)) {
        playerCount_ = 2;
    }
    if (held(keys, kKeyLeft, kKeyA)) {
        playerCount_ = 1;
    }
}

void Menu::changeLives(KeyState keys) {
    const bool right = held(keys, kKeyRight, kKeyD);
    if (!right) {
        rightLatch_ = 0;
    } else if (!rightLatch_ && startingLives_ < kMaxLives) {
        ++startingLives_;
        rightLatch_ = 1;
    }
    const bool left = held(keys, kKeyLeft, kKeyA);
    if (!left) {
        leftLatch_ = 0;
    } else if (!leftLatch_ && startingLives_ > 1) {
        --startingLives_;
        leftLatch_ = 1;
    }
}

// No latch: a held key goes on changing the volume every frame.
void Menu::changeVolume(KeyState keys) {
    if (held(keys, kKeyRight, kKeyD) && volume_ < kMaxVolume) {
        setVolume(volume_ + kVolumeStep);
    } else if (held(keys, kKeyLeft, kKeyA) && volume_ > 0.0f) {
        setVolume(volume_ - kVolumeStep);
    }
}

void Menu::setVolume(float volume) {
    volume_ = volume;
    knobX_ = static_cast<Sint16>(1.265625f * volume_ + 470.0f);
    if (volume_ > kMaxVolume) {
        volume_ = kMaxVolume;
    }
    if (volume_ < 0.0f) {
        volume_ = 0.0f;
    }
}

void Menu::handleListPage(KeyState keys) {
    if (!keys[kKeyReturn]) {
        confirmLatch_ = 0;
    } else if (!confirmLatch_) {
        page_ = MainPage;
        confirmLatch_ = 1;
    }
}

void Menu::draw() {
    background_.draw(screen_, 0, 0);
    switch (page_) {
        case MainPage:
            drawMainPage();
            break;
        case OptionsPage:
            drawOptionsPage();
            break;
        case HighscorePage:
            drawHighscorePage();
            break;
        default:
            drawInfoPage();
            break;
    }
}

void Menu::drawMainPage() {
    for (int item = 0; item < kMainItems; ++item) {
        const Place at = kMainItemPlaces[item];
        mainItems_[item][item == cursor_ ? 1 : 0].draw(screen_, at.x, at.y);
    }
}

void Menu::drawOptionsPage() {
    optionsTitle_.draw(screen_, 457, 299);
    volumeItem_[cursor_ == VolumeItem].draw(screen_, 464, 350);
    volumeBar_.draw(screen_, 464, 374);
    volumeKnob_.draw(screen_, knobX_, 380);
    livesItem_[cursor_ == LivesItem].draw(screen_, 464, 420);
    for (int i = 0; i < startingLives_; ++i) {
        lifeIcon_.draw(screen_, 464 + kLifeIconStep * i, 442);
    }
    optionsBack_[cursor_ == BackItem].draw(screen_, 464, 565);
    if (playerCount_ == 1) {
        onePlayer_[cursor_ == PlayersItem].draw(screen_, 454, 493);
    } else if (playerCount_ == 2) {
        twoPlayers_[cursor_ == PlayersItem].draw(screen_, 510, 493);
    }
    lifeIcon_.draw(screen_, 464, 500);
    lifeIcon_.draw(screen_, 520, 500);
    playerTwoIcon_.draw(screen_, 550, 500);
}

void Menu::drawHighscorePage() {
    highscoreTitle_.draw(screen_, 454, 270);
    highscoreFrame_.draw(screen_, 444, 355);
    pageBack_.draw(screen_, 450, 540);
    headings_[0].draw(screen_, 480, 330);
    headings_[1].draw(screen_, 730, 330);
    headings_[2].draw(screen_, 630, 330);
    for (int entry = 0; entry < HighscoreTable::kEntries; ++entry) {
        const int y = 363 + kRowStep * entry;
        drawSlot(table_.slot(HighscoreTable::nameSlot(entry)), 10, 483, y);
        drawSlot(table_.slot(HighscoreTable::livesSlot(entry)), 2, 750, y);
        drawSlot(table_.slot(HighscoreTable::scoreSlot(entry)), 10, 635, y);
    }
}

// Letters and digits from their pictures; anything else leaves a gap.
void Menu::drawSlot(const char* text, int maxLength, int x, int y) {
    for (int i = 0; i < maxLength && text[i] != '\0'; ++i) {
        const char c = text[i];
        const int at = x + kCharacterStep * i;
        if (c >= 'A' && c <= 'Z') {
            letters_[c - 'A'].draw(screen_, at, y);
        } else if (c >= '0' && c <= '9') {
            digits_[c - '0'].draw(screen_, at, y);
        }
    }
}

void Menu::drawInfoPage() {
    infoTitle_.draw(screen_, 457, 299);
    infoText_.draw(screen_, 456, 356);
    pageBack_.draw(screen_, 450, 540);
}
