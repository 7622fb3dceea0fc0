#pragma once
// The main window's fields, shared by every frame procedure. They outlive the main window: a new
// load resets only its own start values and everything else carries over between games.
#include <array>
#include <cstdint>
#include <string>

#include "shell/frame_period.h"

namespace kv {

// A direction text of the game: "left", "right" or "" (never set).
enum class Dir { None, Left, Right };
// A plant's motion text: "up", "down" or "" (never set, which moves like "down").
enum class Motion { None, Up, Down };

const char* toText(Dir d);
const char* toText(Motion m);
bool parseDir(const std::string& s, Dir& out);
bool parseMotion(const std::string& s, Motion& out);

// Scalar fields: X(type, name). Colours are kept wide so that "outside" (-1) fits.
#define KV_GAME_STATE_FIELDS(X)                                                                   \
    X(bool, newGameStarting)                                                                      \
    X(bool, inMainMenu) X(bool, gamePaused) X(bool, hurtLifePending) X(int, lives)                \
        X(FramePeriod, framePeriod) X(bool, musicOn) X(int, speechShade) X(int, spriteVariant) X( \
            int, levelNumber) X(int, gameSeconds) X(bool, playerVisible) X(int, blinkTicks)       \
            X(bool, bossFight) X(bool, hudShown) X(int, bossX) X(int, bossY) X(bool, loopRunning) \
                X(std::int64_t, nextFrameTime) X(int, frameCount) X(Dir, walkDirection)           \
                    X(Dir, facing) X(int, playerX) X(int, playerY) X(int, playerWidth)            \
                        X(int, playerHeight) X(int, scrollX) X(int, scrollY) X(bool, jumping)     \
                            X(int, jumpStep) X(bool, onGround) X(std::int64_t, groundColour)      \
                                X(std::int64_t, hazardColour) X(std::int64_t, bossGroundColour)   \
                                    X(bool, playerHurt) X(bool, shotActive) X(int, shotX)         \
                                        X(int, shotY) X(int, shotSpeed) X(Dir, bossDirection)     \
                                            X(bool, bossJumping) X(int, bossJumpStep)             \
                                                X(int, speechStep) X(bool, bossSpeechArmed)       \
                                                    X(bool, deathFall) X(bool, gameOverFall)      \
                                                        X(bool, helpOpen) X(bool, creditsOpen)    \
                                                            X(bool, quitting)

// Numbered slots, 1-based: X(type, name, count) gives name[1] .. name[count].
#define KV_GAME_STATE_SLOTS(X)                                                        \
    X(int, enemyX, 10)                                                                \
    X(int, enemyY, 10) X(Dir, enemyDir, 10) X(bool, enemyAlive, 10) X(int, plantX, 5) \
        X(int, plantY, 5) X(int, plantHeight, 5) X(Motion, plantState, 5)

struct GameState {
#define KV_FIELD(type, name) type name{};
#define KV_SLOT(type, name, count) std::array<type, (count) + 1> name{};
    KV_GAME_STATE_FIELDS(KV_FIELD)
    KV_GAME_STATE_SLOTS(KV_SLOT)
#undef KV_FIELD
#undef KV_SLOT
};

}  // namespace kv
