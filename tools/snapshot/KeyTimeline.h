#pragma once

#include <SDL.h>

// The keys a snapshot run holds, frame by frame: "right:10-40" holds the right
// arrow from logic frame 10 to 40, "space:50" for frame 50 alone. Escape is
// taken as the key-down event of its first frame, as the game's loop sees it.
class KeyTimeline {
  public:
    static constexpr int kMaxPresses = 64;

    // 0 when the text was understood, -1 otherwise.
    int add(const char* text);
    // Fills keys (SDLK_LAST entries) with what is held in frame.
    void keysAt(int frame, Uint8* keys) const;
    // True when Escape goes down just before frame.
    bool escapeAt(int frame) const;

    // The key symbol for a name ("left", "space", "a", "7"), or -1.
    static int keyNamed(const char* name, int length);

  private:
    struct Press {
        int key;
        int from;
        int to;
    };

    Press presses_[kMaxPresses] = {};
    int count_ = 0;
};
