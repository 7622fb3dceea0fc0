#include "base/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <utility>

#include "base/errors.h"

namespace kv {
namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& file, const std::string& what) {
    return file.string() + ": " + what;
}

// A temporary older than this belongs to no save in progress, whoever's id it carries.
constexpr auto kStaleAge = std::chrono::minutes(10);

// Closes a descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

std::string temporaryPrefix(const std::string& name) {
    std::string prefix = ".";
    prefix += name;
    prefix += ".tmp";
    return prefix;
}

// Creates a new, empty temporary beside the file; never opens one that is already there.
Descriptor createTemporary(const fs::path& folder, const fs::path& file, fs::path& temp) {
    std::random_device random;
    constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string base =
        temporaryPrefix(file.filename().string()) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = base;
        for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
        temp = folder / name;
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) return Descriptor(fd);
        if (errno != EEXIST)
            throw FileError(describe(file, std::string("cannot write: ") + std::strerror(errno)));
    }
    throw FileError(describe(file, "cannot write: no free temporary name"));
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The process id in a temporary's name after its prefix, or -1 when the rest is not ours.
long temporaryOwner(const std::string& rest) {
    std::size_t digits = 0;
    while (digits < rest.size() && digits < 10 && rest[digits] >= '0' && rest[digits] <= '9')
        ++digits;
    if (digits == 0) return -1;
    // The old form ended with the id; the new one adds "-" and six letters.
    if (digits != rest.size() && (rest.size() != digits + 7 || rest[digits] != '-')) return -1;
    return std::stol(rest.substr(0, digits));
}

bool processGone(long pid) {
    if (pid == ::getpid()) return true;  // nothing of ours is being written at start
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
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
    struct stat old {};
    const bool keepMode = ::lstat(file.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    fs::path temp;
    Descriptor fd = createTemporary(folder, file, temp);
    bool ok = writeAll(fd.get(), bytes);
    int savedErrno = errno;
    if (ok && keepMode && ::fchmod(fd.get(), old.st_mode & 07777) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (ok && ::fsync(fd.get()) != 0) {
        ok = false;
        savedErrno = errno;
    }
    if (::close(fd.release()) != 0 && ok) {
        ok = false;
        savedErrno = errno;
    }
    std::error_code ec;
    if (!ok) {
        fs::remove(temp, ec);
        const std::string why = savedErrno ? std::strerror(savedErrno) : "short write";
        throw FileError(describe(file, "cannot write: " + why));
    }
    // rename() replaces the name itself: a link there is replaced, its target left alone.
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        const std::string why = std::strerror(errno);
        fs::remove(temp, ec);
        throw FileError(describe(file, "cannot replace: " + why));
    }
}

void copyFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    if (!fs::is_regular_file(from, ec)) throw FileError(describe(from, "file not found"));
    std::string bytes;
    try {
        bytes = readFile(from);
    } catch (const FileError& e) {
        throw FileError(describe(to, std::string("cannot copy from ") + e.what()));
    }
    writeFileAtomic(to, bytes);
}

void checkRewritable(const fs::path& file) {
    struct stat st {};
    if (::lstat(file.c_str(), &st) != 0) return;  // not there yet: it will be created
    if (S_ISLNK(st.st_mode)) throw FileError(describe(file, "is a link; it is not replaced"));
    if (S_ISDIR(st.st_mode)) throw FileError(describe(file, "is a folder, not a file"));
    if (!S_ISREG(st.st_mode)) throw FileError(describe(file, "is not a plain file"));
    // Root may write anything: the mode is what the owner asked for.
    if ((st.st_mode & 0222) == 0 || ::access(file.c_str(), W_OK) != 0)
        throw FileError(describe(file, "is read-only"));
}

bool deleteOwnFile(const fs::path& file) {
    struct stat st {};
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
    if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    if (::unlink(file.c_str()) == 0) return true;
    if (errno == ENOENT) return false;  // gone meanwhile: the same as never there
    throw FileError(describe(file, std::string("cannot delete: ") + std::strerror(errno)));
}

int removeStaleTemporaries(const fs::path& folder, const std::vector<std::string>& names) {
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return 0;
    std::error_code ec;
    int removed = 0;
    const auto now = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string entryName = entry.path().filename().string();
        for (const std::string& name : names) {
            const std::string prefix = temporaryPrefix(name);
            if (entryName.compare(0, prefix.size(), prefix) != 0) continue;
            const long pid = temporaryOwner(entryName.substr(prefix.size()));
            if (pid < 0 || !entry.is_regular_file(ec) || entry.is_symlink(ec)) continue;
            const auto age = now - fs::last_write_time(entry.path(), ec);
            if (!processGone(pid) && age < kStaleAge) continue;
            if (deleteOwnFile(entry.path())) ++removed;
        }
    }
    return removed;
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
