#include "actors/update_actors.h"

#include "actors/boss.h"
#include "actors/enemies.h"
#include "actors/fireballs.h"
#include "actors/plants.h"
#include "shell/app.h"

namespace kv {

void UpdateActors(App& app) {
    const int level = app.state.levelNumber;
    if (level == 12) BossStep(app);
    TurnEnemies(app);
    WalkEnemies(app);
    for (int i : {1, 2, 3, 4, 5, 6, 10}) EnemyContact(app, i);
    if (level == 7) {
        FireballContact(app, 7);
        FireballContact(app, 8);
    }
    for (int i : {7, 8, 9}) EnemyContact(app, i);
    if (level == 8)
        for (int i : {7, 8, 9}) FireballContact(app, i);
    PlantContacts(app);
}

}  // namespace kv
