#pragma once
// The test host's music player: no sound, just a record of what the game asked for.
#include <memory>
#include <string>
#include <vector>

#include "platform/music.h"

namespace kv {

class RecordingMusicPlayer final : public MusicPlayer {
  public:
    // Every call in order: "file PATH", "volume V", "play PATH@V".
    const std::vector<std::string>& log() const { return log_; }

  protected:
    void fileNameChanged() override;
    void volumeChanged() override;
    void startPlayback() override;

  private:
    std::vector<std::string> log_;
};

std::unique_ptr<MusicPlayer> makeRecordingMusicPlayer();

}  // namespace kv
