#include "screens/menu_keys.h"

#include <vector>

#include "platform/control.h"
#include "platform/host.h"

namespace kv {
namespace {

bool shown(const Control* c) {
    for (; c; c = c->parent())
        if (!c->visible) return false;
    return true;
}

}  // namespace

bool MenuKeyDown(std::span<const MenuItem> items, int key, ChooseKeys choose) {
    const bool chooses =
        key == keys::Enter || (key == keys::Space && choose == ChooseKeys::EnterOrSpace);
    if (key != keys::Up && key != keys::Down && !chooses) return false;
    std::vector<const MenuItem*> open;
    for (const MenuItem& item : items)
        if (shown(item.control)) open.push_back(&item);
    if (open.empty()) return false;
    const int count = static_cast<int>(open.size());
    int lit = -1;
    for (int i = 0; i < count && lit < 0; ++i)
        if (open[i]->lit()) lit = i;

    if (chooses) {
        if (lit < 0) return false;
        open[lit]->choose();
        return true;
    }
    // From no highlight, Down starts at the top and Up at the bottom.
    int next;
    if (key == keys::Down)
        next = lit < 0 ? 0 : (lit + 1) % count;
    else
        next = lit < 0 ? count - 1 : (lit + count - 1) % count;
    open[next]->hover();
    return true;
}

}  // namespace kv
