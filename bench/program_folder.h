#pragma once
// A throwaway program folder for the benchmarks: the build's level files and tunes linked in,
// settings that skip the first-run test. Removed when done.
#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "base/files.h"

namespace bench {

class ProgramFolder {
  public:
    explicit ProgramFolder(const std::filesystem::path& build) {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "kvorlin-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
        path_ = pattern;
        fs::create_directories(path_ / "grafix");
        fs::create_directories(path_ / "music");
        for (const auto& entry : fs::directory_iterator(build / "grafix"))
            if (entry.path().extension() == ".lev")
                fs::create_symlink(entry.path(), path_ / "grafix" / entry.path().filename());
        for (int n = 1; n <= 7; ++n) {
            const fs::path tune = build / "music" / (std::to_string(n) + ".mus");
            if (fs::exists(tune)) fs::create_symlink(tune, path_ / "music" / tune.filename());
        }
        kv::writeFileAtomic(path_ / "sys.ini", "[KV]\r\nfirstrun=no\r\n");
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace bench
