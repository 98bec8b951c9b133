#include "support/CourseTestPictures.h"

std::string CourseTestPictures::path(const std::string& relative) const {
    return folder_ + "/data/" + relative;
}

bool CourseTestPictures::picture(const std::string& relative, const TestPicture& picture) const {
    return picture.write(path(relative));
}

bool CourseTestPictures::solid(const std::string& relative, int width, int height,
                               TestRgb colour) const {
    return writeSolidPicture(path(relative), width, height, colour);
}

bool CourseTestPictures::digits(const TestPicture& zero, const TestPicture& one,
                                const TestPicture& five) const {
    return picture("M/m039.obx", zero) && picture("M/m040.obx", one) && picture("M/m044.obx", five);
}

bool CourseTestPictures::bonuses(const TestPicture& doubling, const TestPicture& halving) const {
    return picture("M/m054.obx", doubling) && picture("M/m055.obx", halving);
}
