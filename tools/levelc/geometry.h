#pragma once
// Sizes and rules of the game that the level pictures are drawn for.
#include "base/surface.h"

namespace kv::levelc {

inline constexpr int kMinLevelWidth = 6366;    // the camera shows up to x 5726 + 640
inline constexpr int kBackgroundHeight = 346;  // the play screen copies 640 x 346
inline constexpr int kScreenHeight = 345;

inline constexpr int kPlayerWidth = 25;
inline constexpr int kPlayerHeight = 32;
inline constexpr int kRespawnX = 60;  // where a lost life puts the player back, in every level
inline constexpr int kRespawnY = 101;

inline constexpr int kPlantWidth = 39;
inline constexpr int kPlantHeight = 50;
inline constexpr int kPlantRise = 52;  // a plant overshoots to 52 rows before it turns
inline constexpr int kEnemySize = 35;
inline constexpr int kEnemyKnee = 30;
inline constexpr int kFireballBoxWidth = 34;
inline constexpr int kFireballBoxHeight = 35;

inline constexpr int kPipeRimHeight = 12;
inline constexpr int kPipeInset = 4;  // the body is this much narrower than the rim on each side

// The game-over fall clears the ground colour to this value; no mask may use it.
inline constexpr Colour kGameOverGround = 123;
inline constexpr Colour kFreeSpace = rgb(255, 255, 255);

// Plant and fireball pictures are copied opaquely with their backdrop: the flat sky of the
// light levels, black in the dark ones.
inline constexpr Colour kLightSky = rgb(0x70, 0xB0, 0xF0);
inline constexpr Colour kDarkSky = rgb(0, 0, 0);
constexpr bool isLightLevel(int n) {
    return n == 1 || n == 2 || n == 5 || n == 6 || n == 9 || n == 10 || n == 11;
}
constexpr bool isDarkLevel(int n) {
    return n == 3 || n == 4 || n == 7 || n == 8;
}

inline constexpr int kBossLevel = 12;
inline constexpr int kBossArenaX = 5000;
inline constexpr int kBossSpeechX = 5800;

}  // namespace kv::levelc
