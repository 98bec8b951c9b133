#pragma once

// How large a window shows the 800 by 600 picture. The game always draws one
// 800 by 600 surface; sdl12-compat scales it into a larger window when
// SDL12COMPAT_WINDOW_SCALING asks for it.
class WindowScale {
  public:
    static constexpr int kFactorCount = 6;
    static constexpr double kFactors[kFactorCount] = {1.0, 1.5, 2.0, 2.5, 3.0, 4.0};
    static constexpr const char* kVariable = "SDL12COMPAT_WINDOW_SCALING";
    static constexpr const char* kMethodVariable = "SDL12COMPAT_SCALE_METHOD";

    static bool offered(double factor);
    // The largest factor whose window fits within 90 % of the desktop's
    // width and height; 1 when none does or the desktop is unknown (0 by 0).
    static double fitting(int desktopWidth, int desktopHeight);
    // Sets the variable before SDL starts: to forced when it is a factor,
    // else, unless the player has set it already, to the factor that fits
    // the desktop. With it the scaling method, unless the player set one.
    static void setUp(double forced, bool fullScreen);

  private:
    static bool desktopSize(int& width, int& height);
};
