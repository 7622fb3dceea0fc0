#include "render/render_frame.h"

#include "shell/app.h"

namespace kv {

void RenderFrame(App& /*app*/) {}

}  // namespace kv
