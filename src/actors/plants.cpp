#include "actors/plants.h"

#include "shell/app.h"

namespace kv {

// The plants stand fully out of their pipes until their motion is built.
void AdvancePlants(App& /*app*/) {}

void PlantContacts(App& /*app*/) {}

}  // namespace kv
