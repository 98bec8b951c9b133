#pragma once

#include <string>

#include "support/ReplayRecording.h"

// Writes a recording as the small text file ReplayRecording reads: a header,
// the keys in runs of equal frames, the outcome and the digests.
class ReplayWriter {
  public:
    static bool write(const ReplayRecording& recording, const std::string& path);
};
