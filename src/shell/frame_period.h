#pragma once
// The frame period in milliseconds. It stays the text it came with from the settings ("025"
// included) until a speed key changes it, and only then becomes a number; the loop reads it as
// a number where it adds it.
#include <iosfwd>
#include <optional>
#include <string>

namespace kv {

class FramePeriod {
  public:
    // The default speed, also what a text that is not a whole number plays at.
    static constexpr int Default = 25;

    FramePeriod() = default;  // empty: reads as 0
    FramePeriod(int ms) : number_(ms) {}
    static FramePeriod fromText(std::string text);

    // The value as a whole number, if it is one.
    std::optional<int> number() const;
    // What the loop adds: the number, or the default for a text that is not one.
    int millis() const { return number().value_or(Default); }
    // As shown and saved: a text as it stands, a number in decimal.
    std::string toText() const;

    // The speed keys: the value as a number, one up or down.
    FramePeriod& operator++();
    FramePeriod& operator--();

    bool operator==(const FramePeriod&) const = default;
    bool operator==(int ms) const { return number() == ms; }

  private:
    std::optional<std::string> text_;
    int number_ = 0;
};

std::ostream& operator<<(std::ostream& out, const FramePeriod& p);

}  // namespace kv
