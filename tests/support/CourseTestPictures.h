#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/TestPictures.h"
#include "support/WorkingDirectory.h"

// The small pictures a course test writes for a course to load, under
// "data/" in a folder of the test's own. The popup digits and the two bonus
// pictures are the same files in every course.
class CourseTestPictures {
  public:
    explicit CourseTestPictures(std::string folder) : folder_(std::move(folder)) {}

    // The full path of "data/<relative>".
    std::string path(const std::string& relative) const;
    bool picture(const std::string& relative, const TestPicture& picture) const;
    // A solid picture of one colour.
    bool solid(const std::string& relative, int width, int height, TestRgb colour) const;
    // The digits 0, 1 and 5 the courses draw their popups with.
    bool digits(const TestPicture& zero, const TestPicture& one, const TestPicture& five) const;
    bool bonuses(const TestPicture& doubling, const TestPicture& halving) const;

    // Loads a course from the pictures in folder (the working directory goes
    // back afterwards) and resets it with the rand sequence at srand(1).
    template <class Course>
    static void loadAndReset(Course& course, const std::string& folder, SDL_Surface* screen) {
        {
            WorkingDirectory inside(folder);
            ASSERT_TRUE(inside.entered());
            course.loadImages(screen);
        }
        std::srand(1);
        course.reset();
    }

  private:
    std::string folder_;
};
