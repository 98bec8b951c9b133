#pragma once

#include <SDL.h>

#include "assets/ObxImage.h"

// A picture file of a course and the entry of the course's picture table it
// fills, for tables whose files are not loaded in entry order.
struct ImageFile {
    const char* path;
    int entry;
};

// Loads a course's picture table, file after file in the order given.
template <int N>
void loadImageTable(ObxImage (&images)[N], const char* const (&files)[N], SDL_Surface* screen) {
    for (int i = 0; i < N; ++i) {
        loadObxImage(images[i], files[i], screen);
    }
}

template <int N, int M>
void loadImageTable(ObxImage (&images)[N], const ImageFile (&files)[M], SDL_Surface* screen) {
    for (const ImageFile& file : files) {
        loadObxImage(images[file.entry], file.path, screen);
    }
}
