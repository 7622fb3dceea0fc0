#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"
#include "support/app_fixture.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

// Lets the process write files of at most `bytes` bytes, as a full disk would; writes past that
// fail instead of raising a signal.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

  private:
    rlimit old_{};
    void (*oldHandler_)(int);
};

// A process id that belonged to a process which has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(Files, DeleteTakesOnlyOurOwnPlainFile) {
    test::TempFolder folder;
    const fs::path g = folder.path() / "grafix";
    fs::create_directory(g);
    writeFileAtomic(g / "test.bmp", "x");
    EXPECT_TRUE(deleteOwnFile(g / "test.bmp"));
    // A file that is not there, or vanished meanwhile, is no error.
    EXPECT_FALSE(deleteOwnFile(g / "test.bmp"));
    EXPECT_FALSE(deleteOwnFile(folder.path() / "nowhere" / "1.mid"));

    // A link in a copy's place is left alone, and so is what it points at.
    const fs::path elsewhere = folder.path() / "elsewhere";
    fs::create_directory(elsewhere);
    writeFileAtomic(elsewhere / "e1.bmp", "the player's own picture");
    fs::create_symlink(elsewhere / "e1.bmp", g / "e1.bmp");
    EXPECT_FALSE(deleteOwnFile(g / "e1.bmp"));
    EXPECT_TRUE(fs::is_symlink(g / "e1.bmp"));
    // Nothing is deleted through a folder that is a link.
    fs::create_directory_symlink(elsewhere, folder.path() / "music");
    EXPECT_FALSE(deleteOwnFile(folder.path() / "music" / "e1.bmp"));
    EXPECT_EQ(readFile(elsewhere / "e1.bmp"), "the player's own picture");
    // A folder under a copy's name is not a file to delete.
    fs::create_directory(g / "episode1.bmp");
    EXPECT_FALSE(deleteOwnFile(g / "episode1.bmp"));
    EXPECT_TRUE(fs::is_directory(g / "episode1.bmp"));
}

TEST(Files, WritesReplaceALinkInsteadOfWritingThroughIt) {
    test::TempFolder folder;
    const fs::path outside = folder.path() / "outside.txt";
    writeFileAtomic(outside, "not the game's");
    const fs::path g = folder.path() / "grafix";
    fs::create_directory(g);
    fs::create_symlink(outside, g / "test.bmp");
    writeFileAtomic(folder.path() / "test.lev", "picture");
    copyFile(folder.path() / "test.lev", g / "test.bmp");
    EXPECT_FALSE(fs::is_symlink(g / "test.bmp"));
    EXPECT_EQ(readFile(g / "test.bmp"), "picture");
    EXPECT_EQ(readFile(outside), "not the game's");

    // A link planted under the temporary name of old is not written through either.
    const fs::path file = folder.path() / "sys.ini";
    fs::create_symlink(outside, folder.path() / (".sys.ini.tmp" + std::to_string(::getpid())));
    writeFileAtomic(file, "[KV]\r\n");
    EXPECT_EQ(readFile(outside), "not the game's");
    EXPECT_EQ(readFile(file), "[KV]\r\n");
}

TEST(Files, RewriteKeepsTheModeAndRefusesWhatIsNotOursToRewrite) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "sys.ini";
    writeFileAtomic(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    writeFileAtomic(file, "new");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    EXPECT_NO_THROW(checkRewritable(file));
    EXPECT_NO_THROW(checkRewritable(folder.path() / "not-yet.ini"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_THROW(checkRewritable(file), FileError);  // read-only, even to root
    const fs::path link = folder.path() / "linked.ini";
    fs::create_symlink(file, link);
    EXPECT_THROW(checkRewritable(link), FileError);
    EXPECT_THROW(checkRewritable(folder.path()), FileError);
}

TEST(Files, StaleTemporariesOfOurFilesAreRemovedAndNothingElse) {
    test::TempFolder folder;
    const fs::path dir = folder.path();
    const std::string dead = std::to_string(endedProcess());
    const std::string self = std::to_string(::getpid());
    const std::vector<std::string> stale = {".sys.ini.tmp" + dead,
                                            ".sys.ini.tmp" + dead + "-a1b2c3",
                                            ".extract.ext.tmp" + self + "-zzzzzz"};
    // A live process's save in progress, the player's own files, and other programs' names.
    const std::vector<std::string> kept = {".sys.ini.tmp1-abcdef", ".sys.ini.tmpnotes",
                                           ".sys.ini.tmp" + dead + "-toolong", ".other.tmp" + dead,
                                           "sys.ini"};
    for (const auto& name : stale) writeFileAtomic(dir / name, "half");
    for (const auto& name : kept) writeFileAtomic(dir / name, "kept");
    fs::create_symlink(dir / "sys.ini", dir / (".sys.ini.tmp" + dead + "-link00"));

    EXPECT_EQ(removeStaleTemporaries(dir, {"sys.ini", "extract.ext"}), 3);
    std::set<std::string> expected(kept.begin(), kept.end());
    expected.insert(".sys.ini.tmp" + dead + "-link00");
    EXPECT_EQ(namesIn(dir), expected);
    EXPECT_EQ(removeStaleTemporaries(dir / "nowhere", {"sys.ini"}), 0);
}

TEST(Files, CopyReplacesTheTargetAndNamesAMissingSource) {
    test::TempFolder folder;
    const fs::path from = folder.path() / "test.lev", to = folder.path() / "test.bmp";
    writeFileAtomic(from, "new picture");
    writeFileAtomic(to, "an older and longer picture");
    copyFile(from, to);
    EXPECT_EQ(readFile(to), "new picture");
    EXPECT_EQ(readFile(from), "new picture");

    const fs::path missing = folder.path() / "e12.lev";
    try {
        copyFile(missing, to);
        ADD_FAILURE() << "copied a file that is not there";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(readFile(to), "new picture");
    // A folder is not a file to copy.
    EXPECT_THROW(copyFile(folder.path(), to), FileError);
}

TEST(Files, GamePathTakesEitherSeparatorAndKeepsNames) {
    const fs::path base = "/opt/Kvorlin";
    EXPECT_EQ(gamePath(base, "\\grafix\\e12.lev"), fs::path("/opt/Kvorlin/grafix/e12.lev"));
    EXPECT_EQ(gamePath(base, "/grafix\\Episode1Mask.LEV"),
              fs::path("/opt/Kvorlin/grafix/Episode1Mask.LEV"));
    EXPECT_EQ(gamePath(base, "\\\\music//1.mid"), fs::path("/opt/Kvorlin/music/1.mid"));
    EXPECT_EQ(gamePath(base, "sys.ini"), fs::path("/opt/Kvorlin/sys.ini"));
    EXPECT_EQ(gamePath(base, "/ěšč ř.txt").filename().string(), "ěšč ř.txt");
}

TEST(Files, AtomicWriteLeavesNoTemporaryFile) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "sys.ini";
    writeFileAtomic(file, "first");
    writeFileAtomic(file, "second, longer");
    writeFileAtomic(file, "3");
    EXPECT_EQ(readFile(file), "3");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"sys.ini"});
}

TEST(Files, FailedWriteKeepsTheOldFile) {
    test::TempFolder folder;
    const fs::path file = folder.path() / "extract.ext";
    writeFileAtomic(file, "\"Kvorlin\",\"500\"\r\n");
    {
        FileSizeLimit full(16);
        try {
            writeFileAtomic(file, std::string(4096, 'x'));
            ADD_FAILURE() << "a write past the limit went through";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(readFile(file), "\"Kvorlin\",\"500\"\r\n");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"extract.ext"});

    // A folder in the file's place cannot be replaced: it stays as it was, and no temporary file
    // is left beside it.
    const fs::path blocked = folder.path() / "sys.ini";
    fs::create_directory(blocked);
    writeFileAtomic(blocked / "inside", "kept");
    EXPECT_THROW(writeFileAtomic(blocked, "[KV]\r\n"), FileError);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(readFile(blocked / "inside"), "kept");
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"extract.ext", "sys.ini"}));
}

TEST(Files, ReadingAMissingFileOrAFolderNamesIt) {
    test::TempFolder folder;
    const fs::path missing = folder.path() / "extract.ext";
    const fs::path aFolder = folder.path() / "grafix";
    fs::create_directory(aFolder);
    for (const fs::path& bad : {missing, aFolder}) {
        try {
            const std::string bytes = readFile(bad);
            ADD_FAILURE() << "read " << bad << " as \"" << bytes << "\"";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(bad.string()), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace kv
