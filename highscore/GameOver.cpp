#include "highscore/GameOver.h"

int decideGameOver(int score1, int score2, int& finalScore) {
    finalScore = score1 > score2 ? score1 : score2;
    return 2;
}
