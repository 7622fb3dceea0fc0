#include "game/key_handlers.h"

#include "actors/boss.h"
#include "actors/ending.h"
#include "actors/fireballs.h"
#include "game/frame_loop.h"
#include "levels/life_and_level.h"
#include "player/controls.h"
#include "render/stats_panel.h"
#include "screens/game_menu.h"
#include "screens/main_menu.h"
#include "shell/app.h"

namespace kv {
namespace {

struct KeyAction {
    int key;
    void (*action)(App&);
};

// Every row whose key matches runs, top to bottom: one Space may end the boss speech and jump.
const KeyAction KeyDownActions[] = {
    {keys::Esc, TogglePauseInPlay},
    {keys::Space, StartBossFight},
    {keys::S, ToggleStatsPanel},
    {keys::Left, [](App& app) { StartWalking(app, Dir::Left); }},
    {keys::Right, [](App& app) { StartWalking(app, Dir::Right); }},
    {keys::Space, AdvanceEnding},
    {keys::Space, Jump},
};

const KeyAction KeyUpActions[] = {
    {keys::I, RefillLives},
    {keys::Ctrl, ThrowShot},
    {keys::Add, FasterGame},
    {keys::Subtract, SlowerGame},
    {keys::Left, [](App& app) { StopWalking(app, Dir::Left); }},
    {keys::Right, [](App& app) { StopWalking(app, Dir::Right); }},
};

template <std::size_t N>
void run(const KeyAction (&table)[N], App& app, int key) {
    for (const KeyAction& row : table)
        if (row.key == key) row.action(app);
}

}  // namespace

void Form1KeyDown(App& app, int key) {
    // A key the open menu uses (Up, Down, Enter, Space on a highlighted item) goes no further.
    if (MainMenuKey(app, key) || GameMenuKey(app, key)) return;
    run(KeyDownActions, app, key);
}

void Form1KeyUp(App& app, int key) {
    run(KeyUpActions, app, key);
    ShowFramePeriod(app);
}

}  // namespace kv
