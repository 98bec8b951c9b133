#include "support/ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/TempFolder.h"

namespace {

[[noreturn]] void execInChild(const std::vector<std::string>& argv, const std::string& folder,
                              const std::vector<std::string>& env, const std::string& outputPath) {
    // A test killed by its time limit takes its X server and game with it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (!folder.empty() && chdir(folder.c_str()) != 0) {
        _exit(127);
    }
    for (const std::string& entry : env) {
        const size_t equals = entry.find('=');
        if (equals == std::string::npos) {
            unsetenv(entry.c_str());
        } else {
            setenv(entry.substr(0, equals).c_str(), entry.substr(equals + 1).c_str(), 1);
        }
    }
    const int out = open(outputPath.empty() ? "/dev/null" : outputPath.c_str(),
                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out >= 0) {
        dup2(out, STDOUT_FILENO);
        dup2(out, STDERR_FILENO);
        close(out);
    }
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

}  // namespace

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        stop(500);
    }
}

bool ChildProcess::start(const std::vector<std::string>& argv, const std::string& folder,
                         const std::vector<std::string>& env, const std::string& outputPath) {
    if (argv.empty() || pid_ > 0) {
        return false;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        execInChild(argv, folder, env, outputPath);
    }
    if (child < 0) {
        return false;
    }
    pid_ = child;
    exitCode_ = -1;
    return true;
}

void ChildProcess::reap(int status) {
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
}

bool ChildProcess::running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        reap(status);
        return false;
    }
    return true;
}

bool ChildProcess::waitForExit(int timeoutMs) {
    return pollUntil(timeoutMs, 5, [this] { return !running(); });
}

void ChildProcess::stop(int graceMs) {
    if (!running()) {
        return;
    }
    kill(pid_, SIGTERM);
    if (!waitForExit(graceMs) && pid_ > 0) {
        kill(pid_, SIGKILL);
        int status = 0;
        waitpid(pid_, &status, 0);
        reap(status);
    }
}

int ChildProcess::run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                      std::string* output, int timeoutMs) {
    TempFolder folder;
    const std::string outputPath = folder.file("output.txt");
    ChildProcess child;
    if (!child.start(argv, "", env, outputPath)) {
        return -1;
    }
    const bool ended = child.waitForExit(timeoutMs);
    if (!ended) {
        child.stop(100);
    }
    if (output) {
        *output = readWholeTextFile(outputPath);
    }
    return ended ? child.exitCode() : -1;
}

bool pollUntil(int timeoutMs, int stepMs, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(stepMs));
    }
    return true;
}

std::string readWholeTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
