#include "support/app_fixture.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <iostream>

#include "base/bmp.h"
#include "base/errors.h"
#include "base/files.h"

namespace kv::test {

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kv-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string testLevelBytes() {
    Surface picture(5, 3, rgb(10, 20, 30));
    picture.setPixel(4, 2, rgb(250, 0, 7));
    return encodeBmp(picture);
}

void makeProgramFolder(const fs::path& folder, const ProgramFolderSpec& spec) {
    fs::create_directories(folder / "grafix");
    fs::create_directories(folder / "music");
    if (spec.testLevel) writeFileAtomic(folder / "grafix" / "test.lev", testLevelBytes());
    // The headless player never reads a tune, so a bare file header will do.
    const std::string tune("MThd\0\0\0\6\0\0\0\1\0\x60", 14);
    for (int i = 1; i <= spec.tunes; ++i)
        writeFileAtomic(folder / "music" / (std::to_string(i) + ".mus"), tune);
    if (spec.sysIni) writeFileAtomic(folder / "sys.ini", *spec.sysIni);
}

int CapturedStderr::linesWith(const std::string& what) const {
    std::istringstream lines(text_.str());
    int n = 0;
    for (std::string line; std::getline(lines, line);)
        if (line.find(what) != std::string::npos) ++n;
    return n;
}

HeadlessGame::HeadlessGame(const ProgramFolderSpec& spec)
    : app(host, folder.path()), driver(app, host, out, err) {
    makeProgramFolder(folder.path(), spec);
}

void HeadlessGame::openMainWindow() {
    start();
    // A first start goes through the speed test, whose GO leads to the intro; Space there opens
    // the main window.
    // A file error ends the program, as it does in the real loop.
    try {
        if (app.Form2.isLoaded() && app.Form2.visible)
            app.windows.click(app.Form2, *app.Form2.Picture2);
        if (app.checkpoint.isLoaded() && app.windows.top() == &app.checkpoint)
            app.windows.keyDown(keys::Space);
    } catch (const FileError& e) {
        app.fail(e.what());
    }
}

std::string HeadlessGame::get(const std::string& name) {
    std::string value;
    try {
        if (!driver.get(name, value)) ADD_FAILURE() << "the driver does not know " << name;
    } catch (...) {
        ADD_FAILURE() << name << " cannot be read now";
    }
    return value;
}

void HeadlessGame::set(const std::string& name, const std::string& value) {
    bool known = false;
    try {
        known = driver.set(name, value);
    } catch (...) {
        ADD_FAILURE() << name << " cannot be set to \"" << value << "\"";
        return;
    }
    if (!known) ADD_FAILURE() << "the driver does not know " << name;
}

int HeadlessGame::script(const std::string& lines) {
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        const int rc = driver.execute(line, ++line_);
        if (rc >= 0) return rc;
    }
    return 0;
}

fs::path HeadlessGame::path(const std::string& literal) const {
    return gamePath(folder.path(), literal);
}

bool HeadlessGame::exists(const std::string& literal) const {
    return fs::exists(path(literal));
}

std::string HeadlessGame::bytes(const std::string& literal) const {
    return readFile(path(literal));
}

}  // namespace kv::test
