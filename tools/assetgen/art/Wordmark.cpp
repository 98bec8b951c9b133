#include "assetgen/art/Wordmark.h"

#include "assetgen/art/StoryBrush.h"

namespace {

constexpr const char* kName = "KAVREL";
constexpr Rgb kHalo{0.45, 0.88, 1.0};
constexpr int kHaloSteps = 16;

}  // namespace

Wordmark::Wordmark(double sizePx) {
    style_.sizePx = sizePx;
    style_.letterSpacing = sizePx / 24;
    style_.outlineWidth = sizePx / 38;
}

TextSize Wordmark::size() const {
    return measureText(kName, style_);
}

void Wordmark::draw(cairo_t* cr, double x, double y) const {
    drawHalo(cr, x, y);
    TextStyle edge = style_;
    edge.fill = Rgb{0.16, 0.10, 0.34};
    const int depth = static_cast<int>(style_.sizePx / 19);
    for (int i = depth; i >= 1; --i) {
        drawText(cr, kName, x + i, y + i, edge);
    }
    drawText(cr, kName, x, y, style_);
    drawChromeFace(cr, x, y);
}

// Many thin, faint layers, each a little wider than the last, so that the
// light falls off smoothly instead of in bands.
void Wordmark::drawHalo(cairo_t* cr, double x, double y) const {
    const double reach = style_.sizePx / 6;
    for (int step = kHaloSteps; step >= 1; --step) {
        TextStyle glow = style_;
        glow.fill = kHalo;
        glow.outline = kHalo;
        const double grow = reach * step / kHaloSteps;
        glow.outlineWidth = style_.outlineWidth + grow;
        cairo_push_group(cr);
        drawText(cr, kName, x - grow, y - grow, glow);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.035);
    }
}

// A fill that breaks at its middle like polished metal reflecting a horizon.
void Wordmark::drawChromeFace(cairo_t* cr, double x, double y) const {
    TextStyle face = style_;
    face.outlineWidth = 0;
    cairo_push_group(cr);
    drawText(cr, kName, x + style_.outlineWidth, y + style_.outlineWidth, face);
    cairo_pattern_t* mask = cairo_pop_group(cr);
    const double height = size().height;
    cairo_pattern_t* chrome = cairo_pattern_create_linear(0, y, 0, y + height);
    StoryBrush::addStop(chrome, 0.0, kWhite);
    StoryBrush::addStop(chrome, 0.47, Rgb{0.62, 0.88, 1.00});
    StoryBrush::addStop(chrome, 0.5, Rgb{0.08, 0.28, 0.62});
    StoryBrush::addStop(chrome, 0.75, Rgb{0.22, 0.55, 0.88});
    StoryBrush::addStop(chrome, 1.0, Rgb{0.70, 0.95, 1.00});
    cairo_set_source(cr, chrome);
    cairo_mask(cr, mask);
    cairo_pattern_destroy(chrome);
    cairo_pattern_destroy(mask);
}
