#include "screens/main_menu.h"

#include "shell/app.h"

namespace kv {

void MenuTick(App& /*app*/) {}

}  // namespace kv
