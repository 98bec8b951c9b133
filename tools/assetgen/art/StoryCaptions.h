#pragma once

#include <cairo.h>

#include "assetgen/Lettering.h"

// The story's captions: white display lettering with a dark outline, each
// on a picture just big enough for its one or two lines and transparent
// around them. All captions share one letter size.
class StoryCaptions {
  public:
    struct Caption {
        const char* file;
        const char* lines[2];  // the second may be null
    };
    struct Size {
        int width;
        int height;
    };

    StoryCaptions();

    int count() const;
    const Caption& at(int index) const;
    const TextStyle& style() const { return style_; }
    Size size(const Caption& caption) const;
    // Draws the caption with its picture's top-left corner at (0, 0).
    void draw(cairo_t* cr, const Caption& caption) const;

  private:
    TextStyle style_;
};
