#pragma once
// How the window was last shown, kept in sys.ini in a section of its own, so the game's ten keys
// in [KV] stay as they are.
#include <filesystem>

namespace kv {

struct WindowSettings {
    static constexpr int MaxScale = 8;
    bool fullscreen = false;
    int scale = 2;  // window pixels per game pixel when windowed
};

// Missing or unreadable values keep their defaults.
WindowSettings readWindowSettings(const std::filesystem::path& ini);
// Throws FileError naming the file; the file is then unchanged.
void saveWindowSettings(const std::filesystem::path& ini, const WindowSettings& settings);

}  // namespace kv
