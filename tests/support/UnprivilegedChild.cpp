#include "support/UnprivilegedChild.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int UnprivilegedChild::run(const std::function<int()>& check) {
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(kCannotDrop);
        }
        const int code = check();
        std::fflush(stdout);
        // No exit handlers: the parent's test framework and sanitizers report
        // for the parent.
        _exit(code);
    }
    if (child < 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
