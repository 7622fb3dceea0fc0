#pragma once

namespace kv {

class App;

// The five rising plants: their motion in UpdatePlayer, their bite in UpdateActors.
void AdvancePlants(App& app);
void PlantContacts(App& app);

}  // namespace kv
