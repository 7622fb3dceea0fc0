#pragma once
// Programs run by the tests: one started and watched (the game in a real window), or one run to
// its end with its output collected.
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kv::test {

// A started program; killed (SIGKILL) if it is still running when this goes.
class Process {
  public:
    // `env` entries ("NAME=value") are added to this program's environment. Standard output and
    // error go to the files given (or to /dev/null).
    Process(const std::vector<std::string>& argv, const std::vector<std::string>& env = {},
            const std::filesystem::path& out = "/dev/null",
            const std::filesystem::path& err = "/dev/null");
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    pid_t pid() const { return pid_; }
    // The exit code once the program has ended within `ms`, -1 when it still runs, 128 + the
    // signal when a signal ended it.
    int wait(int ms);
    bool running() const { return pid_ > 0 && !reaped_; }

  private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    int code_ = -1;
};

struct Outcome {
    int code = -1;
    std::string out, err;
};

// Runs a shell command line to its end.
Outcome runShell(const std::string& command);

// The text quoted for the shell.
std::string shellQuoted(const std::string& s);

}  // namespace kv::test
