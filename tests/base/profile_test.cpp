#include "base/profile.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/errors.h"
#include "base/files.h"

namespace kv {
namespace {
namespace fs = std::filesystem;

class Profile : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kv-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
        ini = folder / "sys.ini";
    }
    void TearDown() override { fs::remove_all(folder); }

    void put(const std::string& bytes) { writeFileAtomic(ini, bytes); }
    std::string contents() const { return readFile(ini); }
    std::string get(std::string_view key, std::string_view fallback = "dflt") const {
        return getProfileString(ini, "KV", key, fallback);
    }
    int filesInFolder() const {
        return static_cast<int>(std::distance(fs::directory_iterator(folder), {}));
    }

    fs::path folder;
    fs::path ini;
};

TEST_F(Profile, MissingFileSectionOrKeyGivesTheDefault) {
    EXPECT_EQ(get("speed", "25"), "25");
    put("[Other]\r\nspeed=30\r\n");
    EXPECT_EQ(get("speed", "25"), "25");
    put("[KV]\r\nfirstrun=no\r\n");
    EXPECT_EQ(get("speed", "25"), "25");
    EXPECT_EQ(get("speed", "speciálně"), "speciálně");
    EXPECT_EQ(get("speed", "abcdefghijkl"), "abcdefghi");
    EXPECT_EQ(get("speed", "25   "), "25");
    // A folder where the file should be is unreadable, not fatal.
    EXPECT_EQ(getProfileString(folder, "KV", "speed", "25"), "25");
}

TEST_F(Profile, NamesMatchWithoutCaseAndBlanksAreTrimmed) {
    put("  [ kv ]  \n\tSPEED =  40 \t\nNastaveni8=False\n");
    EXPECT_EQ(get("speed"), "40");
    EXPECT_EQ(getProfileString(ini, "Kv", "nastaveni8", ""), "False");
    put("[\xC8\xCDSLA]\r\n\x8Elu\x9D=ano\r\n");  // [ČÍSLA] Žluť=ano
    EXPECT_EQ(getProfileString(ini, "čísla", "žluŤ", ""), "ano");
}

TEST_F(Profile, LineStructure) {
    // Split at the first '=', comments skipped, a bare key is empty, no final newline needed.
    put("; speed=1\r\n[KV]\r\n;speed=2\r\nspeed=a=b\r\nflag\r\nlast=end");
    EXPECT_EQ(get("speed"), "a=b");
    EXPECT_EQ(get("flag"), "");
    EXPECT_EQ(get("last"), "end");
    // Keys before any section belong to none.
    put("speed=9\n[KV]\n");
    EXPECT_EQ(get("speed"), "dflt");
}

TEST_F(Profile, FirstMatchingSectionCounts) {
    put("[KV]\nx=1\n[Other]\ny=5\n[kv]\nx=2\ny=3\n");
    EXPECT_EQ(get("x"), "1");
    EXPECT_EQ(get("y"), "dflt");
}

TEST_F(Profile, OnePairOfSurroundingQuotesIsDropped) {
    put("[KV]\na=\"a b\"\nb=\" padded \"\nc=\"\"x\"\"\nd=\"open\ne=\"\n");
    EXPECT_EQ(get("a"), "a b");
    EXPECT_EQ(get("b"), " padded ");
    EXPECT_EQ(get("c"), "\"x\"");
    EXPECT_EQ(get("d"), "\"open");
    EXPECT_EQ(get("e"), "\"");
}

TEST_F(Profile, ReadKeepsNineCodePageCharacters) {
    put("[KV]\r\nNastaveni5=speci\xE1ln\xEC\r\nlong=abcdefghijkl\r\nczech="
        "\xEC\x9A\xE8\xF8\x9E\xFD\xE1\xED\xE9\xFA\xF9x\r\n");
    EXPECT_EQ(get("Nastaveni5"), "speciálně");
    EXPECT_EQ(get("long"), "abcdefghi");
    EXPECT_EQ(get("czech"), "ěščřžýáíé");
    EXPECT_EQ(getProfileString(ini, "KV", "long", "", 3), "abc");
    EXPECT_EQ(getProfileString(ini, "KV", "long", "xyz", 0), "");
}

TEST_F(Profile, NewFileIsWrittenInTheGamesOwnForm) {
    writeProfileStrings(
        ini, "KV",
        {{"firstrun", "no"}, {"speed", "25"}, {"Nastaveni4", "udělán"}, {"Nastaveni9", ":-)))"}});
    EXPECT_EQ(contents(),
              "[KV]\r\nfirstrun=no\r\nspeed=25\r\nNastaveni4=ud\xECl\xE1n\r\nNastaveni9=:-)))\r\n");
    EXPECT_EQ(get("Nastaveni4"), "udělán");
    EXPECT_EQ(filesInFolder(), 1);  // no temporary file left behind
}

TEST_F(Profile, ReplacingAKeyLeavesEveryOtherByteAlone) {
    const std::string before =
        "; my settings\n\n[Other]\nspeed=1\n\n[kv]\nfirstrun=yes\n  Speed = 25 \n; note\n\n"
        "[Last]\nx=y";
    put(before);
    writeProfileString(ini, "KV", "speed", "30");
    std::string expected = before;
    expected.replace(expected.find("  Speed = 25 "), 13, "Speed=30");
    EXPECT_EQ(contents(), expected);
    EXPECT_EQ(getProfileString(ini, "Other", "speed", ""), "1");
    EXPECT_EQ(get("speed"), "30");
}

TEST_F(Profile, NewKeyGoesAfterTheLastKeyOfItsSection) {
    put("[KV]\r\na=1\r\n; end of KV\r\n\r\n[B]\r\nb=2\r\n");
    writeProfileStrings(ini, "kv", {{"c", "3"}, {"a", "one"}, {"d", "4"}});
    EXPECT_EQ(contents(), "[KV]\r\na=one\r\nc=3\r\nd=4\r\n; end of KV\r\n\r\n[B]\r\nb=2\r\n");

    put("[B]\nb=2\n[KV]\n\n");
    writeProfileString(ini, "KV", "k", "v");
    EXPECT_EQ(contents(), "[B]\nb=2\n[KV]\nk=v\n\n");
}

TEST_F(Profile, NewSectionGoesAtTheEndInTheFilesLineEndings) {
    put("[A]\nx=1");
    writeProfileString(ini, "KV", "k", "v");
    EXPECT_EQ(contents(), "[A]\nx=1\n[KV]\nk=v\n");

    put("[KV]\r\nk=old");
    writeProfileString(ini, "KV", "k", "new");
    EXPECT_EQ(contents(), "[KV]\r\nk=new");
    writeProfileString(ini, "KV", "m", "2");
    EXPECT_EQ(contents(), "[KV]\r\nk=new\r\nm=2\r\n");
}

TEST_F(Profile, LineBreaksInAValueCannotSplitTheFile) {
    writeProfileStrings(ini, "KV",
                        {{"a", "one\r\ntwo"}, {"b", "x\ny"}, {"c", std::string("z\0z", 3)}});
    // A zero byte would make the file foreign to the next read.
    EXPECT_EQ(contents(), "[KV]\r\na=one  two\r\nb=x y\r\nc=z z\r\n");
    EXPECT_EQ(get("b"), "x y");
}

TEST_F(Profile, CzechValuesRoundTripThroughTheFile) {
    const std::string all = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    writeProfileString(ini, "KV", "letters", all);
    EXPECT_EQ(getProfileString(ini, "KV", "letters", "", 100), all);
    writeProfileString(ini, "KV", "smile", "😀!");
    EXPECT_EQ(get("smile"), "?!");
}

TEST_F(Profile, ByteOrderMarkAndEveryLineEndingAreRead) {
    // As an editor saves it in UTF-8: the mark is kept, the values stay UTF-8.
    put("\xEF\xBB\xBF[KV]\r\nfirstrun=no\r\nNastaveni4=ud\xC4\x9Bl\xC3\xA1n\r\n");
    EXPECT_EQ(get("firstrun"), "no");
    EXPECT_EQ(get("Nastaveni4"), "udělán");
    writeProfileStrings(ini, "KV", {{"firstrun", "no"}, {"speed", "30"}});
    EXPECT_EQ(contents(),
              "\xEF\xBB\xBF[KV]\r\nfirstrun=no\r\nNastaveni4=ud\xC4\x9Bl\xC3\xA1n\r\nspeed=30\r\n");

    // Old Mac line ends: one section, no second one of defaults.
    put("[KV]\rfirstrun=no\rspeed=40\r");
    EXPECT_EQ(get("speed"), "40");
    writeProfileString(ini, "KV", "Nastaveni8", "False");
    EXPECT_EQ(contents(), "[KV]\rfirstrun=no\rspeed=40\rNastaveni8=False\r");
}

TEST_F(Profile, Utf16IsRefusedAndLeftAlone) {
    const std::string utf16("\xFF\xFE[\0K\0V\0]\0\r\0\n\0s\0p\0e\0e\0d\0=\0\x34\0\x30\0", 28);
    put(utf16);
    EXPECT_EQ(get("speed", "25"), "25");
    try {
        writeProfileString(ini, "KV", "speed", "30");
        ADD_FAILURE() << "a UTF-16 file was rewritten";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("UTF-16"), std::string::npos) << e.what();
    }
    EXPECT_EQ(contents(), utf16);
    put(utf16.substr(2));  // without its mark
    EXPECT_THROW(writeProfileString(ini, "KV", "speed", "30"), FileError);
    EXPECT_EQ(contents(), utf16.substr(2));
}

TEST_F(Profile, BytesTheCodePageLeavesUndefinedAreSavedBackUnchanged) {
    const std::string odd = "[KV]\r\nNastaveni2=a\x81\x83\x88\x90\x98z\r\n";
    put(odd);
    const std::string value = get("Nastaveni2");
    writeProfileString(ini, "KV", "Nastaveni2", value);
    EXPECT_EQ(contents(), odd);
}

TEST_F(Profile, ALinkOrAReadOnlyFileIsNotRewritten) {
    const fs::path real = folder / "real.ini";
    writeFileAtomic(real, "[KV]\r\nspeed=25\r\n");
    fs::create_symlink(real, ini);
    EXPECT_EQ(get("speed"), "25");  // read through the link as before
    EXPECT_THROW(writeProfileString(ini, "KV", "speed", "30"), FileError);
    EXPECT_TRUE(fs::is_symlink(ini));
    EXPECT_EQ(readFile(real), "[KV]\r\nspeed=25\r\n");

    fs::remove(ini);
    put("[KV]\r\nspeed=25\r\n");
    fs::permissions(ini, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        writeProfileString(ini, "KV", "speed", "30");
        ADD_FAILURE() << "a read-only file was rewritten";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("read-only"), std::string::npos) << e.what();
    }
    EXPECT_EQ(contents(), "[KV]\r\nspeed=25\r\n");
    EXPECT_EQ(fs::status(ini).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST_F(Profile, FailedWriteNamesTheFileAndKeepsTheOldOne) {
    // Tests run as root, so permissions stop nothing: put a file where the folder should be.
    const fs::path notAFolder = folder / "blocker";
    { std::ofstream(notAFolder) << "keep me"; }
    const fs::path target = notAFolder / "sys.ini";
    try {
        writeProfileString(target, "KV", "speed", "25");
        FAIL() << "write into a file-as-folder succeeded";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
    }
    EXPECT_EQ(readFile(notAFolder), "keep me");

    // A folder standing at the file's name stays, and no temporary file is left beside it.
    fs::create_directory(ini);
    EXPECT_THROW(writeProfileString(ini, "KV", "speed", "25"), FileError);
    EXPECT_TRUE(fs::is_directory(ini));
    EXPECT_EQ(filesInFolder(), 2);
}

TEST_F(Profile, FailedRewriteLeavesTheOldFileIntact) {
    put("[KV]\r\nspeed=25\r\n");
    {
        // A full disk: the rewrite fails after the old file was read.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = old;
        limited.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &limited);
        EXPECT_THROW(writeProfileString(ini, "KV", "speed", "26"), FileError);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(contents(), "[KV]\r\nspeed=25\r\n");
    EXPECT_EQ(filesInFolder(), 1);
    writeProfileString(ini, "KV", "speed", "26");
    EXPECT_EQ(get("speed"), "26");
}

}  // namespace
}  // namespace kv
