#pragma once
// The headless script driver: one command a line, run against the application on the virtual
// clock. Exit codes: 0 all went well, 1 an expectation failed, 2 a bad script line or a script
// that cannot be read. When the program ends, the run ends at once with its exit code.
#include <iosfwd>
#include <string>
#include <utility>

#include "platform/clock.h"

namespace kv {

class App;
class Control;
class HeadlessHost;
class Window;

class ScriptDriver {
  public:
    ScriptDriver(App& app, HeadlessHost& host, std::ostream& out, std::ostream& err);

    int run(std::istream& script);
    // The script in a file; one that cannot be read (missing, a folder) is exit 2.
    int runFile(const std::string& file);
    // Runs one line; returns the exit code to stop with, or -1 to go on.
    int execute(const std::string& line, int lineNumber);

    // Advances the virtual clock, running every frame and timer tick that falls due.
    void wait(Millis ms);
    // Runs until n more frames of the running frame loop have started.
    bool frames(long long n);

    // NAME as the driver reads it; false for an unknown name.
    bool get(const std::string& name, std::string& value);
    bool set(const std::string& name, const std::string& value);

  private:
    // W.C named in a script: a loaded window's control.
    std::pair<Window*, Control*> control(const std::string& target);

    App& app_;
    HeadlessHost& host_;
    std::ostream& out_;
    std::ostream& err_;
};

}  // namespace kv
