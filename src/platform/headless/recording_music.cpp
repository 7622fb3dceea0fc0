#include "platform/headless/recording_music.h"

namespace kv {

void RecordingMusicPlayer::fileNameChanged() {
    log_.push_back("file " + fileName());
}

void RecordingMusicPlayer::volumeChanged() {
    log_.push_back("volume " + std::to_string(volume()));
}

void RecordingMusicPlayer::startPlayback() {
    log_.push_back("play " + fileName() + "@" + std::to_string(volume()));
}

std::unique_ptr<MusicPlayer> makeRecordingMusicPlayer() {
    return std::make_unique<RecordingMusicPlayer>();
}

}  // namespace kv
