#include "assetgen/Canvas.h"

#include <cstdint>
#include <cstdio>

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

namespace {

struct Pixel {
    unsigned r, g, b;
    bool solid;
};

// Cairo stores premultiplied colour; undo it for the opaque pixel.
Pixel unpremultiplied(std::uint32_t p) {
    const unsigned a = p >> 24;
    if (a < 128) {
        return Pixel{255, 0, 0, false};
    }
    return Pixel{((p >> 16) & 0xff) * 255 / a, ((p >> 8) & 0xff) * 255 / a, (p & 0xff) * 255 / a,
                 true};
}

// A pixel under half coverage with solid pixels on all four sides is a seam
// where two anti-aliased edges meet inside one shape (an outline and the
// fill it surrounds), not a hole the drawing meant: it takes the mean of
// its neighbours. Outer edges have a clear side and stay as they are.
void closePinholes(std::vector<Pixel>& pixels, int width, int height) {
    for (int y = 1; y + 1 < height; ++y) {
        for (int x = 1; x + 1 < width; ++x) {
            Pixel& p = pixels[static_cast<size_t>(y) * width + x];
            const Pixel* sides[4] = {&p - 1, &p + 1, &p - width, &p + width};
            if (p.solid ||
                !(sides[0]->solid && sides[1]->solid && sides[2]->solid && sides[3]->solid)) {
                continue;
            }
            p = Pixel{0, 0, 0, true};
            for (const Pixel* side : sides) {
                p.r += side->r;
                p.g += side->g;
                p.b += side->b;
            }
            p.r /= 4;
            p.g /= 4;
            p.b /= 4;
        }
    }
}

}  // namespace

std::vector<unsigned char> Canvas::opaqueRgb() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<Pixel> pixels(static_cast<size_t>(width_) * height_);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            pixels[static_cast<size_t>(y) * width_ + x] = unpremultiplied(row[x]);
        }
    }
    closePinholes(pixels, width_, height_);
    std::vector<unsigned char> rgb(pixels.size() * 3);
    for (size_t i = 0; i < pixels.size(); ++i) {
        Pixel p = pixels[i];
        if (p.solid && p.r == 255 && p.g == 0 && p.b == 0) {
            p.r = 254;
        }
        rgb[i * 3] = static_cast<unsigned char>(p.r);
        rgb[i * 3 + 1] = static_cast<unsigned char>(p.g);
        rgb[i * 3 + 2] = static_cast<unsigned char>(p.b);
    }
    return rgb;
}

int Canvas::writeBmp(const std::string& path, bool disguised) const {
    return writeRgbBmp(path, width_, height_, opaqueRgb(), disguised);
}

int Canvas::writePng(const std::string& path) const {
    return cairo_surface_write_to_png(surface_, path.c_str()) == CAIRO_STATUS_SUCCESS ? 0 : -1;
}

namespace {

void put16(unsigned char* p, unsigned v) {
    p[0] = v & 0xff;
    p[1] = (v >> 8) & 0xff;
}

void put32(unsigned char* p, unsigned v) {
    put16(p, v & 0xffff);
    put16(p + 2, v >> 16);
}

}  // namespace

int writeRgbBmp(const std::string& path, int width, int height,
                const std::vector<unsigned char>& rgb, bool disguised) {
    const unsigned rowBytes = (static_cast<unsigned>(width) * 3 + 3) & ~3u;
    const unsigned imageBytes = rowBytes * static_cast<unsigned>(height);
    unsigned char header[54] = {};
    header[0] = 'B';
    header[1] = 'M';
    put32(header + 2, 54 + imageBytes);
    put32(header + 10, 54);
    put32(header + 14, 40);
    put32(header + 18, static_cast<unsigned>(width));
    put32(header + 22, static_cast<unsigned>(height));
    put16(header + 26, 1);
    put16(header + 28, 24);
    put32(header + 34, imageBytes);
    put32(header + 38, 2835);
    put32(header + 42, 2835);
    if (disguised) {
        header[0] = header[1] = header[2] = header[3] = '0';
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "kavrel-assetgen: cannot write %s\n", path.c_str());
        return -1;
    }
    std::fwrite(header, 1, sizeof header, f);
    std::vector<unsigned char> row(rowBytes, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* in = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            row[x * 3 + 0] = in[2];
            row[x * 3 + 1] = in[1];
            row[x * 3 + 2] = in[0];
        }
        std::fwrite(row.data(), 1, rowBytes, f);
    }
    const bool ok = std::fflush(f) == 0;
    std::fclose(f);
    return ok ? 0 : -1;
}
