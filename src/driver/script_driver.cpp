#include "driver/script_driver.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "base/bmp.h"
#include "base/errors.h"
#include "base/files.h"
#include "base/numbers.h"
#include "driver/state_fields.h"
#include "persist/first_run_window.h"
#include "persist/settings_holder.h"
#include "platform/headless/headless_host.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {
namespace {

struct BadLine {
    std::string why;
};

std::string boolText(bool b) {
    return b ? "True" : "False";
}

int keyCode(const std::string& k) {
    static const struct {
        const char* name;
        int code;
    } names[] = {{"Esc", keys::Esc},
                 {"Space", keys::Space},
                 {"Left", keys::Left},
                 {"Right", keys::Right},
                 {"Ctrl", keys::Ctrl},
                 {"S", keys::S},
                 {"I", keys::I},
                 {"Add", keys::Add},
                 {"Subtract", keys::Subtract},
                 {"Up", keys::Up},
                 {"Down", keys::Down},
                 {"Enter", keys::Enter},
                 {"Backspace", keys::Backspace},
                 {"Delete", keys::Delete},
                 {"Home", keys::Home},
                 {"End", keys::End}};
    for (const auto& n : names)
        if (k == n.name) return n.code;
    if (auto n = parseWholeNumber(k); n && *n > 0 && *n < 256) return *n;
    throw BadLine{"unknown key " + k};
}

// "score1.highscore(4)" -> name "highscore", index 4.
void splitIndex(const std::string& s, std::string& name, int& index) {
    index = -1;
    name = s;
    const auto open = s.find('(');
    if (open == std::string::npos || s.back() != ')') return;
    const auto n = parseWholeNumber(s.substr(open + 1, s.size() - open - 2));
    if (!n) return;
    name = s.substr(0, open);
    index = *n;
}

std::vector<std::string> splitDots(const std::string& s) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : s) {
        if (c == '.') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

}  // namespace

ScriptDriver::ScriptDriver(App& app, HeadlessHost& host, std::ostream& out, std::ostream& err)
    : app_(app), host_(host), out_(out), err_(err) {}

void ScriptDriver::wait(Millis ms) {
    const Millis target = host_.virtualClock().ticks() + ms;
    while (app_.step(target)) {
    }
    host_.virtualClock().advanceTo(target);
}

bool ScriptDriver::frames(long long n) {
    const long long goal = app_.windows.framesStarted() + n;
    while (!app_.ended() && app_.windows.framesStarted() < goal) {
        if (!app_.windows.hasFrameLoop()) return false;
        app_.step();
    }
    return true;
}

bool ScriptDriver::get(const std::string& name, std::string& value) {
    if (getField(app_.state, name, value)) return true;
    if (name == "tick") {
        value = std::to_string(host_.virtualClock().ticks());
        return true;
    }
    const auto parts = splitDots(name);
    if (parts[0] == "App" && parts.size() == 2) {
        if (parts[1] == "Ended")
            value = boolText(app_.ended());
        else if (parts[1] == "ExitCode")
            value = std::to_string(app_.exitCode());
        else
            return false;
        return true;
    }
    if (parts[0] == "ini" && parts.size() == 2) {
        if (parts[1] == "Loaded") {
            value = boolText(app_.ini.isLoaded());
            return true;
        }
        for (int i = 1; i <= SettingsHolder::Count; ++i)
            if (parts[1] == "Text" + std::to_string(i)) {
                value = app_.ini.Text[i];
                return true;
            }
        return false;
    }
    Window* w = app_.windows.find(parts[0]);
    if (!w) return false;
    if (parts.size() == 2) {
        if (parts[1] == "Loaded")
            value = boolText(w->isLoaded());
        else if (parts[1] == "Visible")
            value = boolText(w->isLoaded() && w->visible);
        else if (parts[1] == "KeyPreview")
            value = boolText(w->isLoaded() && w->keyPreview);
        else if (parts[1] == "Caption")
            value = w->caption;
        else
            return false;
        return true;
    }
    if (parts.size() != 3) return false;
    if (!w->isLoaded()) throw BadLine{parts[0] + " is not loaded"};
    const bool player = (w == &app_.Form1 && parts[1] == "music") ||
                        (w == &app_.Form2 && parts[1] == "MediaPlayer1");
    if (player) {
        MusicPlayer* m = w == &app_.Form1 ? app_.Form1.music.get() : app_.Form2.MediaPlayer1.get();
        if (!m) return false;
        if (parts[2] == "FileName")
            value = m->fileName();
        else if (parts[2] == "Volume")
            value = std::to_string(m->volume());
        else if (parts[2] == "PlayCount")
            value = std::to_string(m->playCount());
        else
            return false;
        return true;
    }
    if (Timer* t = w->findTimer(parts[1])) {
        if (parts[2] == "Enabled")
            value = boolText(t->enabled());
        else if (parts[2] == "Interval")
            value = std::to_string(t->interval());
        else
            return false;
        return true;
    }
    std::string control;
    int index;
    splitIndex(parts[1], control, index);
    Control* c = w->findControl(control, index);
    return c && c->getProperty(parts[2], value);
}

bool ScriptDriver::set(const std::string& name, const std::string& value) {
    if (hasField(name)) {
        if (!setField(app_.state, name, value)) throw BadLine{"bad value for " + name};
        return true;
    }
    const auto parts = splitDots(name);
    if (parts[0] == "ini" && parts.size() == 2) {
        for (int i = 1; i <= SettingsHolder::Count; ++i)
            if (parts[1] == "Text" + std::to_string(i)) {
                app_.ini.Text[i] = value;
                return true;
            }
        return false;
    }
    Window* w = app_.windows.find(parts[0]);
    if (!w || parts.size() != 3) return false;
    if (!w->isLoaded()) throw BadLine{parts[0] + " is not loaded"};
    if (Timer* t = w->findTimer(parts[1])) {
        if (parts[2] == "Enabled") {
            if (value != "True" && value != "False" && !value.empty()) throw BadLine{"bad value"};
            t->setEnabled(value == "True");
            return true;
        }
        if (parts[2] == "Interval") {
            auto n = parseWholeNumber(value.empty() ? "0" : value);
            if (!n) throw BadLine{"bad value"};
            t->setInterval(*n);
            return true;
        }
        return false;
    }
    std::string control;
    int index;
    splitIndex(parts[1], control, index);
    Control* c = w->findControl(control, index);
    if (!c) return false;
    if (!c->setProperty(parts[2], value))
        throw BadLine{"cannot set " + name + " to \"" + value + "\""};
    return true;
}

namespace {

// One script line taken apart: the command, its words, and the text after a given word with its
// spaces kept (values may hold spaces).
struct Line {
    std::string text;
    std::vector<std::string> words;

    const std::string& word(std::size_t i) const {
        static const std::string none;
        return i < words.size() ? words[i] : none;
    }
    std::string restAfter(std::size_t wordsBefore) const {
        std::size_t pos = 0;
        for (std::size_t i = 0; i < wordsBefore; ++i) {
            pos = text.find_first_not_of(" \t", pos);
            pos = text.find_first_of(" \t", pos);
            if (pos == std::string::npos) return {};
        }
        return pos + 1 <= text.size() ? text.substr(pos + 1) : std::string();
    }
};

// A count from 0 to most; bigger ones would keep the run going for days.
int number(const std::string& text, int most) {
    auto n = parseWholeNumber(text);
    if (!n || *n < 0) throw BadLine{"expected a number, got \"" + text + "\""};
    if (*n > most) throw BadLine{text + " is more than " + std::to_string(most)};
    return *n;
}

constexpr int kMostWait = 3600000;    // an hour of game time
constexpr int kMostFrames = 1000000;  // about seven hours at the usual speed

}  // namespace

std::pair<Window*, Control*> ScriptDriver::control(const std::string& target) {
    const auto parts = splitDots(target);
    Window* w = parts.size() == 2 ? app_.windows.find(parts[0]) : nullptr;
    if (!w) throw BadLine{"unknown control " + target};
    if (!w->isLoaded()) throw BadLine{parts[0] + " is not loaded"};
    std::string name;
    int index;
    splitIndex(parts[1], name, index);
    Control* c = w->findControl(name, index);
    if (!c) throw BadLine{"unknown control " + target};
    return {w, c};
}

int ScriptDriver::execute(const std::string& rawLine, int lineNumber) {
    Line line{rawLine, {}};
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    const auto first = line.text.find_first_not_of(" \t");
    if (first == std::string::npos || line.text[first] == '#') return -1;
    line.text = line.text.substr(first);
    std::istringstream split(line.text);
    for (std::string w; split >> w;) line.words.push_back(w);

    // A command returns an exit code to stop with, or -1 to go on.
    using Command = int (*)(ScriptDriver&, const Line&, int lineNumber);
    static const struct {
        const char* name;
        Command run;
    } commands[] = {
        {"wait",
         [](ScriptDriver& d, const Line& l, int) {
             d.wait(number(l.word(1), kMostWait));
             return -1;
         }},
        {"frames",
         [](ScriptDriver& d, const Line& l, int) {
             if (!d.frames(number(l.word(1), kMostFrames)))
                 throw BadLine{"no frame loop is running"};
             return -1;
         }},
        {"key",
         [](ScriptDriver& d, const Line& l, int) {
             const int code = keyCode(l.word(2));
             WindowSystem& ws = d.app_.windows;
             if (l.word(1) == "down") {
                 ws.keyDown(code);
             } else if (l.word(1) == "up") {
                 ws.keyUp(code);
             } else if (l.word(1) == "press") {
                 ws.keyDown(code);
                 ws.keyUp(code);
             } else {
                 throw BadLine{"key takes down, up or press"};
             }
             return -1;
         }},
        {"click",
         [](ScriptDriver& d, const Line& l, int) {
             auto [w, c] = d.control(l.word(1));
             d.app_.windows.click(*w, *c);
             return -1;
         }},
        {"move",
         [](ScriptDriver& d, const Line& l, int) {
             auto [w, c] = d.control(l.word(1));
             d.app_.windows.move(*w, *c);
             return -1;
         }},
        {"text",
         [](ScriptDriver& d, const Line& l, int) {
             auto [w, c] = d.control(l.word(1));
             if (!c->takesText()) throw BadLine{l.word(1) + " is not a text box"};
             auto* box = static_cast<TextBox*>(c);
             w->setFocus(box);
             box->text.clear();
             box->type(l.restAfter(2));
             return -1;
         }},
        {"get",
         [](ScriptDriver& d, const Line& l, int) {
             for (std::size_t i = 1; i < l.words.size(); ++i) {
                 std::string value;
                 if (!d.get(l.words[i], value)) throw BadLine{"unknown name " + l.words[i]};
                 d.out_ << l.words[i] << '=' << value << '\n';
             }
             return -1;
         }},
        {"set",
         [](ScriptDriver& d, const Line& l, int) {
             if (!d.set(l.word(1), l.restAfter(2))) throw BadLine{"unknown name " + l.word(1)};
             return -1;
         }},
        {"expect",
         [](ScriptDriver& d, const Line& l, int lineNumber) {
             const std::string expected = l.restAfter(2);
             std::string value;
             if (!d.get(l.word(1), value)) throw BadLine{"unknown name " + l.word(1)};
             if (value == expected) return -1;
             d.err_ << "expect failed: " << l.word(1) << " is " << value << ", expected "
                    << expected << " (line " << lineNumber << ")" << std::endl;
             return 1;
         }},
        {"screenshot",
         [](ScriptDriver& d, const Line& l, int) {
             const std::string file = l.restAfter(1);
             if (file.empty()) throw BadLine{"screenshot needs a file name"};
             // The script's own output: a failed write is the script's error, not the game's.
             try {
                 saveBmp(d.app_.windows.snapshot(), file);
             } catch (const FileError& e) {
                 throw BadLine{std::string("cannot save the screenshot: ") + e.what()};
             }
             return -1;
         }},
        {"dump",
         [](ScriptDriver& d, const Line&, int) {
             d.out_ << dumpJson(d.app_.state) << '\n';
             return -1;
         }},
    };

    int rc = -1;
    try {
        const auto* found = std::find_if(std::begin(commands), std::end(commands),
                                         [&](const auto& c) { return line.word(0) == c.name; });
        if (found == std::end(commands)) throw BadLine{"unknown command " + line.word(0)};
        rc = found->run(*this, line, lineNumber);
    } catch (const BadLine& bad) {
        err_ << "error: " << bad.why << " (line " << lineNumber << ")" << std::endl;
        return 2;
    } catch (const FileError& e) {
        app_.fail(e.what());
    }
    out_.flush();
    return rc;
}

int ScriptDriver::run(std::istream& script) {
    std::string line;
    int number = 0;
    // The run ends with the program: nothing is run against a game that is over, and its exit
    // code (1 after a fatal error) is the run's.
    while (!app_.ended() && std::getline(script, line)) {
        const int rc = execute(line, ++number);
        if (rc >= 0) return rc;
    }
    return app_.ended() ? app_.exitCode() : 0;
}

int ScriptDriver::runFile(const std::string& file) {
    std::istringstream script;
    try {
        script.str(readFile(file));
    } catch (const FileError& e) {
        err_ << "kvorlin: cannot read the script " << e.what() << std::endl;
        return 2;
    }
    return run(script);
}

}  // namespace kv
