#include "support/XvfbSession.h"

#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace {

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

void pause(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The first line of output that is a plain number (a window id).
unsigned long firstNumber(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.find_first_not_of("0123456789") == std::string::npos) {
            return std::strtoul(line.c_str(), nullptr, 10);
        }
    }
    return 0;
}

int shellValue(const std::string& output, const std::string& name) {
    const size_t at = output.find(name + "=");
    return at == std::string::npos ? -1 : std::atoi(output.c_str() + at + name.size() + 1);
}

}  // namespace

XvfbSession::XvfbSession(int width, int height) {
    for (int number = 90; number < 160 && display_.empty(); ++number) {
        if (!exists("/tmp/.X" + std::to_string(number) + "-lock") &&
            !exists("/tmp/.X11-unix/X" + std::to_string(number))) {
            startServer(number, width, height);
        }
    }
}

XvfbSession::~XvfbSession() {
    windowManager_.stop(1000);
    server_.stop(2000);
}

bool XvfbSession::startServer(int number, int width, int height) {
    const std::string display = ":" + std::to_string(number);
    // -noreset: the server would otherwise reset each time its last client
    // (a probe, a tool) leaves, and refuse the next one meanwhile.
    const std::string size = std::to_string(width) + "x" + std::to_string(height) + "x24";
    if (!server_.start({"Xvfb", display, "-screen", "0", size, "-nolisten", "tcp", "-noreset"}, "",
                       {}, "")) {
        return false;
    }
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    bool ready = false;
    // A server that ends meanwhile lost the number to someone else.
    pollUntil(10000, 20, [&] {
        ready = exists(socket) &&
                ChildProcess::run({"xdpyinfo"}, {"DISPLAY=" + display}, nullptr, 5000) == 0;
        return ready || !server_.running();
    });
    if (ready) {
        display_ = display;
    } else {
        server_.stop(500);
    }
    return ready;
}

bool XvfbSession::startWindowManager() {
    // No key shortcuts of its own: its default takes F11, which is the game's.
    if (!windowManager_.start(
            {"matchbox-window-manager", "-use_titlebar", "no", "-kbdconfig", "/dev/null"}, "",
            {displayEnv()}, "")) {
        return false;
    }
    // Ready once it owns the screen's window-manager selection.
    return pollUntil(5000, 20, [this] {
        std::string output;
        tool({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, &output);
        return output.find("window id") != std::string::npos;
    });
}

int XvfbSession::tool(const std::vector<std::string>& argv, std::string* output) const {
    return ChildProcess::run(argv, {displayEnv()}, output, 10000);
}

unsigned long XvfbSession::findWindow(const std::string& title) const {
    std::string output;
    if (tool({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}, &output) != 0) {
        return 0;
    }
    return firstNumber(output);
}

unsigned long XvfbSession::waitForWindow(const std::string& title, int timeoutMs) const {
    unsigned long window = 0;
    pollUntil(timeoutMs, 50, [&] { return (window = findWindow(title)) != 0; });
    return window;
}

bool XvfbSession::windowGeometry(unsigned long window, int& width, int& height) const {
    std::string output;
    if (tool({"xdotool", "getwindowgeometry", "--shell", std::to_string(window)}, &output) != 0) {
        return false;
    }
    width = shellValue(output, "WIDTH");
    height = shellValue(output, "HEIGHT");
    return width > 0 && height > 0;
}

unsigned long XvfbSession::waitForDrawnWindow(const std::string& title, int timeoutMs) const {
    unsigned long window = 0;
    const bool drawn = pollUntil(timeoutMs, 100, [&] {
        // Searched anew each time: a program may replace its first window.
        window = findWindow(title);
        std::string colours;
        return window != 0 &&
               tool({"import", "-window", std::to_string(window), "-format", "%k", "info:-"},
                    &colours) == 0 &&
               std::atoi(colours.c_str()) > 1;
    });
    return drawn ? window : 0;
}

bool XvfbSession::focus(unsigned long window) const {
    const std::string id = std::to_string(window);
    // A window manager that has just started may not manage the window yet,
    // and a bare server has none to activate through.
    return pollUntil(2000, 100, [&] {
        return tool({"xdotool", "windowactivate", "--sync", id}) == 0 ||
               tool({"xdotool", "windowfocus", "--sync", id}) == 0;
    });
}

void XvfbSession::holdKey(const std::string& key, int holdMs) const {
    tool({"xdotool", "keydown", key});
    pause(holdMs);
    tool({"xdotool", "keyup", key});
}

bool XvfbSession::closeWindow(unsigned long window) const {
    // Xlib is taken at run time so that the tests need no link against it.
    void* xlib = dlopen("libX11.so.6", RTLD_NOW);
    if (!xlib) {
        return false;
    }
    auto openDisplay = reinterpret_cast<Display* (*)(const char*)>(dlsym(xlib, "XOpenDisplay"));
    auto internAtom =
        reinterpret_cast<Atom (*)(Display*, const char*, Bool)>(dlsym(xlib, "XInternAtom"));
    auto sendEvent = reinterpret_cast<Status (*)(Display*, Window, Bool, long, XEvent*)>(
        dlsym(xlib, "XSendEvent"));
    auto closeDisplay = reinterpret_cast<int (*)(Display*)>(dlsym(xlib, "XCloseDisplay"));
    Display* x = openDisplay && internAtom && sendEvent && closeDisplay
                     ? openDisplay(display_.c_str())
                     : nullptr;
    bool sent = false;
    if (x) {
        XEvent event = {};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = internAtom(x, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(internAtom(x, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        sent = sendEvent(x, window, False, NoEventMask, &event) != 0;
        closeDisplay(x);  // flushes the request
    }
    dlclose(xlib);
    return sent;
}

bool XvfbSession::screenshot(const std::string& path) const {
    return tool({"import", "-window", "root", "-type", "TrueColor", path}) == 0;
}
