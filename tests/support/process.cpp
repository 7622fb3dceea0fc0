#include "support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "base/files.h"
#include "support/app_fixture.h"

extern char** environ;

namespace kv::test {

Process::Process(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                 const std::filesystem::path& out, const std::filesystem::path& err) {
    // Everything the child needs is made before the fork.
    std::vector<std::string> envText;
    for (char** e = environ; *e; ++e) envText.emplace_back(*e);
    envText.insert(envText.end(), env.begin(), env.end());
    std::vector<char*> args, envp;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    for (const std::string& e : envText) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int errFd = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(outFd, 1);
        ::dup2(errFd, 2);
        ::setpgid(0, 0);  // its own group: a terminal's Ctrl+C is not the test's business
        ::execvpe(args[0], args.data(), envp.data());
        ::_exit(127);
    }
    ::close(outFd);
    ::close(errFd);
    if (pid_ < 0) throw std::runtime_error("cannot start " + argv[0]);
}

Process::~Process() {
    if (!running()) return;
    // The whole group: a program's own children (a dialog) go with it.
    ::kill(-pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

int Process::wait(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!reaped_) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            reaped_ = true;
            code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() >= until) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return code_;
}

std::string shellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Outcome runShell(const std::string& command) {
    TempFolder scratch;
    const auto out = scratch.path() / "out", err = scratch.path() / "err";
    const int status = std::system((command + " >" + shellQuoted(out.string()) + " 2>" +
                                    shellQuoted(err.string()) + " </dev/null")
                                       .c_str());
    Outcome r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
}

}  // namespace kv::test
