#pragma once

#include <SDL.h>

// Notices a pad being plugged in or out by the modification time of the
// folder that holds the input device nodes, looked at once a second. A change
// counts once it has held still for one look, so that the system has set the
// new device up before SDL is asked to look for pads again.
class DeviceFolderWatch {
  public:
    static constexpr Uint32 kLookMs = 1000;

    explicit DeviceFolderWatch(const char* path) : path_(path) {}

    // True once for each settled change; the first look only takes note.
    bool settledChange(Uint32 now);

  private:
    long long stamp() const;

    const char* path_;
    bool looked_ = false;
    Uint32 lastLook_ = 0;
    long long seen_ = 0;
    long long settled_ = 0;
};
