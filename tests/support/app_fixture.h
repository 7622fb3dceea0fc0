#pragma once
// The real program, headless, over a temporary program folder: grafix/test.lev, music/1..7.mus
// and, when asked for, a sys.ini. Unit tests drive it through the script driver.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>
#include <streambuf>
#include <string>

#include "driver/script_driver.h"
#include "persist/first_run_window.h"
#include "persist/score_window.h"
#include "persist/settings_holder.h"
#include "platform/headless/headless_host.h"
#include "screens/intro_window.h"
#include "shell/app.h"
#include "shell/main_window.h"

namespace kv::test {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

struct ProgramFolderSpec {
    bool testLevel = true;              // grafix/test.lev
    int tunes = 7;                      // music/1.mus .. music/N.mus
    std::optional<std::string> sysIni;  // the bytes of sys.ini; none: no file
};

// Settings that skip the first-run test and leave every other key at its default.
inline const std::string PlainSettings = "[KV]\r\nfirstrun=no\r\n";

// Fills `folder` with the files a program folder needs.
void makeProgramFolder(const fs::path& folder, const ProgramFolderSpec& spec);

// The small picture the test folder holds as grafix/test.lev.
std::string testLevelBytes();

// Collects what is written to std::cerr while it lives.
class CapturedStderr {
  public:
    CapturedStderr() : old_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedStderr() { std::cerr.rdbuf(old_); }
    CapturedStderr(const CapturedStderr&) = delete;
    CapturedStderr& operator=(const CapturedStderr&) = delete;
    std::string text() const { return text_.str(); }
    // Lines that contain `what`.
    int linesWith(const std::string& what) const;

  private:
    std::ostringstream text_;
    std::streambuf* old_;
};

class HeadlessGame {
  public:
    explicit HeadlessGame(const ProgramFolderSpec& spec = {});

    // Loads the settings holder, which opens the first window.
    void start() { app.start(); }
    // Starts and goes on to the main window as a player would: GO in the first-run test, Space in
    // the intro.
    void openMainWindow();

    // NAME as the driver reads it; a failure of the test when the driver does not know it.
    std::string get(const std::string& name);
    void set(const std::string& name, const std::string& value);
    // Runs script lines (one per line); returns the driver's exit code, 0 when all went through.
    int script(const std::string& lines);

    fs::path path(const std::string& literal) const;
    bool exists(const std::string& literal) const;
    std::string bytes(const std::string& literal) const;

    TempFolder folder;
    HeadlessHost host;
    App app;
    std::ostringstream out, err;
    ScriptDriver driver;

  private:
    int line_ = 0;
};

// A test that starts on the main window, opened the way the intro opens it, with its keys.
struct MainWindowTest : ::testing::Test {
    HeadlessGame game{{.sysIni = PlainSettings}};
    App& app = game.app;
    GameState& s = app.state;
    MainWindow& f = app.Form1;

    void SetUp() override {
        game.openMainWindow();
        ASSERT_EQ(app.windows.top(), &f);
        ASSERT_TRUE(f.keyPreview);
    }
    void press(int key) {
        app.windows.keyDown(key);
        app.windows.keyUp(key);
    }
};

}  // namespace kv::test
