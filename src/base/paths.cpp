#include "base/paths.h"

#include <unistd.h>

#include <fstream>
#include <string_view>
#include <system_error>

#include "base/errors.h"
#include "base/files.h"

namespace kv {
namespace fs = std::filesystem;

fs::path Paths::asset(const std::string& literal) const {
    return gamePath(assets_, literal);
}

fs::path Paths::data(const std::string& literal) const {
    return gamePath(data_, literal);
}

AssetFolder findAssets(const fs::path& executableFolder, const fs::path& installedAssets) {
    std::error_code ec;
    if (fs::is_directory(executableFolder / "grafix", ec)) return {executableFolder, false};
    const fs::path installed = (executableFolder / installedAssets).lexically_normal();
    if (!installedAssets.empty() && fs::is_directory(installed / "grafix", ec))
        return {installed, true};
    // Neither: the portable place, where the missing files will be named.
    return {executableFolder, false};
}

fs::path userDataFolder(const char* xdgDataHome, const char* home) {
    const std::string_view xdg = xdgDataHome ? xdgDataHome : "";
    if (!xdg.empty() && fs::path(xdg).is_absolute()) return fs::path(xdg) / "kvorlin";
    const std::string_view h = home ? home : "";
    return fs::path(h.empty() ? "/" : h) / ".local" / "share" / "kvorlin";
}

Paths choosePaths(const AssetFolder& assets, const fs::path& userData,
                  const std::function<bool(const fs::path&)>& takesFiles) {
    if (!assets.installed && takesFiles(assets.folder)) return Paths(assets.folder);
    return Paths(assets.folder, userData);
}

bool folderTakesFiles(const fs::path& folder) {
    const fs::path probe = folder / (".kvorlin-write-test-" + std::to_string(::getpid()));
    bool ok;
    {
        std::ofstream out(probe, std::ios::binary);
        ok = static_cast<bool>(out);
    }
    std::error_code ec;
    if (ok) fs::remove(probe, ec);
    return ok;
}

void prepareDataFolder(const Paths& paths) {
    for (const fs::path& folder :
         {paths.dataFolder(), paths.data("/grafix"), paths.data("/music")}) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) throw FileError(folder.string() + ": " + ec.message());
    }
}

}  // namespace kv
