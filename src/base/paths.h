#pragma once
// Where the game's files are: program assets (level pictures, tunes) are only read; writable
// data (settings, high scores, working copies) goes to its own folder. Both are the program
// folder for a portable copy; an installed game can move the writable data with one argument.
#include <filesystem>
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

}  // namespace kv
