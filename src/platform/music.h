#pragma once
// The media player control the game holds for its tunes: a file name, a volume and "play".
#include <string>
#include <utility>

#include "platform/volume.h"

namespace kv {

class MusicPlayer {
  public:
    virtual ~MusicPlayer() = default;
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Takes effect at the next play().
    void setFileName(std::string path) {
        fileName_ = std::move(path);
        fileNameChanged();
    }
    const std::string& fileName() const { return fileName_; }

    // Hundredths of a decibel as the game stores them (0 loudest, -10000 silent). A tune that is
    // playing changes loudness at once.
    void setVolume(int hundredthsOfDb) {
        volume_ = hundredthsOfDb;
        volumeChanged();
    }
    int volume() const { return volume_; }

    // Starts the file from its beginning and loops it. A file that cannot be played is reported
    // once and otherwise ignored: the game goes on without music.
    void play() {
        ++playCount_;
        startPlayback();
    }
    // How many times play() was called, whether or not anything could be heard.
    int playCount() const { return playCount_; }

  protected:
    MusicPlayer() = default;

    virtual void fileNameChanged() {}
    virtual void volumeChanged() {}
    virtual void startPlayback() = 0;

  private:
    std::string fileName_;
    int volume_ = 0;
    int playCount_ = 0;
};

}  // namespace kv
