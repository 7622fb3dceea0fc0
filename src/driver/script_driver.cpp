#include "driver/script_driver.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "base/bmp.h"
#include "base/errors.h"
#include "base/numbers.h"
#include "driver/state_fields.h"
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
                 {"Backspace", keys::Backspace}};
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
    if (w == &app_.Form1 && parts[1] == "music") {
        MusicPlayer* m = app_.Form1.music.get();
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

int ScriptDriver::execute(const std::string& rawLine, int lineNumber) {
    std::string line = rawLine;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') return -1;
    line = line.substr(first);
    std::istringstream words(line);
    std::string command;
    words >> command;
    // The rest of the line after one more word, spaces kept (values may hold spaces).
    auto restAfter = [&line](std::size_t wordsBefore) {
        std::size_t pos = 0;
        for (std::size_t i = 0; i < wordsBefore; ++i) {
            pos = line.find_first_not_of(" \t", pos);
            pos = line.find_first_of(" \t", pos);
            if (pos == std::string::npos) return std::string();
        }
        return pos + 1 <= line.size() ? line.substr(pos + 1) : std::string();
    };
    auto number = [&](const std::string& text) {
        auto n = parseWholeNumber(text);
        if (!n || *n < 0) throw BadLine{"expected a number, got \"" + text + "\""};
        return *n;
    };
    auto control = [&](const std::string& target) -> std::pair<Window*, Control*> {
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
    };

    try {
        if (command == "wait") {
            std::string ms;
            words >> ms;
            wait(number(ms));
        } else if (command == "frames") {
            std::string n;
            words >> n;
            if (!frames(number(n))) throw BadLine{"no frame loop is running"};
        } else if (command == "key") {
            std::string how, key;
            words >> how >> key;
            const int code = keyCode(key);
            if (how == "down")
                app_.windows.keyDown(code);
            else if (how == "up")
                app_.windows.keyUp(code);
            else if (how == "press") {
                app_.windows.keyDown(code);
                app_.windows.keyUp(code);
            } else {
                throw BadLine{"key takes down, up or press"};
            }
        } else if (command == "click" || command == "move") {
            std::string target;
            words >> target;
            auto [w, c] = control(target);
            if (command == "click")
                app_.windows.click(*w, *c);
            else
                app_.windows.move(*w, *c);
        } else if (command == "text") {
            std::string target;
            words >> target;
            auto [w, c] = control(target);
            if (!c->takesText()) throw BadLine{target + " is not a text box"};
            auto* box = static_cast<TextBox*>(c);
            w->focus = box;
            box->text.clear();
            box->type(restAfter(2));
        } else if (command == "get") {
            std::string name;
            while (words >> name) {
                std::string value;
                if (!get(name, value)) throw BadLine{"unknown name " + name};
                out_ << name << '=' << value << '\n';
            }
        } else if (command == "set") {
            std::string name;
            words >> name;
            if (!set(name, restAfter(2))) throw BadLine{"unknown name " + name};
        } else if (command == "expect") {
            std::string name;
            words >> name;
            const std::string expected = restAfter(2);
            std::string value;
            if (!get(name, value)) throw BadLine{"unknown name " + name};
            if (value != expected) {
                err_ << "expect failed: " << name << " is " << value << ", expected " << expected
                     << " (line " << lineNumber << ")" << std::endl;
                return 1;
            }
        } else if (command == "screenshot") {
            const std::string file = restAfter(1);
            if (file.empty()) throw BadLine{"screenshot needs a file name"};
            saveBmp(app_.windows.snapshot(), file);
        } else if (command == "dump") {
            out_ << dumpJson(app_.state) << '\n';
        } else {
            throw BadLine{"unknown command " + command};
        }
    } catch (const BadLine& bad) {
        err_ << "error: " << bad.why << " (line " << lineNumber << ")" << std::endl;
        return 2;
    } catch (const FileError& e) {
        app_.fail(e.what());
    }
    out_.flush();
    return -1;
}

int ScriptDriver::run(std::istream& script) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        const int rc = execute(line, ++number);
        if (rc >= 0) return rc;
    }
    return 0;
}

}  // namespace kv
