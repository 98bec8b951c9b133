#pragma once

#include <SDL.h>

#include <string>

// Saves a surface as a PNG picture; 0 on success.
class ScreenShot {
  public:
    static int save(SDL_Surface* surface, const std::string& path);
};
