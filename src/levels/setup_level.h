#pragma once

namespace kv {

class App;

// Makes level `levelNumber` current: pictures, key colours, object table, start values.
void SetupLevel(App& app);

}  // namespace kv
