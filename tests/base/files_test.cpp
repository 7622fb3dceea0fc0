#include "base/files.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <set>
#include <string>

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

TEST(Files, WildcardDeleteTakesOnlyMatchingFiles) {
    test::TempFolder folder;
    const fs::path g = folder.path() / "grafix";
    fs::create_directory(g);
    for (const char* name :
         {"episode1.bmp", "e1.bmp", "test.bmp", "test.lev", "x.bmp.lev", "BIG.BMP", "bmp"})
        writeFileAtomic(g / name, "x");
    fs::create_directory(g / "sub.bmp");  // folders are not files to delete

    EXPECT_EQ(deleteMatching(g / "*.bmp"), 3);
    EXPECT_EQ(namesIn(g),
              (std::set<std::string>{"test.lev", "x.bmp.lev", "BIG.BMP", "bmp", "sub.bmp"}));
    // Nothing to match is not an error, nor is a folder that is not there.
    EXPECT_EQ(deleteMatching(g / "*.bmp"), 0);
    EXPECT_EQ(deleteMatching(folder.path() / "nowhere" / "*.mid"), 0);

    const fs::path m = folder.path() / "music";
    fs::create_directory(m);
    for (const char* name : {"1.mid", "7.mid", "10.mid", "1.mus"}) writeFileAtomic(m / name, "x");
    EXPECT_EQ(deleteMatching(m / "?.mid"), 2);
    EXPECT_EQ(namesIn(m), (std::set<std::string>{"10.mid", "1.mus"}));
}

TEST(Files, WildcardMatch) {
    EXPECT_TRUE(wildcardMatch("*.bmp", ".bmp"));
    EXPECT_TRUE(wildcardMatch("*mask*.lev", "episode3mask.lev"));
    EXPECT_TRUE(wildcardMatch("a*b*c", "aXbYbZc"));
    EXPECT_TRUE(wildcardMatch("*", ""));
    EXPECT_FALSE(wildcardMatch("*.bmp", "a.bmpx"));
    EXPECT_FALSE(wildcardMatch("?", ""));
    EXPECT_FALSE(wildcardMatch("*.mid", "1.MID"));
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
