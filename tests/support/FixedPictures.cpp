#include "support/FixedPictures.h"

#include <cstdio>

#include "support/TestPictures.h"

namespace {

enum Shape {
    // A solid rectangle: backgrounds, tiles, bands, digits.
    Full,
    // An ellipse touching the four sides: obstacles, crafts, explosions, the
    // brain, shots.
    Disc,
    // A 3-pixel border: captions, labels and menu items.
    Frame,
    // Solid across the upper 70 % of the rows: the chamber's ceiling.
    Upper,
    // Solid across the lower 80 % of the rows: the chamber's floor.
    Lower,
    // Solid in the right 45 % of the columns: the chamber's front wall.
    Right,
};

// Files "data/<pattern>" for the numbers first to last, all of one size.
struct Group {
    const char* pattern;
    int first;
    int last;
    int width;
    int height;
    Shape shape;
};

const Group kGroups[] = {
    {"H/h%03d.obx", 0, 0, 300, 44, Frame},      {"H/h%03d.obx", 1, 36, 12, 22, Full},
    {"L1/%d.obx", 1001, 1001, 800, 600, Full},  {"L1/%d.obx", 1002, 1002, 96, 72, Disc},
    {"L1/%d.obx", 1003, 1003, 48, 44, Disc},    {"L1/%d.obx", 1004, 1004, 140, 116, Disc},
    {"L1/%d.obx", 1005, 1005, 136, 58, Disc},   {"L1/%d.obx", 1006, 1006, 78, 100, Disc},
    {"L1/%d.obx", 1007, 1007, 124, 76, Disc},   {"L1/%d.obx", 1009, 1009, 30, 24, Disc},
    {"L1/%d.obx", 1010, 1010, 34, 18, Disc},    {"L1/%d.obx", 1011, 1011, 12, 10, Disc},
    {"L1/%d.obx", 1012, 1012, 9, 9, Disc},      {"L1/%d.obx", 1013, 1013, 24, 14, Disc},
    {"L1/%d.obx", 1014, 1014, 40, 6, Full},     {"L1/%d.obx", 1015, 1015, 18, 16, Disc},
    {"L1/%d.obx", 1016, 1016, 28, 4, Full},     {"L1/%d.obx", 1017, 1017, 8, 8, Disc},
    {"L1/%d.obx", 1018, 1019, 3, 3, Full},      {"L1/%d.obx", 1020, 1020, 230, 300, Frame},
    {"L2/%d.obx", 2001, 2001, 800, 600, Full},  {"L2/%d.obx", 2002, 2003, 76, 94, Disc},
    {"L2/%d.obx", 2004, 2004, 54, 172, Disc},   {"L2/%d.obx", 2005, 2005, 40, 112, Disc},
    {"L2/%d.obx", 2006, 2006, 122, 62, Disc},   {"L2/%d.obx", 2007, 2007, 100, 72, Disc},
    {"L2/%d.obx", 2008, 2008, 50, 50, Disc},    {"L2/%d.obx", 2009, 2009, 78, 112, Disc},
    {"L2/%d.obx", 2010, 2010, 114, 84, Disc},   {"L2/%d.obx", 2011, 2011, 140, 92, Disc},
    {"L2/%d.obx", 2012, 2012, 88, 112, Disc},   {"L2/%d.obx", 2013, 2013, 212, 150, Disc},
    {"L2/%d.obx", 2014, 2014, 200, 410, Frame}, {"L2/%d.obx", 2015, 2015, 805, 44, Full},
    {"L2/%d.obx", 2016, 2016, 212, 80, Disc},   {"L3/%d.obx", 1001, 1001, 800, 600, Full},
    {"L3/%d.obx", 1002, 1003, 800, 50, Full},   {"L3/%d.obx", 1004, 1004, 84, 66, Disc},
    {"L3/%d.obx", 1005, 1005, 84, 84, Disc},    {"L3/%d.obx", 1006, 1006, 80, 80, Disc},
    {"L3/%d.obx", 1007, 1007, 132, 54, Disc},   {"L3/%d.obx", 1008, 1008, 66, 88, Disc},
    {"L3/%d.obx", 1009, 1009, 98, 74, Disc},    {"L3/%d.obx", 1010, 1010, 120, 90, Disc},
    {"L3/%d.obx", 1011, 1011, 92, 92, Disc},    {"L3/%d.obx", 1012, 1013, 104, 54, Disc},
    {"L3/%d.obx", 1014, 1014, 120, 54, Disc},   {"L3/%d.obx", 1015, 1015, 52, 48, Disc},
    {"L3/%d.obx", 1016, 1016, 58, 40, Disc},    {"L3/%d.obx", 1017, 1017, 50, 20, Disc},
    {"L3/%d.obx", 1018, 1018, 46, 32, Disc},    {"L3/%d.obx", 1019, 1019, 54, 24, Disc},
    {"L4/%d.obx", 4001, 4001, 8, 8, Disc},      {"L4/%d.obx", 4002, 4002, 10, 10, Disc},
    {"L4/%d.obx", 4003, 4003, 12, 12, Disc},    {"L4/%d.obx", 4004, 4004, 9, 9, Disc},
    {"L4/%d.obx", 4005, 4005, 74, 112, Disc},   {"L4/%d.obx", 4006, 4006, 62, 62, Disc},
    {"L4/%d.obx", 4007, 4007, 132, 100, Disc},  {"L4/%d.obx", 4008, 4008, 50, 46, Disc},
    {"L4/%d.obx", 4009, 4009, 84, 138, Disc},   {"L4/%d.obx", 4010, 4010, 104, 104, Disc},
    {"L4/%d.obx", 4011, 4011, 48, 48, Disc},    {"L4/%d.obx", 4012, 4012, 54, 54, Disc},
    {"L4/%d.obx", 4013, 4013, 36, 36, Disc},    {"L4/%d.obx", 4014, 4014, 84, 44, Disc},
    {"L4/%d.obx", 4015, 4015, 28, 28, Disc},    {"L4/%d.obx", 4016, 4016, 66, 66, Disc},
    {"L4/%d.obx", 4017, 4017, 46, 30, Disc},    {"L4/%d.obx", 4018, 4018, 1000, 72, Upper},
    {"L4/%d.obx", 4019, 4019, 74, 366, Disc},   {"L4/%d.obx", 4020, 4020, 1000, 135, Lower},
    {"L4/%d.obx", 4021, 4021, 180, 600, Right}, {"L4/%d.obx", 4022, 4022, 800, 600, Full},
    {"L4/%d.obx", 4023, 4024, 40, 40, Disc},    {"L4/%d.obx", 4025, 4025, 18, 18, Disc},
    {"L4/%d.obx", 4026, 4026, 22, 22, Disc},    {"L4/%d.obx", 4027, 4027, 16, 16, Disc},
    {"L4/%d.obx", 4028, 4028, 40, 30, Full},    {"L4/%d.obx", 4029, 4033, 134, 114, Disc},
    {"L4/%d.obx", 4034, 4035, 513, 24, Full},   {"L4/%d.obx", 4036, 4037, 40, 40, Disc},
    {"L4/%d.obx", 4038, 4038, 800, 600, Full},  {"L4/%d.obx", 4039, 4040, 800, 52, Full},
    {"L4/%d.obx", 4041, 4041, 92, 88, Disc},    {"L4/arrow.obx", 0, 0, 200, 80, Frame},
    {"L4/bt.obx", 0, 0, 225, 64, Frame},        {"M/m%03d.obx", 1, 1, 83, 40, Disc},
    {"M/m%03d.obx", 3, 11, 83, 40, Disc},       {"M/m%03d.obx", 12, 23, 180, 160, Disc},
    {"M/m%03d.obx", 24, 27, 13, 10, Disc},      {"M/m%03d.obx", 28, 31, 14, 11, Disc},
    {"M/m%03d.obx", 32, 35, 7, 7, Disc},        {"M/m%03d.obx", 36, 36, 5, 3, Full},
    {"M/m%03d.obx", 37, 38, 92, 26, Frame},     {"M/m%03d.obx", 39, 48, 16, 24, Full},
    {"M/m%03d.obx", 49, 49, 95, 44, Frame},     {"M/m%03d.obx", 50, 53, 32, 44, Frame},
    {"M/m%03d.obx", 54, 55, 56, 56, Disc},      {"M/pause.obx", 0, 0, 300, 180, Frame},
    {"M2/exp%d.obx", 1, 4, 180, 160, Disc},     {"M2/m%03d.obx", 3, 11, 83, 40, Disc},
    {"M2/m%03d.obx", 201, 201, 30, 20, Full},   {"M2/test.obx", 0, 0, 83, 40, Disc},
    {"MS/%d_1.obx", 1, 3, 800, 600, Full},      {"MS/%d_2.obx", 1, 3, 800, 600, Full},
    {"MS/%d_3.obx", 1, 3, 800, 600, Full},      {"MS/1_4.obx", 0, 0, 800, 600, Full},
    {"MS/bk.obx", 0, 0, 800, 600, Full},        {"MS/logo.obx", 0, 0, 800, 600, Full},
    {"MS/ms_01_0%d.obx", 1, 5, 600, 39, Frame}, {"MS/ms_01_0%d.obx", 6, 6, 700, 42, Frame},
    {"MS/ms_02_0%d.obx", 1, 2, 596, 39, Frame}, {"MS/ms_03_0%d.obx", 1, 1, 530, 85, Frame},
    {"MU/%dp.obx", 1, 2, 50, 62, Frame},        {"MU/%dpw.obx", 1, 2, 50, 62, Frame},
    {"MU/mu%03d.obx", 1, 1, 30, 20, Full},      {"MU/mu%03d.obx", 2, 2, 800, 600, Full},
    {"MU/mu%03d.obx", 3, 15, 150, 36, Frame},   {"MU/mu%03d.obx", 20, 20, 192, 28, Frame},
    {"MU/mu%03d.obx", 21, 21, 16, 16, Disc},    {"MU/mu%03d.obx", 22, 27, 192, 30, Frame},
    {"MU/mu%03d.obx", 29, 33, 80, 22, Frame},
};

// A colour of its own for every file, never the transparent pure red.
TestRgb colourOf(int index) {
    return TestRgb{static_cast<std::uint8_t>(30 + (index * 37) % 190),
                   static_cast<std::uint8_t>(40 + (index * 53) % 200),
                   static_cast<std::uint8_t>(50 + (index * 29) % 180)};
}

bool solidAt(Shape shape, int x, int y, int w, int h) {
    switch (shape) {
        case Disc: {
            // Inside the ellipse, measured from pixel centres, in integers.
            const long dx = 2L * x + 1 - w;
            const long dy = 2L * y + 1 - h;
            return dx * dx * h * h + dy * dy * w * w <= 1L * w * w * h * h;
        }
        case Frame:
            return x < 3 || y < 3 || x >= w - 3 || y >= h - 3;
        case Upper:
            return 10 * y < 7 * h;
        case Lower:
            return 10 * y >= 2 * h;
        case Right:
            return 100 * x >= 55 * w;
        default:
            return true;
    }
}

bool writeOne(const std::string& path, const Group& g, int index) {
    TestPicture picture(g.width, g.height, kTransparent);
    const TestRgb colour = colourOf(index);
    for (int y = 0; y < g.height; ++y) {
        for (int x = 0; x < g.width; ++x) {
            if (solidAt(g.shape, x, y, g.width, g.height)) {
                picture.set(x, y, colour);
            }
        }
    }
    return picture.write(path);
}

}  // namespace

bool FixedPictures::write(const std::string& folder) {
    int index = 0;
    for (const Group& g : kGroups) {
        for (int n = g.first; n <= g.last; ++n) {
            char name[64];
            std::snprintf(name, sizeof name, g.pattern, n);
            if (!writeOne(folder + "/data/" + name, g, index++)) {
                return false;
            }
        }
    }
    return true;
}

int FixedPictures::count() {
    int files = 0;
    for (const Group& g : kGroups) {
        files += g.last - g.first + 1;
    }
    return files;
}
