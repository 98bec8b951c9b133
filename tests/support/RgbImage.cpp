#include "support/RgbImage.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr RgbImage::Rgb kTransparentRed{255, 0, 0};

// The next header field of a PPM, skipping white space and comments.
bool ppmField(std::istream& in, int& value) {
    int c = in.get();
    while (c == '#' || std::isspace(c)) {
        if (c == '#') {
            while (c != '\n' && c != EOF) {
                c = in.get();
            }
        }
        c = in.get();
    }
    if (!std::isdigit(c)) {
        return false;
    }
    value = 0;
    while (std::isdigit(c)) {
        value = value * 10 + (c - '0');
        c = in.get();
    }
    return true;  // the single white space after the field is consumed
}

}  // namespace

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
            Uint32 value = 0;
            const Uint8* p = row + x * bpp;
            if (bpp == 1) {
                value = *p;
            } else if (bpp == 2) {
                Uint16 v;
                std::memcpy(&v, p, 2);
                value = v;
            } else if (bpp == 3) {
                value = static_cast<Uint32>(p[0]) | static_cast<Uint32>(p[1]) << 8 |
                        static_cast<Uint32>(p[2]) << 16;
            } else {
                std::memcpy(&value, p, 4);
            }
            Rgb c{};
            SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
            set(x, y, c);
        }
    }
    SDL_UnlockSurface(surface);
    return true;
}

bool RgbImage::readPpm(const std::string& path) {
    *this = RgbImage();
    std::ifstream in(path, std::ios::binary);
    int w = 0, h = 0, maxValue = 0;
    if (in.get() != 'P' || in.get() != '6' || !ppmField(in, w) || !ppmField(in, h) ||
        !ppmField(in, maxValue) || maxValue != 255 || w <= 0 || h <= 0) {
        return false;
    }
    std::vector<char> bytes(static_cast<size_t>(w) * h * 3);
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        return false;
    }
    *this = RgbImage(w, h);
    for (size_t i = 0; i < pixels_.size(); ++i) {
        pixels_[i] = Rgb{static_cast<std::uint8_t>(bytes[3 * i]),
                         static_cast<std::uint8_t>(bytes[3 * i + 1]),
                         static_cast<std::uint8_t>(bytes[3 * i + 2])};
    }
    return true;
}

bool RgbImage::readPicture(const std::string& path) {
    *this = RgbImage();
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

double RgbImage::shownShare(const RgbImage& picture, int x, int y) const {
    int visible = 0;
    int shown = 0;
    for (int py = 0; py < picture.height(); ++py) {
        for (int px = 0; px < picture.width(); ++px) {
            const Rgb c = picture.at(px, py);
            const int sx = x + px;
            const int sy = y + py;
            if (c == kTransparentRed || sx < 0 || sy < 0 || sx >= width_ || sy >= height_) {
                continue;
            }
            ++visible;
            shown += at(sx, sy) == c ? 1 : 0;
        }
    }
    return visible == 0 ? 0.0 : static_cast<double>(shown) / visible;
}

// A few visible pixels spread over the picture, to pass over most places
// without counting them all.
std::vector<int> RgbImage::samplePoints(const RgbImage& picture) {
    std::vector<int> visible;
    for (int i = 0; i < picture.width() * picture.height(); ++i) {
        if (picture.pixels_[i] != kTransparentRed) {
            visible.push_back(i);
        }
    }
    std::vector<int> samples;
    const size_t step = visible.size() / 24 + 1;
    for (size_t i = 0; i < visible.size(); i += step) {
        samples.push_back(visible[i]);
    }
    return samples;
}

bool RgbImage::find(const RgbImage& picture, int nearX, int nearY, int radius, double minShare,
                    int& foundX, int& foundY) const {
    const std::vector<int> samples = samplePoints(picture);
    double best = -1.0;
    int bestDistance = 0;
    for (int y = nearY - radius; y <= nearY + radius; ++y) {
        for (int x = nearX - radius; x <= nearX + radius; ++x) {
            int matching = 0;
            for (int i : samples) {
                const int sx = x + i % picture.width();
                const int sy = y + i / picture.width();
                matching += sx >= 0 && sy >= 0 && sx < width_ && sy < height_ &&
                            at(sx, sy) == picture.pixels_[i];
            }
            if (4 * matching < 3 * static_cast<int>(samples.size())) {
                continue;
            }
            const double share = shownShare(picture, x, y);
            const int distance = std::abs(x - nearX) + std::abs(y - nearY);
            if (share > best || (share == best && distance < bestDistance)) {
                best = share;
                bestDistance = distance;
                foundX = x;
                foundY = y;
            }
        }
    }
    return best >= minShare;
}

int RgbImage::differences(const RgbImage& other, int x, int y, int w, int h) const {
    int count = 0;
    for (int j = y; j < y + h && j < height_ && j < other.height_; ++j) {
        for (int i = x; i < x + w && i < width_ && i < other.width_; ++i) {
            count += at(i, j) != other.at(i, j) ? 1 : 0;
        }
    }
    return count;
}
