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

// clang-format off
// Scalar fields: X(type, name), grouped by the part of the game that owns them. Colours are kept
// wide so that "outside" (-1) fits.
#define KV_GAME_STATE_FIELDS(X)                                                                   \
    /* The frame loop and the screens it runs */                                                  \
    X(bool, loopRunning)            /* the main window's frame loop goes on */                    \
    X(std::int64_t, nextFrameTime)  /* the tick after which the next frame may start */           \
    X(FramePeriod, framePeriod)     /* milliseconds a frame, as the settings text until changed */ \
    X(int, frameCount)              /* frames since the game clock's last tick */                 \
    X(bool, inMainMenu)             /* the menu frame runs instead of play */                     \
    X(bool, gamePaused)             /* play is frozen: the in-game menu or the boss speech */     \
    /* Main menu */                                                                               \
    X(bool, newGameStarting)        /* the curtain rises for a new game */                        \
    X(bool, helpOpen)               /* the help panel slides up */                                \
    X(bool, creditsOpen)            /* the credits panel slides up */                             \
    X(bool, quitting)               /* the exit curtain falls */                                  \
    X(bool, musicOn)                /* tunes start with a level */                                \
    /* Levels and lives */                                                                        \
    X(int, levelNumber)             /* 1 to 12 */                                                 \
    X(int, lives)                   /* lives left; none left is game over */                      \
    X(bool, deathFall)              /* a hazard was touched: the player falls, then respawns */   \
    X(bool, gameOverFall)           /* the last life is gone: the player falls off the screen */  \
    X(std::int64_t, groundColour)   /* the collision mask's ground key, pixel (0, 0) */           \
    X(std::int64_t, hazardColour)   /* the collision mask's hazard key, pixel (1, 1) */           \
    X(std::int64_t, bossGroundColour) /* ground for the boss: the level's ground colour */                               \
    /* Player */                                                                                  \
    X(int, playerX)                 /* screen x; the level x is playerX + scrollX */              \
    X(int, playerY)                 /* top of the figure */                                       \
    X(int, playerWidth)             /* size of the current figure */                              \
    X(int, playerHeight)                                                                          \
    X(int, scrollX)                 /* level x at the screen's left edge */                       \
    X(int, scrollY)                 /* always 0: there is no vertical scrolling */                    \
    X(Dir, walkDirection)           /* the arrow held down, if any */                             \
    X(Dir, facing)                  /* the way the player stands after walking */                 \
    X(bool, jumping)                /* rising in a jump */                                        \
    X(int, jumpStep)                /* jump counter: 15 a jump, 20 a bounce, 30 the death hop */            \
    X(bool, onGround)               /* standing on the mask's ground */                           \
    /* Hurt and the animation clock */                                                            \
    X(bool, playerHurt)             /* touched by an enemy; the animation clock takes the life */ \
    X(bool, hurtLifePending)        /* the current hurt has not yet taken its life */               \
    X(int, blinkTicks)              /* ticks left in the hurt blink */                          \
    X(bool, playerVisible)          /* off during the blink's dark ticks */                       \
    X(int, spriteVariant)           /* which enemy images the level uses, 0 or 1 */                                    \
    /* Head-up display */                                                                         \
    X(bool, hudShown)               /* the stats panel is (sliding) in */                         \
    X(int, gameSeconds)             /* the game clock */                                          \
    /* The player's shot */                                                                       \
    X(bool, shotActive)             /* a shot is in flight */                                     \
    X(int, shotX)                   /* level x */                                                 \
    X(int, shotY)                                                                                 \
    X(int, shotSpeed)               /* -30 flying left, 30 flying right */                     \
    /* Boss */                                                                                    \
    X(bool, bossSpeechArmed)        /* level 12 is set up: the speech may trigger */         \
    X(bool, bossFight)              /* the fight runs */                                          \
    X(int, bossX)                   /* level x */                                                 \
    X(int, bossY)                                                                                 \
    X(Dir, bossDirection)           /* the way the boss walks, "" standing */                     \
    X(bool, bossJumping)                                                                          \
    X(int, bossJumpStep)            /* jump counter, 15 at take-off */                            \
    /* Boss speech and ending */                                                                  \
    X(int, speechStep)              /* 0 speech, 1 farewell, 2 farewell fading out, 3 closing */  \
    X(int, speechShade)             /* grey of the fading text, 255 white to 5 */

// Numbered slots, 1-based: X(type, name, count) gives name[1] .. name[count].
#define KV_GAME_STATE_SLOTS(X)                                                                    \
    X(int, enemyX, 10)              /* enemies and rolling fireballs: level x */                  \
    X(int, enemyY, 10)                                                                            \
    X(Dir, enemyDir, 10)            /* walking direction; "" walks right */                       \
    X(bool, enemyAlive, 10)         /* not stomped yet */                                         \
    X(int, plantX, 5)               /* rising plants: level x of the pipe */                      \
    X(int, plantY, 5)               /* top of the pipe */                                         \
    X(int, plantHeight, 5)          /* how far the plant stands out of its pipe */                \
    X(Motion, plantState, 5)        /* rising or sinking */
// clang-format on

struct GameState {
#define KV_FIELD(type, name) type name{};
#define KV_SLOT(type, name, count) std::array<type, (count) + 1> name{};
    KV_GAME_STATE_FIELDS(KV_FIELD)
    KV_GAME_STATE_SLOTS(KV_SLOT)
#undef KV_FIELD
#undef KV_SLOT
};

// The player's x in the level: the screen x plus the scroll.
inline int playerLevelX(const GameState& s) {
    return s.playerX + s.scrollX;
}

}  // namespace kv
