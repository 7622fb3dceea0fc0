#include "actors/plants.h"

#include "shell/app.h"

namespace kv {
namespace {

// The height below which plant k turns to rise again. Each pipe keeps its plant down for a
// slightly different time, so the five fall out of step.
int lowerLimit(int k) {
    if (k == 2) return -45;
    if (k == 4) return -49;
    return -40;
}

}  // namespace

void AdvancePlants(App& app) {
    GameState& s = app.state;
    for (int k = 1; k <= 5; ++k) {
        // The mouth of the pipe, plantY + plantHeight, stays put: the plant grows up out of it.
        if (s.plantState[k] == Motion::Up) {
            s.plantHeight[k] += 2;
            s.plantY[k] -= 2;
            if (s.plantHeight[k] > 50) s.plantState[k] = Motion::Down;
        } else {
            s.plantHeight[k] -= 2;
            s.plantY[k] += 2;
            if (s.plantHeight[k] < lowerLimit(k)) s.plantState[k] = Motion::Up;
        }
    }
}

void PlantContacts(App& app) {
    GameState& s = app.state;
    const int lx = playerLevelX(s);
    const int feet = s.playerY + s.playerHeight;
    for (int k = 1; k <= 5; ++k) {
        // The bite is a square as wide as the plant is tall; only the feet count.
        const int x = s.plantX[k], y = s.plantY[k], h = s.plantHeight[k];
        if (lx + s.playerWidth > x && lx < x + h && feet > y && feet < y + h && !s.playerHurt)
            s.playerHurt = true;
    }
}

}  // namespace kv
