#pragma once

namespace kv {

class App;

// The boss of level 12: its step in UpdateActors, its jump in UpdatePlayer, and the speech
// trigger in UpdateLifeAndLevel.
void BossStep(App& app);
void BossJumpStep(App& app);
void BossSpeechTrigger(App& app);
// Space while the boss speaks: three lives, the boss starts moving, the speech closes.
void StartBossFight(App& app);

}  // namespace kv
