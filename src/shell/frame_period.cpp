#include "shell/frame_period.h"

#include <limits>
#include <ostream>
#include <utility>

#include "base/numbers.h"

namespace kv {

FramePeriod FramePeriod::fromText(std::string text) {
    FramePeriod p;
    p.text_ = std::move(text);
    return p;
}

std::optional<int> FramePeriod::number() const {
    if (text_) return parseWholeNumber(*text_);
    return number_;
}

std::string FramePeriod::toText() const {
    return text_ ? *text_ : std::to_string(number_);
}

FramePeriod& FramePeriod::operator++() {
    const int ms = millis();
    *this = FramePeriod(ms == std::numeric_limits<int>::max() ? ms : ms + 1);
    return *this;
}

FramePeriod& FramePeriod::operator--() {
    const int ms = millis();
    *this = FramePeriod(ms == std::numeric_limits<int>::min() ? ms : ms - 1);
    return *this;
}

std::ostream& operator<<(std::ostream& out, const FramePeriod& p) {
    return out << p.toText();
}

}  // namespace kv
