#include "driver/state_fields.h"

#include <charconv>
#include <cstdint>
#include <functional>
#include <sstream>
#include <vector>

namespace kv {
namespace {

std::string show(bool v) {
    return v ? "True" : "False";
}
std::string show(int v) {
    return std::to_string(v);
}
std::string show(std::int64_t v) {
    return std::to_string(v);
}
std::string show(Dir v) {
    return toText(v);
}
std::string show(Motion v) {
    return toText(v);
}
std::string show(const FramePeriod& v) {
    return v.toText();
}

// The game adds and multiplies its fields freely; far beyond any value it uses itself, that
// would overflow, so a script may not set them there.
constexpr std::int64_t kMostField = 100000000;

template <class T>
bool parseNumber(const std::string& s, T& out) {
    if (s.empty()) {
        out = 0;
        return true;
    }
    T v{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    if (v > kMostField || v < -kMostField) return false;
    out = v;
    return true;
}
bool parse(const std::string& s, int& out) {
    return parseNumber(s, out);
}
bool parse(const std::string& s, std::int64_t& out) {
    return parseNumber(s, out);
}
bool parse(const std::string& s, bool& out) {
    if (s == "True")
        out = true;
    else if (s == "False" || s.empty())
        out = false;
    else
        return false;
    return true;
}
bool parse(const std::string& s, Dir& out) {
    return parseDir(s, out);
}
bool parse(const std::string& s, Motion& out) {
    return parseMotion(s, out);
}
// Any text, as the settings may hold; the loop copes with one that is not a number.
bool parse(const std::string& s, FramePeriod& out) {
    out = s.empty() ? FramePeriod() : FramePeriod::fromText(s);
    return true;
}

struct Field {
    std::string name;
    std::function<std::string(const GameState&)> get;
    std::function<bool(GameState&, const std::string&)> set;
};

const std::vector<Field>& fields() {
    static const std::vector<Field> all = [] {
        std::vector<Field> v;
#define KV_FIELD(type, nm)                                           \
    v.push_back({#nm, [](const GameState& s) { return show(s.nm); }, \
                 [](GameState& s, const std::string& text) { return parse(text, s.nm); }});
#define KV_SLOT(type, nm, count)                                                         \
    for (int i = 1; i <= (count); ++i)                                                   \
        v.push_back(                                                                     \
            {#nm + std::to_string(i), [i](const GameState& s) { return show(s.nm[i]); }, \
             [i](GameState& s, const std::string& text) { return parse(text, s.nm[i]); }});
        KV_GAME_STATE_FIELDS(KV_FIELD)
        KV_GAME_STATE_SLOTS(KV_SLOT)
#undef KV_FIELD
#undef KV_SLOT
        return v;
    }();
    return all;
}

const Field* find(const std::string& name) {
    for (const auto& f : fields())
        if (f.name == name) return &f;
    return nullptr;
}

// A number as JSON writes it: "025" and "-" stay texts.
bool jsonInteger(const std::string& v) {
    const std::size_t digits = !v.empty() && v[0] == '-' ? 1 : 0;
    if (v.size() == digits || v.find_first_not_of("0123456789", digits) != std::string::npos)
        return false;
    return v[digits] != '0' || v.size() == digits + 1;
}

std::string jsonString(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

}  // namespace

bool hasField(const std::string& name) {
    return find(name) != nullptr;
}

bool getField(const GameState& s, const std::string& name, std::string& out) {
    const Field* f = find(name);
    if (!f) return false;
    out = f->get(s);
    return true;
}

bool setField(GameState& s, const std::string& name, const std::string& value) {
    const Field* f = find(name);
    return f && f->set(s, value);
}

std::string dumpJson(const GameState& s) {
    std::ostringstream out;
    out << '{';
    bool first = true;
    for (const auto& f : fields()) {
        const std::string v = f.get(s);
        const bool literal = v == "True" || v == "False" || jsonInteger(v);
        out << (first ? "" : ",") << jsonString(f.name) << ':';
        if (v == "True")
            out << "true";
        else if (v == "False")
            out << "false";
        else if (literal)
            out << v;
        else
            out << jsonString(v);
        first = false;
    }
    out << '}';
    return out.str();
}

}  // namespace kv
