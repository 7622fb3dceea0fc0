// Which folder gets the files the game writes: a portable copy keeps them while it can, an
// installed game or a folder the player cannot write to sends them to the player's data folder.
#include "base/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/errors.h"
#include "base/files.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

TEST(Paths, WritableDataStaysInAWritablePortableCopyAndGoesHomeOtherwise) {
    const fs::path user = "/home/eva/.local/share/kvorlin";
    auto writable = [](const fs::path&) { return true; };
    auto readOnly = [](const fs::path&) { return false; };

    const Paths portable = choosePaths({"/opt/kv", false}, user, writable);
    EXPECT_EQ(portable.assetFolder(), "/opt/kv");
    EXPECT_EQ(portable.dataFolder(), "/opt/kv");

    const Paths locked = choosePaths({"/opt/kv", false}, user, readOnly);
    EXPECT_EQ(locked.assetFolder(), "/opt/kv");
    EXPECT_EQ(locked.data("\\sys.ini"), user / "sys.ini");
    EXPECT_EQ(locked.data("/grafix/test.bmp"), user / "grafix" / "test.bmp");
    EXPECT_EQ(locked.asset("/grafix/test.lev"), fs::path("/opt/kv/grafix/test.lev"));

    // Installed: even root, who could write there, keeps its files out of /usr.
    const Paths installed = choosePaths({"/usr/share/kvorlin", true}, user, writable);
    EXPECT_EQ(installed.dataFolder(), user);

    EXPECT_EQ(userDataFolder("/xdg", "/home/eva"), fs::path("/xdg/kvorlin"));
    EXPECT_EQ(userDataFolder(nullptr, "/home/eva"), user);
    EXPECT_EQ(userDataFolder("", "/home/eva"), user);
    EXPECT_EQ(userDataFolder("relative/data", "/home/eva"), user);
}

TEST(Paths, AssetsLieBesideTheProgramOrInTheInstallTree) {
    TempFolder t;
    const fs::path bin = t.path() / "usr" / "bin";
    fs::create_directories(bin);
    // Neither: the portable place, where the missing files will be named.
    EXPECT_EQ(findAssets(bin, "../share/kvorlin").folder, bin);

    fs::create_directories(t.path() / "usr" / "share" / "kvorlin" / "grafix");
    const AssetFolder installed = findAssets(bin, "../share/kvorlin");
    EXPECT_TRUE(installed.installed);
    EXPECT_EQ(installed.folder, t.path() / "usr" / "share" / "kvorlin");

    fs::create_directories(bin / "grafix");
    const AssetFolder portable = findAssets(bin, "../share/kvorlin");
    EXPECT_FALSE(portable.installed);
    EXPECT_EQ(portable.folder, bin);
}

TEST(Paths, TheWriteTestTriesAndTheDataFolderIsMadeWithItsSubfolders) {
    TempFolder t;
    EXPECT_TRUE(folderTakesFiles(t.path()));
    EXPECT_TRUE(fs::is_empty(t.path()));  // the trial leaves nothing behind
    EXPECT_FALSE(folderTakesFiles(t.path() / "missing"));

    const Paths paths(t.path() / "assets", t.path() / "data" / "kvorlin");
    prepareDataFolder(paths);
    EXPECT_TRUE(fs::is_directory(t.path() / "data" / "kvorlin" / "grafix"));
    EXPECT_TRUE(fs::is_directory(t.path() / "data" / "kvorlin" / "music"));

    writeFileAtomic(t.path() / "file", "x");
    EXPECT_THROW(prepareDataFolder(Paths(t.path(), t.path() / "file" / "kvorlin")), FileError);
}

}  // namespace
}  // namespace kv
