#include "support/RgbImage.h"

#include <cstring>
#include <fstream>
#include <iterator>

RgbImage::RgbImage(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, Rgb{0, 0, 0}) {}

bool RgbImage::readSurface(SDL_Surface* surface) {
    *this = RgbImage();
    if (!surface || SDL_LockSurface(surface) != 0) {
        return false;
    }
    *this = RgbImage(surface->w, surface->h);
    const int bpp = surface->format->BytesPerPixel;
    for (int y = 0; y < height_; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < width_; ++x) {
            // A pixel's bytes are its value, lowest first, on the machines we test on.
            Uint32 value = 0;
            std::memcpy(&value, row + x * bpp, bpp);
            Rgb c{};
            SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
            set(x, y, c);
        }
    }
    SDL_UnlockSurface(surface);
    return true;
}

bool RgbImage::readPicture(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return readPictureBytes(
        std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
}

bool RgbImage::readPictureBytes(std::string bytes) {
    *this = RgbImage();
    if (bytes.size() < 54) {
        return false;
    }
    // A disguised file has "0000" where a BMP has its signature and size.
    bytes[0] = 'B';
    bytes[1] = 'M';
    SDL_RWops* rw = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    SDL_Surface* surface = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    if (!surface) {
        return false;
    }
    const bool read = readSurface(surface);
    SDL_FreeSurface(surface);
    return read;
}
