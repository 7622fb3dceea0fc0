// The built program, run as a user runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "base/files.h"
#include "support/app_fixture.h"

namespace kv {
namespace {

using test::TempFolder;

struct Outcome {
    int code = -1;
    std::string out, err;
};

std::string quoted(const std::string& s) {
    return "'" + s + "'";
}

// Runs the program with `args` (already quoted as needed) and `input` on standard input.
Outcome kvorlin(const TempFolder& scratch, const std::string& args, const std::string& input = "") {
    const auto in = scratch.path() / "stdin.txt", out = scratch.path() / "stdout.txt",
               err = scratch.path() / "stderr.txt";
    writeFileAtomic(in, input);
    const std::string command = quoted(std::string(KVORLIN_BUILD_DIR) + "/kvorlin") + " " + args +
                                " <" + quoted(in.string()) + " >" + quoted(out.string()) + " 2>" +
                                quoted(err.string());
    const int status = std::system(command.c_str());
    Outcome r;
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = readFile(out);
    r.err = readFile(err);
    return r;
}

TEST(CommandLine, HelpVersionAndBadOptions) {
    TempFolder scratch;
    const Outcome help = kvorlin(scratch, "--help");
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("usage: kvorlin", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("--headless"), std::string::npos);

    const Outcome version = kvorlin(scratch, "--version");
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out, std::string("kvorlin ") + KVORLIN_VERSION + "\n");

    const Outcome bad = kvorlin(scratch, "--full-screen");
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("bad option --full-screen"), std::string::npos) << bad.err;
    EXPECT_NE(bad.err.find("usage: kvorlin"), std::string::npos);
    EXPECT_EQ(bad.out, "");

    // An option that needs a value and has none.
    EXPECT_EQ(kvorlin(scratch, "--headless --program-dir").code, 2);
    // A script goes with the headless run only.
    EXPECT_EQ(kvorlin(scratch, "--script x.kvs").code, 2);
    EXPECT_EQ(kvorlin(scratch, "--scale 0").code, 2);
    EXPECT_EQ(kvorlin(scratch, "--scale 9").code, 2);
}

TEST(CommandLine, HeadlessRunTakesItsExitCodeFromTheScript) {
    TempFolder scratch;
    test::makeProgramFolder(scratch.path(), {.sysIni = test::PlainSettings});
    const std::string dir = "--headless --program-dir " + quoted(scratch.path().string());

    const Outcome fromStdin = kvorlin(scratch, dir, "key press Space\nget lives Form1.Visible\n");
    EXPECT_EQ(fromStdin.code, 0) << fromStdin.err;
    EXPECT_EQ(fromStdin.out, "lives=3\nForm1.Visible=True\n");
    const Outcome dash = kvorlin(scratch, dir + " --script -", "key press Space\nget lives\n");
    EXPECT_EQ(dash.code, 0) << dash.err;
    EXPECT_EQ(dash.out, "lives=3\n");

    writeFileAtomic(scratch.path() / "fails.kvs", "key press Space\nframes 2\nexpect lives 4\n");
    const Outcome failing =
        kvorlin(scratch, dir + " --script " + quoted((scratch.path() / "fails.kvs").string()));
    EXPECT_EQ(failing.code, 1);
    EXPECT_EQ(failing.err, "expect failed: lives is 3, expected 4 (line 3)\n");

    const Outcome broken = kvorlin(scratch, dir, "wait 10\njump\n");
    EXPECT_EQ(broken.code, 2);
    EXPECT_EQ(broken.err, "error: unknown command jump (line 2)\n");

    const Outcome missing =
        kvorlin(scratch, dir + " --script " + quoted((scratch.path() / "none.kvs").string()));
    EXPECT_EQ(missing.code, 2);
    EXPECT_NE(missing.err.find("none.kvs"), std::string::npos) << missing.err;
    // A folder opens like an empty file; it is no script.
    const Outcome folder = kvorlin(scratch, dir + " --script " + quoted(scratch.path().string()));
    EXPECT_EQ(folder.code, 2);
    EXPECT_NE(folder.err.find(scratch.path().string()), std::string::npos) << folder.err;
}

TEST(CommandLine, HeadlessStartWithoutTheTestPictureNamesIt) {
    TempFolder scratch;
    test::makeProgramFolder(scratch.path(), {.testLevel = false, .sysIni = test::PlainSettings});
    // The run ends with the failed start, exit code and all: no line runs against it.
    const Outcome r =
        kvorlin(scratch, "--headless --program-dir " + quoted(scratch.path().string()),
                "key press Space\nexpect App.Ended False\n");
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_EQ(r.err.find("expect failed"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find((scratch.path() / "grafix" / "test.lev").string()), std::string::npos)
        << r.err;
}

TEST(CommandLine, ExitItemDeletesTheWorkingCopiesAndSavesTheSettings) {
    TempFolder scratch;
    test::makeProgramFolder(scratch.path(), {.sysIni = "[KV]\r\nfirstrun=no\r\n"});
    const Outcome r = kvorlin(
        scratch, "--headless --program-dir " + quoted(scratch.path().string()),
        "key press Space\nexpect Form1.Visible True\nset ini.Text3 jinak\nclick Form1.konec\n"
        "wait 3000\nexpect App.Ended True\n");
    EXPECT_EQ(r.code, 0) << r.err;
    const auto& dir = scratch.path();
    EXPECT_FALSE(std::filesystem::exists(dir / "grafix" / "test.bmp"));
    EXPECT_TRUE(std::filesystem::exists(dir / "grafix" / "test.lev"));
    for (int i = 1; i <= 7; ++i) {
        const std::string n = std::to_string(i);
        EXPECT_FALSE(std::filesystem::exists(dir / "music" / (n + ".mid"))) << n;
        EXPECT_TRUE(std::filesystem::exists(dir / "music" / (n + ".mus"))) << n;
    }
    EXPECT_NE(readFile(dir / "sys.ini").find("\r\nNastaveni2=jinak\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kv
