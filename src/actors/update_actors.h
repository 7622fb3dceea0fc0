#pragma once
#include <span>

namespace kv {

class App;

// Enemies, rolling fireballs, plant contacts and the boss, one frame.
void UpdateActors(App& app);

// One contact test of slots 7 to 9: the ordinary hurt-and-stomp pair or a rolling fireball's
// touch.
struct SlotContact {
    enum Kind { Pair, Fireball } kind;
    int slot;
    bool operator==(const SlotContact&) const = default;
};
// The tests of slots 7 to 9 in the order a level runs them: level 7 burns before the pairs,
// level 8 after them.
std::span<const SlotContact> SlotContactsSevenToNine(int level);

}  // namespace kv
