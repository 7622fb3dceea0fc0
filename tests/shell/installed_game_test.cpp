// `cmake --install` as a packager runs it: the tree it makes, both validators on the desktop
// files, and the installed game reading its assets from the install and keeping its own files in
// the player's data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/files.h"
#include "support/app_fixture.h"
#include "support/process.h"

namespace kv {
namespace {

namespace fs = std::filesystem;
using test::runShell;
using test::shellQuoted;

// Width and height from a PNG file's header, or {0, 0} when it is not a PNG.
std::pair<int, int> pngSize(const fs::path& file) {
    const std::string b = readFile(file);
    if (b.size() < 24 || b.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || b.compare(12, 4, "IHDR"))
        return {0, 0};
    auto big = [&](int at) {
        int v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(b[at + i]);
        return v;
    };
    return {big(16), big(20)};
}

TEST(InstalledGame, TheTreeValidatesAndPlaysWithTheFilesInThePlayersFolder) {
    test::TempFolder t;
    const fs::path prefix = t.path() / "usr";
    const test::Outcome install =
        runShell(shellQuoted(KVORLIN_CMAKE) + " --install " + shellQuoted(KVORLIN_BUILD_DIR) +
                 " --prefix " + shellQuoted(prefix.string()));
    ASSERT_EQ(install.code, 0) << install.out << install.err;

    const fs::path share = prefix / "share", assets = share / "kvorlin";
    EXPECT_NE(fs::status(prefix / "bin" / "kvorlin").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    for (const char* f : {"grafix/test.lev", "grafix/episode1.lev", "grafix/episode12mask.lev",
                          "grafix/e12.lev", "music/1.mus", "music/7.mus"})
        EXPECT_TRUE(fs::exists(assets / f)) << f;
    // Only the stored files: no working copies or settings of a run in the build tree.
    for (const auto& entry : fs::recursive_directory_iterator(assets)) {
        const std::string ext = entry.path().extension().string();
        EXPECT_TRUE(entry.is_directory() || ext == ".lev" || ext == ".mus") << entry.path();
    }
    const std::string id = KVORLIN_APP_ID;
    const fs::path desktopFile = share / "applications" / (id + ".desktop");
    const fs::path metainfo = share / "metainfo" / (id + ".metainfo.xml");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string dims = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_EQ(pngSize(share / "icons" / "hicolor" / dims / "apps" / (id + ".png")),
                  std::make_pair(size, size))
            << dims;
    }

    const test::Outcome desktop = runShell("desktop-file-validate " + shellQuoted(desktopFile));
    EXPECT_EQ(desktop.code, 0) << desktop.out << desktop.err
                               << "(desktop-file-utils: scripts/install-deps)";
    EXPECT_EQ(desktop.out + desktop.err, "");
    const test::Outcome appstream =
        runShell("appstreamcli validate --no-net " + shellQuoted(metainfo));
    EXPECT_EQ(appstream.code, 0) << appstream.out << appstream.err
                                 << "(appstream: scripts/install-deps)";

    // Started from the install: assets from there, everything written in the player's folder.
    const fs::path xdg = t.path() / "xdg";
    const std::string run =
        "env XDG_DATA_HOME=" + shellQuoted(xdg) + " " + shellQuoted(prefix / "bin" / "kvorlin");
    const test::Outcome help = runShell(run + " --help");
    EXPECT_NE(help.out.find("read from " + assets.string() + "\n"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("kept in " + (xdg / "kvorlin").string() + "\n"), std::string::npos);
    const fs::path script = t.path() / "first_start.kvs";
    writeFileAtomic(script, "click Form2.Picture2\nkey press Space\nexpect Form1.Visible True\n");
    const test::Outcome play =
        runShell(run + " --headless --script " + shellQuoted(script.string()));
    EXPECT_EQ(play.code, 0) << play.out << play.err;
    EXPECT_EQ(play.err, "");
    for (const char* f : {"sys.ini", "grafix/test.bmp", "music/1.mid"})
        EXPECT_TRUE(fs::exists(xdg / "kvorlin" / f)) << f;
    EXPECT_FALSE(fs::exists(assets / "sys.ini"));
    EXPECT_FALSE(fs::exists(assets / "grafix" / "test.bmp"));
}

}  // namespace
}  // namespace kv
