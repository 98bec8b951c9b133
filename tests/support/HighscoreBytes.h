#pragma once

#include <string>

// The stored highscore file holds every byte of its plain text lowered by 25:
// by 25 this reads it, by -25 it writes it, without the game's code.
inline std::string shiftedHighscoreText(std::string text, int by) {
    for (char& c : text) {
        c = static_cast<char>(static_cast<unsigned char>(c) + by);
    }
    return text;
}
