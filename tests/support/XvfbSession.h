#pragma once

#include <string>
#include <vector>

#include "support/ChildProcess.h"

// A private X server (Xvfb) for the real-window tests, on a free display
// number of its own, with the X tools the tests drive it by: xdotool for
// windows and keys, import for screenshots, and optionally a small window
// manager (matchbox) for the tests that need one, such as full screen.
class XvfbSession {
  public:
    static constexpr int kScreenWidth = 1024;
    static constexpr int kScreenHeight = 768;

    // A screen of width by height pixels at 24 bits.
    explicit XvfbSession(int width = kScreenWidth, int height = kScreenHeight);
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    // False when no server could be started.
    bool running() const { return !display_.empty(); }
    // The environment entry that points a program at this server.
    std::string displayEnv() const { return "DISPLAY=" + display_; }

    bool startWindowManager();

    // Runs an X tool against this server; its exit status (-1 on failure).
    int tool(const std::vector<std::string>& argv, std::string* output = nullptr) const;
    // The id of a mapped window with exactly this title, or 0.
    unsigned long findWindow(const std::string& title) const;
    // Polls until a window with exactly this title is mapped; its id, or 0
    // when none came within timeoutMs.
    unsigned long waitForWindow(const std::string& title, int timeoutMs) const;
    bool windowGeometry(unsigned long window, int& width, int& height) const;
    // Polls until a window with this title shows a picture (more than one
    // colour), the sign that the program has loaded and draws; its id, or 0
    // after timeoutMs.
    unsigned long waitForDrawnWindow(const std::string& title, int timeoutMs) const;
    // Gives the window the keyboard: activation through the window manager
    // when there is one, else plain focus.
    bool focus(unsigned long window) const;
    // Presses a key for holdMs (the game samples held keys once per frame).
    void holdKey(const std::string& key, int holdMs = 150) const;
    // Asks the window to close, as its close button does (WM_DELETE_WINDOW).
    bool closeWindow(unsigned long window) const;
    // The whole screen in true colour, in the format the path's extension
    // (or a prefix such as "bmp3:") names.
    bool screenshot(const std::string& path) const;

  private:
    bool startServer(int number, int width, int height);

    ChildProcess server_;
    ChildProcess windowManager_;
    std::string display_;
};
