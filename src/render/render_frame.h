#pragma once

namespace kv {

class App;

// Composes the play screen and shows it.
void RenderFrame(App& app);

}  // namespace kv
