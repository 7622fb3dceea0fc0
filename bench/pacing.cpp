// Runs the real frame loop at the default period for a while with nothing drawn and prints
// frames per second, processor use and the spread of frame-start intervals; then the same
// number of frames on the virtual clock, to show what a headless run costs.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/bmp.h"
#include "driver/script_driver.h"
#include "platform/headless/headless_host.h"
#include "platform/sdl/real_clock.h"
#include "shell/app.h"

namespace {

// A real clock without a window: the loop paces exactly as in the game.
class TimedHost final : public kv::Host {
  public:
    kv::Clock& clock() override { return clock_; }
    void pollInput(kv::InputSink&) override {}
    void present(const kv::Surface&) override {}
    void idleUntil(kv::Millis) override {}
    std::unique_ptr<kv::MusicPlayer> makeMusicPlayer() override {
        kv::HeadlessHost h;
        return h.makeMusicPlayer();
    }
    void showError(const std::string& m) override { std::fprintf(stderr, "%s\n", m.c_str()); }

  private:
    kv::RealClock clock_;
};

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

std::filesystem::path makeProgramFolder() {
    auto dir = std::filesystem::temp_directory_path() / "kvorlin-pacing";
    std::filesystem::create_directories(dir / "grafix");
    std::filesystem::create_directories(dir / "music");
    kv::saveBmp(kv::Surface(2, 2), dir / "grafix" / "test.lev");
    for (int i = 1; i <= 7; ++i)
        std::ofstream(dir / "music" / (std::to_string(i) + ".mus")) << "MThd";
    std::ofstream(dir / "sys.ini") << "[KV]\r\nfirstrun=no\r\nspeed=25\r\n";
    return dir;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const auto folder = makeProgramFolder();

    TimedHost host;
    kv::App app(host, folder);
    app.start();
    std::vector<kv::Millis> starts;
    const double cpu0 = cpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    const kv::Millis end = host.clock().ticks() + static_cast<kv::Millis>(seconds * 1000);
    // The real loop's own step, with the frame starts recorded on the way.
    const long long frames0 = app.windows.framesStarted();
    while (app.windows.hasFrameLoop() && host.clock().ticks() < end) {
        app.step(end);
        if (app.windows.framesStarted() > frames0 + static_cast<long long>(starts.size()))
            starts.push_back(app.state.nextFrameTime - app.state.framePeriod.millis());
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    const double cpu = cpuSeconds() - cpu0;

    std::vector<kv::Millis> gaps;
    for (std::size_t i = 1; i < starts.size(); ++i) gaps.push_back(starts[i] - starts[i - 1]);
    std::sort(gaps.begin(), gaps.end());
    const kv::Millis period = app.state.framePeriod.millis() + 1;
    std::size_t within = 0;
    for (auto g : gaps) within += (g >= period - 1 && g <= period + 1);
    std::printf("real loop: %.1f s, %zu frames, %.2f frames/s (goal %.2f)\n", wall, starts.size(),
                starts.size() / wall, 1000.0 / period);
    std::printf("cpu: %.2f %% of one core\n", 100.0 * cpu / wall);
    if (!gaps.empty())
        std::printf(
            "frame-start intervals: min %lld ms, median %lld ms, max %lld ms, %.2f %% within +-1 "
            "ms of %lld\n",
            static_cast<long long>(gaps.front()), static_cast<long long>(gaps[gaps.size() / 2]),
            static_cast<long long>(gaps.back()), 100.0 * within / gaps.size(),
            static_cast<long long>(period));

    kv::HeadlessHost virtualHost;
    kv::App headless(virtualHost, folder);
    headless.start();
    std::ostringstream sink;
    kv::ScriptDriver driver(headless, virtualHost, sink, sink);
    const auto h0 = std::chrono::steady_clock::now();
    driver.wait(static_cast<kv::Millis>(seconds * 1000 * 10));
    const double hw = std::chrono::duration<double>(std::chrono::steady_clock::now() - h0).count();
    std::printf("headless empty loop: %lld frames in %.3f s of wall time, %.0f frames/s\n",
                headless.windows.framesStarted(), hw, headless.windows.framesStarted() / hw);
    std::filesystem::remove_all(folder);
    return 0;
}
