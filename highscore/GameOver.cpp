#include "highscore/GameOver.h"

#include "game/Types.h"
#include "highscore/HighscoreFile.h"
#include "highscore/HighscoreTable.h"

int decideGameOver(int score1, int score2, int& finalScore) {
    HighscoreTable table;
    loadHighscoreTable(table);
    finalScore = score1 > score2 ? score1 : score2;
    return finalScore > table.lowestScore() ? ModeNameEntry : ModeMenu;
}
