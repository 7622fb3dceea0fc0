#include "platform/sdl/window_settings.h"

#include <string>

#include "base/numbers.h"
#include "base/profile.h"

namespace kv {
namespace {

constexpr const char* Section = "Window";

}  // namespace

WindowSettings readWindowSettings(const std::filesystem::path& ini) {
    WindowSettings s;
    s.fullscreen = getProfileString(ini, Section, "fullscreen", "no") == "yes";
    const auto scale = parseWholeNumber(getProfileString(ini, Section, "scale", "2"));
    if (scale && *scale >= 1 && *scale <= WindowSettings::MaxScale)
        s.scale = static_cast<int>(*scale);
    return s;
}

void saveWindowSettings(const std::filesystem::path& ini, const WindowSettings& s) {
    writeProfileStrings(
        ini, Section,
        {{"fullscreen", s.fullscreen ? "yes" : "no"}, {"scale", std::to_string(s.scale)}});
}

}  // namespace kv
