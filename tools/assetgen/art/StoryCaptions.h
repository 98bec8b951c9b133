#pragma once

#include <cairo.h>

#include "assetgen/Lettering.h"

// The story's captions: white display lettering with a dark outline, each
// on a picture just big enough for its one or two lines and transparent
// around them.
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

    static int count();
    static const Caption& at(int index);
    static TextStyle style();
    static Size size(const Caption& caption);
    // Draws the caption with its picture's top-left corner at (0, 0).
    static void draw(cairo_t* cr, const Caption& caption);
};
