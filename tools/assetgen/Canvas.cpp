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

std::vector<unsigned char> Canvas::opaqueRgb() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<unsigned char> rgb(static_cast<size_t>(width_) * height_ * 3);
    for (int y = 0; y < height_; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t p = row[x];
            const unsigned a = p >> 24;
            unsigned r = 255, g = 0, b = 0;
            if (a >= 128) {
                // Cairo stores premultiplied colour; undo it for the opaque pixel.
                r = ((p >> 16) & 0xff) * 255 / a;
                g = ((p >> 8) & 0xff) * 255 / a;
                b = (p & 0xff) * 255 / a;
                if (r == 255 && g == 0 && b == 0) {
                    r = 254;
                }
            }
            unsigned char* out = &rgb[(static_cast<size_t>(y) * width_ + x) * 3];
            out[0] = static_cast<unsigned char>(r);
            out[1] = static_cast<unsigned char>(g);
            out[2] = static_cast<unsigned char>(b);
        }
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
