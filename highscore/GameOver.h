#pragma once

// The end of a game: the better of the two scores goes into finalScore, and
// the result is the next GameMode: the name entry (10) when that score beats
// the lowest entry of the stored table, otherwise the menu (2).
int decideGameOver(int score1, int score2, int& finalScore);
