#include "assets/ObxImage.h"

#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// Reads a whole file into memory; used when the file cannot be opened for
// update (a read-only install) so that its signature can be mended in memory.
std::vector<std::uint8_t> readWholeFile(const char* path) {
    std::vector<std::uint8_t> bytes;
    FILE* f = std::fopen(path, "rb");
    if (!f) {
        return bytes;
    }
    std::uint8_t buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    std::fclose(f);
    return bytes;
}

std::uint32_t little32(const std::uint8_t* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// A damaged header can claim a picture of billions of pixels; the BMP reader
// would then try to allocate it. Pictures whose header does not fit the file
// are refused before they reach the reader.
bool plausibleBitmap(const std::uint8_t* header, size_t headerBytes, size_t fileBytes) {
    constexpr std::int64_t kMaxSide = 8192;
    if (headerBytes < 30) {
        return false;
    }
    const std::uint32_t dataOffset = little32(header + 10);
    const std::uint32_t dibSize = little32(header + 14);
    std::int64_t width, height, bitsPerPixel, compression = 0;
    if (dibSize == 12) {
        width = header[18] | header[19] << 8;
        height = header[20] | header[21] << 8;
        bitsPerPixel = header[24] | header[25] << 8;
    } else {
        if (headerBytes < 34) {
            return false;
        }
        width = static_cast<std::int32_t>(little32(header + 18));
        height = static_cast<std::int32_t>(little32(header + 22));
        bitsPerPixel = header[28] | header[29] << 8;
        compression = little32(header + 30);
    }
    if (height < 0) {
        height = -height;
    }
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return false;
    }
    if (bitsPerPixel <= 0 || bitsPerPixel > 32) {
        return false;
    }
    if (compression == 0 || compression == 3) {
        const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
        return static_cast<std::int64_t>(dataOffset) + rowBytes * height <=
               static_cast<std::int64_t>(fileBytes);
    }
    return width * height <= 4 * 1024 * 1024;
}

bool plausibleBitmapFile(const char* path) {
    FILE* f = std::fopen(path, "rb");
    if (!f) {
        return false;
    }
    std::uint8_t header[34];
    const size_t n = std::fread(header, 1, sizeof header, f);
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    return size > 0 && plausibleBitmap(header, n, static_cast<size_t>(size));
}

SDL_Surface* loadBmpFromMemory(std::vector<std::uint8_t>& bytes) {
    if (!plausibleBitmap(bytes.data(), bytes.size(), bytes.size())) {
        return nullptr;
    }
    bytes[0] = 'B';
    bytes[1] = 'M';
    SDL_RWops* rw = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
    return rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
}

Uint32 readPixel(const SDL_Surface* s, int x, int y) {
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    const int bpp = s->format->BytesPerPixel;
    const Uint8* p = row + x * bpp;
    switch (bpp) {
        case 1:
            return *p;
        case 2: {
            Uint16 v;
            std::memcpy(&v, p, 2);
            return v;
        }
        case 3:
            return SDL_BYTEORDER == SDL_LIL_ENDIAN ? p[0] | p[1] << 8 | p[2] << 16
                                                   : p[2] | p[1] << 8 | p[0] << 16;
        default: {
            Uint32 v;
            std::memcpy(&v, p, 4);
            return v;
        }
    }
}

void writePixel(SDL_Surface* s, int x, int y, Uint32 value) {
    Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 2: {
            const Uint16 v = static_cast<Uint16>(value);
            std::memcpy(p, &v, 2);
            break;
        }
        case 3:
            for (int i = 0; i < 3; ++i) {
                const int shift = SDL_BYTEORDER == SDL_LIL_ENDIAN ? 8 * i : 16 - 8 * i;
                p[i] = static_cast<Uint8>(value >> shift);
            }
            break;
        case 4:
            std::memcpy(p, &value, 4);
            break;
        default:
            break;
    }
}

bool isPureRedValue(Uint32 pixel, const SDL_PixelFormat* f) {
    return (pixel & (f->Rmask | f->Gmask | f->Bmask)) == f->Rmask;
}

bool isPureRedColour(Uint32 pixel, const SDL_PixelFormat* f) {
    Uint8 r, g, b;
    SDL_GetRGB(pixel, f, &r, &g, &b);
    return r == 255 && g == 0 && b == 0;
}

}  // namespace

int writeObxHeader(const char* path, const char* bytes, int count) {
    FILE* f = std::fopen(path, "r+b");
    if (!f) {
        std::printf("null\n");
        std::fflush(stdout);
        return -1;
    }
    std::fwrite(bytes, 1, static_cast<size_t>(count), f);
    std::fclose(f);
    return 0;
}

int disguiseObxHeader(const char* path, int count) {
    char zeros[16];
    std::memset(zeros, '0', sizeof zeros);
    return writeObxHeader(path, zeros, count < 16 ? count : 16);
}

ObxImage::~ObxImage() {
    release();
}

ObxImage::ObxImage(ObxImage&& other) noexcept {
    *this = std::move(other);
}

ObxImage& ObxImage::operator=(ObxImage&& other) noexcept {
    if (this != &other) {
        release();
        surface_ = std::exchange(other.surface_, nullptr);
        faded_ = std::exchange(other.faded_, nullptr);
        alpha_ = std::exchange(other.alpha_, 255);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
        solid_ = std::move(other.solid_);
    }
    return *this;
}

void ObxImage::release() {
    if (surface_) {
        SDL_FreeSurface(surface_);
    }
    if (faded_) {
        SDL_FreeSurface(faded_);
    }
    surface_ = faded_ = nullptr;
    alpha_ = 255;
    width_ = height_ = 0;
    solid_.clear();
}

int ObxImage::load(const char* path, SDL_Surface* screen) {
    release();
    const bool writable = writeObxHeader(path, "BM6", 3) == 0;
    SDL_Surface* loaded = nullptr;
    if (writable && plausibleBitmapFile(path)) {
        SDL_RWops* rw = SDL_RWFromFile(path, "rb");
        loaded = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
    } else if (!writable) {
        std::vector<std::uint8_t> bytes = readWholeFile(path);
        loaded = loadBmpFromMemory(bytes);
    }
    if (loaded && screen && screen->format) {
        const Uint32 key = SDL_MapRGB(screen->format, 255, 0, 0);
        surface_ = SDL_DisplayFormat(loaded);
        if (surface_) {
            width_ = surface_->w;
            height_ = surface_->h;
            takeMask(loaded);
            settleKeyColour(key);
            // A picture with nothing to hide (the backgrounds) goes without a
            // key: SDL then copies it a row at a time instead of testing
            // every pixel, most of a frame's drawing.
            if (hasTransparentPixel()) {
                makeTransparent(surface_);
            }
            buildBlitMap(surface_, screen);
        }
    }
    if (loaded) {
        SDL_FreeSurface(loaded);
    }
    disguiseObxHeader(path, 4);
    return present() ? 0 : -1;
}

void ObxImage::makeTransparent(SDL_Surface* surface) const {
    SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL,
                    SDL_MapRGB(surface->format, 255, 0, 0));
}

bool ObxImage::hasTransparentPixel() const {
    const size_t pixels = static_cast<size_t>(width_) * height_;
    for (size_t byte = 0; byte < pixels / 8; ++byte) {
        if (solid_[byte] != 0xff) {
            return true;
        }
    }
    for (size_t bit = pixels / 8 * 8; bit < pixels; ++bit) {
        if (!((solid_[bit >> 3] >> (bit & 7)) & 1)) {
            return true;
        }
    }
    return false;
}

// SDL builds a picture's blit map (and its run-length encoding) on the first
// blit to a surface; one pixel blitted here, and put back, does it while
// loading instead of in the first frame that shows the picture.
void ObxImage::buildBlitMap(SDL_Surface* picture, SDL_Surface* screen) {
    if (screen->w < 1 || screen->h < 1 || SDL_LockSurface(screen) != 0) {
        return;
    }
    const Uint32 corner = readPixel(screen, 0, 0);
    SDL_UnlockSurface(screen);
    SDL_Rect from = {0, 0, 1, 1};
    SDL_Rect to = {0, 0, 0, 0};
    SDL_UpperBlit(picture, &from, screen, &to);
    if (SDL_LockSurface(screen) == 0) {
        writePixel(screen, 0, 0, corner);
        SDL_UnlockSurface(screen);
    }
}

void ObxImage::prepareFading(SDL_Surface* screen) {
    if (!surface_ || faded_ || !screen) {
        return;
    }
    faded_ = SDL_ConvertSurface(surface_, surface_->format, SDL_SWSURFACE);
    if (!faded_) {
        return;
    }
    SDL_SetAlpha(faded_, SDL_SRCALPHA, 128);
    buildBlitMap(faded_, screen);
    // Copying the picture took its map away from the screen.
    buildBlitMap(surface_, screen);
}

void ObxImage::takeMask(SDL_Surface* source) {
    solid_.assign((static_cast<size_t>(width_) * height_ + 7) / 8, 0);
    // Where no colour bit is lost, pure red is one pixel value: a comparison
    // instead of a colour lookup per pixel, which was most of the loading time.
    const SDL_PixelFormat* f = source->format;
    const bool lossless = !f->palette && f->Rloss == 0 && f->Gloss == 0 && f->Bloss == 0;
    SDL_LockSurface(source);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Uint32 pixel = readPixel(source, x, y);
            if (!(lossless ? isPureRedValue(pixel, f) : isPureRedColour(pixel, f))) {
                const size_t bit = static_cast<size_t>(y) * width_ + x;
                solid_[bit >> 3] |= static_cast<std::uint8_t>(1u << (bit & 7));
            }
        }
    }
    SDL_UnlockSurface(source);
}

// Transparent pixels get exactly the key: a converted picture may carry bits
// the key lacks (a 16-bit file on a 32-bit display fills the unused byte).
// A display of lower depth rounds near-red colours onto the key; such a pixel
// would vanish on screen though it collides, so it moves one step of blue
// away from the key instead.
void ObxImage::settleKeyColour(Uint32 key) {
    const SDL_PixelFormat* f = surface_->format;
    if (f->BytesPerPixel < 2) {
        return;  // palettes are left alone
    }
    const Uint32 nudged = key ^ (f->Bmask & (~f->Bmask + 1));
    SDL_LockSurface(surface_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Uint32 shown = readPixel(surface_, x, y);
            const Uint32 wanted = !isSolidPixel(x, y) ? key : shown == key ? nudged : shown;
            if (wanted != shown) {
                writePixel(surface_, x, y, wanted);
            }
        }
    }
    SDL_UnlockSurface(surface_);
}

void ObxImage::draw(SDL_Surface* target, int x, int y) const {
    if (!surface_ || !target) {
        return;
    }
    SDL_Rect where;
    where.x = static_cast<Sint16>(x);
    where.y = static_cast<Sint16>(y);
    where.w = 0;
    where.h = 0;
    // SDL's rectangles are 16-bit: a position far off screen would wrap round.
    if (x < -32768 || x > 32767 || y < -32768 || y > 32767) {
        return;
    }
    SDL_UpperBlit(faded_ && alpha_ < 255 ? faded_ : surface_, nullptr, target, &where);
}

void ObxImage::setAlpha(int alpha) const {
    if (faded_) {
        alpha_ = alpha;
        if (alpha < 255) {
            SDL_SetAlpha(faded_, SDL_SRCALPHA, static_cast<Uint8>(alpha));
        }
    } else if (surface_) {
        SDL_SetAlpha(surface_, SDL_SRCALPHA, static_cast<Uint8>(alpha));
    }
}

int ObxImage::isSolidPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return 0;
    }
    const size_t bit = static_cast<size_t>(y) * width_ + x;
    return (solid_[bit >> 3] >> (bit & 7)) & 1;
}

int loadObxImage(ObxImage& image, const char* path, SDL_Surface* screen) {
    return image.load(path, screen);
}

void loadNumberedObxImages(ObxImage* images, int count, const char* pattern, int first,
                           SDL_Surface* screen) {
    char path[64];
    for (int i = 0; i < count; ++i) {
        std::snprintf(path, sizeof path, pattern, first + i);
        images[i].load(path, screen);
    }
}
