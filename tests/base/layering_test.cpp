// The SDL line is a fact of the build: only the real host, the font renderer and their tests
// may include SDL headers, and the base library includes nothing above it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> offenders(const std::vector<std::string>& roots, const std::regex& include,
                                   const std::vector<std::string>& allowed) {
    std::vector<std::string> found;
    for (const std::string& root : roots) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(KVORLIN_SOURCE_DIR) / root)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string rel = fs::relative(entry.path(), KVORLIN_SOURCE_DIR).generic_string();
            bool ok = false;
            for (const std::string& a : allowed) ok = ok || rel.rfind(a, 0) == 0;
            if (ok) continue;
            std::ifstream in(entry.path());
            std::string line;
            while (std::getline(in, line))
                if (std::regex_search(line, include)) found.push_back(rel + ": " + line);
        }
    }
    return found;
}

TEST(LayeringTest, SdlHeadersOnlyInTheRealHostAndTheFontRenderer) {
    const std::regex sdl(R"(^\s*#\s*include\s*[<"](SDL|SDL2/))");
    const auto found =
        offenders({"src", "tests", "bench", "tools"}, sdl,
                  {"src/platform/sdl/", "src/platform/fonts/", "tests/platform/sdl/"});
    EXPECT_TRUE(found.empty()) << found.front();
}

TEST(LayeringTest, LowerLayersIncludeNothingAboveThem) {
    const auto base = offenders({"src/base"}, std::regex(R"(^\s*#\s*include\s*"(?!base/))"), {});
    EXPECT_TRUE(base.empty()) << base.front();
    const auto platform =
        offenders({"src/platform"}, std::regex(R"(^\s*#\s*include\s*"(?!base/|platform/))"), {});
    EXPECT_TRUE(platform.empty()) << platform.front();
    // The shell (App, GameState, the windows' declarations) is what the subsystems stand on; the
    // wiring that calls into them lives in game/.
    const auto shell = offenders(
        {"src/shell"}, std::regex(R"(^\s*#\s*include\s*"(?!base/|platform/|shell/))"), {});
    EXPECT_TRUE(shell.empty()) << shell.front();
}

}  // namespace
