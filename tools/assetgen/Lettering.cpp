#include "assetgen/Lettering.h"

#include <pango/pangocairo.h>

#include "assetgen/Gradient.h"

namespace {

PangoLayout* makeLayout(cairo_t* cr, const std::string& text, const TextStyle& style) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Bebas Neue, DejaVu Sans Bold");
    pango_font_description_set_weight(font, PANGO_WEIGHT_BOLD);
    pango_font_description_set_absolute_size(font, style.sizePx * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(
        attrs, pango_attr_letter_spacing_new(static_cast<int>(style.letterSpacing * PANGO_SCALE)));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

// The ink extents, so that "top-left" means the letters' own corner.
PangoRectangle inkOf(PangoLayout* layout) {
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    return ink;
}

}  // namespace

TextSize measureText(const std::string& text, const TextStyle& style) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* cr = cairo_create(s);
    PangoLayout* layout = makeLayout(cr, text, style);
    const PangoRectangle ink = inkOf(layout);
    g_object_unref(layout);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
    return TextSize{ink.width + style.outlineWidth * 2, ink.height + style.outlineWidth * 2};
}

void drawText(cairo_t* cr, const std::string& text, double x, double y, const TextStyle& style) {
    PangoLayout* layout = makeLayout(cr, text, style);
    const PangoRectangle ink = inkOf(layout);
    cairo_save(cr);
    cairo_move_to(cr, x - ink.x + style.outlineWidth, y - ink.y + style.outlineWidth);
    pango_cairo_layout_path(cr, layout);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (style.outlineWidth > 0) {
        setColour(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_stroke_preserve(cr);
    }
    // Light from the upper left: the letters brighten towards their top.
    const Rgb shade{style.fill.r * 0.85, style.fill.g * 0.85, style.fill.b * 0.85};
    Gradient::linear(0, y, 0, y + ink.height)
        .stop(0, lighten(style.fill, 0.25))
        .stop(1, shade)
        .fill(cr);
    cairo_restore(cr);
    g_object_unref(layout);
}

void drawTextCentred(cairo_t* cr, const std::string& text, double cx, double cy,
                     const TextStyle& style) {
    const TextSize size = measureText(text, style);
    drawText(cr, text, cx - size.width / 2, cy - size.height / 2, style);
}

TextStyle fitTextStyle(const std::string& text, double w, double h, TextStyle style) {
    while (style.sizePx > 6) {
        const TextSize size = measureText(text, style);
        if (size.width <= w && size.height <= h) {
            break;
        }
        style.sizePx -= 0.5;
    }
    return style;
}
