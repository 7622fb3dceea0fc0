#include "platform/headless/headless_host.h"

#include <iostream>

#include "platform/headless/recording_music.h"

namespace kv {

std::unique_ptr<MusicPlayer> HeadlessHost::makeMusicPlayer() {
    return makeRecordingMusicPlayer();
}

void HeadlessHost::showError(const std::string& message) {
    errors_.push_back(message);
    std::cerr << "kvorlin: " << message << std::endl;
}

}  // namespace kv
