#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

// A program started by a test: the real game, an X server, a window manager
// or one of the X tools. The process is killed when the object goes.
class ChildProcess {
  public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Starts argv (argv[0] is looked up in PATH) in folder ("" for the
    // current one). Each env entry "NAME=value" sets a variable, "NAME" alone
    // removes it. Standard output and error go to outputPath ("" discards
    // them). False when the program could not be started.
    bool start(const std::vector<std::string>& argv, const std::string& folder,
               const std::vector<std::string>& env, const std::string& outputPath);
    // Polls for the end of the process for at most timeoutMs; true when it
    // has ended.
    bool waitForExit(int timeoutMs);
    bool running();
    // The exit status once ended normally; -1 while running or after a signal.
    int exitCode() const { return exitCode_; }
    // Asks the process to end (SIGTERM), then kills it after graceMs.
    void stop(int graceMs = 2000);
    pid_t pid() const { return pid_; }

    // Runs argv to its end within timeoutMs and returns its exit status (-1
    // when it could not start, timed out or died by a signal). What it printed
    // is put in output when given.
    static int run(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                   std::string* output, int timeoutMs = 10000);

  private:
    void reap(int status);

    pid_t pid_ = -1;
    int exitCode_ = -1;
};

// Asks done() every stepMs until it answers true (then true) or timeoutMs
// have passed (then false).
bool pollUntil(int timeoutMs, int stepMs, const std::function<bool()>& done);

// Reads a whole file; "" when it cannot be read.
std::string readWholeTextFile(const std::string& path);
