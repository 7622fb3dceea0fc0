#pragma once
// Where the game's files are: program assets (level pictures, tunes) are only read; writable
// data (settings, high scores, working copies) goes to its own folder. Both are the program
// folder for a portable copy; an installed game, or a copy in a folder the player cannot write
// to, keeps its writable data in the player's own data folder.
#include <filesystem>
#include <functional>
#include <string>
#include <utility>

namespace kv {

class Paths {
  public:
    // A portable copy: everything in the program folder.
    Paths(const std::filesystem::path& programFolder)  // NOLINT: a folder is a layout
        : Paths(programFolder, programFolder) {}
    Paths(std::filesystem::path assets, std::filesystem::path data)
        : assets_(std::move(assets)), data_(std::move(data)) {}

    // One of the game's path literals ("\grafix\e12.lev", "/music/1.mus") under each folder.
    std::filesystem::path asset(const std::string& literal) const;
    std::filesystem::path data(const std::string& literal) const;

    const std::filesystem::path& assetFolder() const { return assets_; }
    const std::filesystem::path& dataFolder() const { return data_; }

  private:
    std::filesystem::path assets_;
    std::filesystem::path data_;
};

// The folder of the game's assets as found from the executable's folder: grafix/ beside it (a
// portable copy, the build tree), or `installedAssets` (relative to the executable's folder,
// "../share/kvorlin") when only that holds grafix/.
struct AssetFolder {
    std::filesystem::path folder;
    bool installed = false;
};
AssetFolder findAssets(const std::filesystem::path& executableFolder,
                       const std::filesystem::path& installedAssets);

// The player's data folder: $XDG_DATA_HOME/kvorlin, or ~/.local/share/kvorlin when that is unset
// or not an absolute path (null or empty texts count as unset).
std::filesystem::path userDataFolder(const char* xdgDataHome, const char* home);

// Writable data stays with the assets of a portable copy whose folder takes files, and goes to
// `userData` otherwise (an installed game always).
Paths choosePaths(const AssetFolder& assets, const std::filesystem::path& userData,
                  const std::function<bool(const std::filesystem::path&)>& takesFiles);

// Whether a file can be created in the folder: tried, not guessed from permission bits, which
// mislead for root, read-only mounts and access lists.
bool folderTakesFiles(const std::filesystem::path& folder);

// Creates the data folder and its grafix/ and music/ for the working copies. Throws FileError
// naming the folder.
void prepareDataFolder(const Paths& paths);

}  // namespace kv
