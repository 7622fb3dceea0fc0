#include "shell/game_state.h"

namespace kv {

const char* toText(Dir d) {
    switch (d) {
        case Dir::Left:
            return "left";
        case Dir::Right:
            return "right";
        case Dir::None:
            break;
    }
    return "";
}

const char* toText(Motion m) {
    switch (m) {
        case Motion::Up:
            return "up";
        case Motion::Down:
            return "down";
        case Motion::None:
            break;
    }
    return "";
}

bool parseDir(const std::string& s, Dir& out) {
    if (s == "left")
        out = Dir::Left;
    else if (s == "right")
        out = Dir::Right;
    else if (s.empty())
        out = Dir::None;
    else
        return false;
    return true;
}

bool parseMotion(const std::string& s, Motion& out) {
    if (s == "up")
        out = Motion::Up;
    else if (s == "down")
        out = Motion::Down;
    else if (s.empty())
        out = Motion::None;
    else
        return false;
    return true;
}

}  // namespace kv
