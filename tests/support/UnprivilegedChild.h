#pragma once

#include <functional>

// Runs a check in a forked child that cannot write what it does not own:
// when the tests run as root (as in CI) the child first drops to the
// unprivileged "nobody" user, for whom read-only files are read-only. The
// result is the check's return value as the child's exit code, kCannotDrop
// when root could not be given up, or -1 when the child died.
class UnprivilegedChild {
  public:
    static constexpr int kCannotDrop = 90;

    static int run(const std::function<int()>& check);
};
