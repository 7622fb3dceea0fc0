#pragma once
// The test host: a virtual clock that moves only when told, no window, no sound. Input is handed
// to the application directly by the script driver.
#include <string>
#include <vector>

#include "platform/host.h"

namespace kv {

class HeadlessHost : public Host {
  public:
    explicit HeadlessHost(Millis start = 1000000) : clock_(start) {}

    VirtualClock& virtualClock() { return clock_; }
    Clock& clock() override { return clock_; }
    void pollInput(InputSink&) override {}
    void present(const Surface&) override {}
    bool showsFrames() const override { return false; }
    void idleUntil(Millis due) override {
        if (due >= 0) clock_.advanceTo(due);
    }
    std::unique_ptr<MusicPlayer> makeMusicPlayer() override;
    void showError(const std::string& message) override;

    const std::vector<std::string>& errors() const { return errors_; }

  private:
    VirtualClock clock_;
    std::vector<std::string> errors_;
};

}  // namespace kv
