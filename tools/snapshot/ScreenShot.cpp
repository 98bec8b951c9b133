#include "ScreenShot.h"

#include <cairo.h>

#include <cstdint>
#include <cstring>

namespace {

Uint32 pixelAt(const SDL_Surface* s, int x, int y) {
    const Uint8* p =
        static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
        case 1:
            return *p;
        case 2: {
            Uint16 v;
            std::memcpy(&v, p, 2);
            return v;
        }
        case 3:
            return p[0] | p[1] << 8 | p[2] << 16;
        default: {
            Uint32 v;
            std::memcpy(&v, p, 4);
            return v;
        }
    }
}

}  // namespace

int ScreenShot::save(SDL_Surface* surface, const std::string& path) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, surface->w, surface->h);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        std::uint32_t* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < surface->w; ++x) {
            Uint8 r, g, b;
            SDL_GetRGB(pixelAt(surface, x, y), surface->format, &r, &g, &b);
            row[x] = static_cast<std::uint32_t>(r) << 16 | g << 8 | b;
        }
    }
    SDL_UnlockSurface(surface);
    cairo_surface_mark_dirty(image);
    const cairo_status_t status = cairo_surface_write_to_png(image, path.c_str());
    cairo_surface_destroy(image);
    return status == CAIRO_STATUS_SUCCESS ? 0 : -1;
}
