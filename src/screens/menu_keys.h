#pragma once
// A window's menu from the keyboard or a gamepad: Up and Down move the highlight the mouse gives
// over the items that can be chosen, in their order and round the ends; Enter, or Space (the
// gamepad's south button), chooses the highlighted item as a click does. The highlight is read
// back from the items, so the mouse and the keys always agree on it.
#include <functional>
#include <span>

namespace kv {

class Control;

struct MenuItem {
    const Control* control = nullptr;  // passed over while it or a control it lies in is hidden
    std::function<bool()> lit;         // whether it shows the highlight now
    std::function<void()> hover;       // highlights it (and no other), as the mouse does
    std::function<void()> choose;      // what a click on it does
};

// Which keys choose. A window where Space is typed into a text box takes Enter only.
enum class ChooseKeys { EnterOrSpace, Enter };

// One key press for the menu. Returns true when the menu used the key; any other key, and Enter
// or Space while nothing is highlighted, is left to the window's own handlers.
bool MenuKeyDown(std::span<const MenuItem> items, int key,
                 ChooseKeys choose = ChooseKeys::EnterOrSpace);

}  // namespace kv
