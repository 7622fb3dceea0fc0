// A program folder the player cannot write to (run as another user, not root): the settings, the
// high scores and the working copies go to the player's data folder, and nothing complains. The
// same folder given to that player keeps today's portable behaviour.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

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

TEST(UserData, AFolderThePlayerCannotWriteSendsTheFilesToTheirDataFolder) {
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || !nobody || runShell("command -v runuser").code != 0)
        GTEST_SKIP() << "needs root, runuser and the user nobody";
    const std::string kvorlin = std::string(KVORLIN_BUILD_DIR) + "/kvorlin";
    const std::string asNobody = "runuser -u nobody -- ";
    if (runShell(asNobody + shellQuoted(kvorlin) + " --version").code != 0)
        GTEST_SKIP() << "nobody cannot run " << kvorlin;

    test::TempFolder t;
    fs::permissions(t.path(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                  fs::perms::others_read | fs::perms::others_exec);
    const fs::path program = t.path() / "game", home = t.path() / "home";
    test::makeProgramFolder(program, {});
    fs::create_directories(home);
    ASSERT_EQ(::chown(home.c_str(), nobody->pw_uid, nobody->pw_gid), 0);

    const std::string run = asNobody + "env -u XDG_DATA_HOME HOME=" + shellQuoted(home) + " " +
                            shellQuoted(kvorlin) + " --program-dir " + shellQuoted(program);
    const fs::path data = home / ".local" / "share" / "kvorlin";
    const test::Outcome help = runShell(run + " --help");
    EXPECT_NE(help.out.find("kept in " + data.string() + "\n"), std::string::npos) << help.out;

    // A first start on to the main window, which makes the test picture's working copy.
    const fs::path script = t.path() / "first_start.kvs";
    writeFileAtomic(script, "click Form2.Picture2\nkey press Space\nexpect Form1.Visible True\n");
    fs::permissions(script, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
    const std::string playScript = " --script " + shellQuoted(script.string());
    const test::Outcome locked = runShell(run + " --headless" + playScript);
    EXPECT_EQ(locked.code, 0) << locked.out << locked.err;
    EXPECT_EQ(locked.err, "");
    for (const char* f : {"sys.ini", "grafix/test.bmp", "music/1.mid"})
        EXPECT_TRUE(fs::exists(data / f)) << f;
    for (const char* f : {"sys.ini", "grafix/test.bmp", "music/1.mid"})
        EXPECT_FALSE(fs::exists(program / f)) << f;

    // The player's own copy: everything stays in the program folder.
    for (const auto& entry : fs::recursive_directory_iterator(program))
        ASSERT_EQ(::chown(entry.path().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(::chown(program.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    fs::remove_all(data);
    const test::Outcome portable = runShell(run + " --headless" + playScript);
    EXPECT_EQ(portable.code, 0) << portable.out << portable.err;
    EXPECT_EQ(portable.err, "");
    for (const char* f : {"sys.ini", "grafix/test.bmp", "music/1.mid"})
        EXPECT_TRUE(fs::exists(program / f)) << f;
    EXPECT_FALSE(fs::exists(data));
}

}  // namespace
}  // namespace kv
