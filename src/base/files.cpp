#include "base/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>

#include "base/errors.h"

namespace kv {
namespace fs = std::filesystem;

namespace {
std::string describe(const fs::path& file, const std::string& what) {
    return file.string() + ": " + what;
}
}  // namespace

std::string readFile(const fs::path& file) {
    // A folder opens like a file here and reads as nothing at all.
    std::error_code ec;
    if (fs::is_directory(file, ec)) throw FileError(describe(file, "is a folder, not a file"));
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError(describe(file, std::strerror(errno)));
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad()) throw FileError(describe(file, "read failed"));
    return out.str();
}

void writeFileAtomic(const fs::path& file, const std::string& bytes) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    // Same folder, so the rename is atomic. (Built step by step: GCC 12 warns falsely on a+b+c.)
    std::string tempName = ".";
    tempName += file.filename().string();
    tempName += ".tmp";
    tempName += std::to_string(::getpid());
    const fs::path temp = folder / tempName;
    FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) throw FileError(describe(file, std::string("cannot write: ") + std::strerror(errno)));
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok;
    const int savedErrno = errno;
    ok = std::fclose(f) == 0 && ok;
    std::error_code ec;
    if (!ok) {
        fs::remove(temp, ec);
        throw FileError(describe(file, std::string("cannot write: ") + std::strerror(savedErrno)));
    }
    fs::rename(temp, file, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw FileError(describe(file, "cannot replace: " + ec.message()));
    }
}

void copyFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) throw FileError(describe(from, "file not found"));
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    if (ec)
        throw FileError(describe(to, "cannot copy from " + from.string() + ": " + ec.message()));
}

bool wildcardMatch(const std::string& pattern, const std::string& name) {
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

int deleteMatching(const fs::path& pattern) {
    const fs::path folder = pattern.has_parent_path() ? pattern.parent_path() : fs::path(".");
    const std::string mask = pattern.filename().string();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return 0;
    int deleted = 0;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        if (!wildcardMatch(mask, entry.path().filename().string())) continue;
        if (!fs::remove(entry.path(), ec) || ec)
            throw FileError(describe(entry.path(), "cannot delete: " + ec.message()));
        ++deleted;
    }
    return deleted;
}

fs::path gamePath(const fs::path& programFolder, const std::string& literal) {
    fs::path result = programFolder;
    std::string part;
    for (char c : literal + "/") {
        if (c == '/' || c == '\\') {
            if (!part.empty()) result /= part;
            part.clear();
        } else {
            part += c;
        }
    }
    return result;
}

fs::path executableFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path();
    return self.parent_path();
}

}  // namespace kv
