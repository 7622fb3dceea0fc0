#include "actors/update_actors.h"

#include "actors/boss.h"
#include "actors/enemies.h"
#include "actors/fireballs.h"
#include "actors/plants.h"
#include "shell/app.h"

namespace kv {

std::span<const SlotContact> SlotContactsSevenToNine(int level) {
    using C = SlotContact;
    static constexpr C level7[]{
        {C::Fireball, 7}, {C::Fireball, 8}, {C::Pair, 7}, {C::Pair, 8}, {C::Pair, 9}};
    static constexpr C level8[]{{C::Pair, 7},     {C::Pair, 8},     {C::Pair, 9},
                                {C::Fireball, 7}, {C::Fireball, 8}, {C::Fireball, 9}};
    static constexpr C others[]{{C::Pair, 7}, {C::Pair, 8}, {C::Pair, 9}};
    if (level == 7) return level7;
    if (level == 8) return level8;
    return others;
}

void UpdateActors(App& app) {
    const int level = app.state.levelNumber;
    if (level == 12) BossStep(app);
    TurnEnemies(app);
    WalkEnemies(app);
    for (int i : {1, 2, 3, 4, 5, 6, 10}) EnemyContact(app, i);
    for (const SlotContact& c : SlotContactsSevenToNine(level)) {
        if (c.kind == SlotContact::Fireball)
            FireballContact(app, c.slot);
        else
            EnemyContact(app, c.slot);
    }
    PlantContacts(app);
}

}  // namespace kv
