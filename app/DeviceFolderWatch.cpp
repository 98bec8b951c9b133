#include "app/DeviceFolderWatch.h"

#include <sys/stat.h>

bool DeviceFolderWatch::settledChange(Uint32 now) {
    if (looked_ && now - lastLook_ < kLookMs) {
        return false;
    }
    const long long current = stamp();
    const bool first = !looked_;
    const bool still = current == seen_;
    looked_ = true;
    lastLook_ = now;
    seen_ = current;
    if (first) {
        settled_ = current;
        return false;
    }
    if (!still || current == settled_) {
        return false;
    }
    settled_ = current;
    return true;
}

// Nanoseconds of the last change; 0 when the folder is not there.
long long DeviceFolderWatch::stamp() const {
    struct stat info {};
    if (stat(path_, &info) != 0) {
        return 0;
    }
    return static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
}
