#pragma once
// Look ahead in the sandbox: the inputs that take the player through a level, and through the
// boss fight, without being hurt (or, when there is no such way, with as few hurts as can be).
#include <vector>

#include "sandbox.h"

namespace kv::bot {

struct Plan {
    std::vector<Input> inputs;  // inputs[i] is sent before frame i + 1
    std::vector<Pose> poses;    // poses[i]: the player after frame i + 1
    bool found = false;         // ends at the goal; otherwise a best try
    long expanded = 0;          // look-ahead frames run
    int hurts = 0;
};

struct LevelSearch {
    long budget = 1500000;  // frames the look ahead may run
    double weight = 2.0;    // how greedily it heads right
    int hurtPenalty = 0;    // 0: a hurt ends a way; otherwise its cost in frames
    int tailFrames = 40;    // the loading second after the completion, walked on
};

// From the sandbox's root: to the frame after which holding Right completes the level (and the
// loading second after it is safe), or in level 12 to the boss speech.
Plan searchLevel(Sandbox& sandbox, int level, const LevelSearch& options);

struct FightSearch {
    int horizon = 60;  // frames looked ahead
    int beam = 120;    // ways kept per frame
};

// From the sandbox's root during the fight: the best way over the next frames, by hits on the
// boss first and then by a good place to throw from; found when it beats the boss.
Plan searchFight(Sandbox& sandbox, const FightSearch& options);

}  // namespace kv::bot
