#include "player/collision_mask.h"

#include "shell/app.h"
#include "shell/main_window.h"

namespace kv {

std::int64_t MaskColour(const App& app, int x, int y) {
    const PictureBox* mask = app.Form1.isLoaded() ? app.Form1.mask : nullptr;
    const Surface* picture = mask ? mask->shown() : nullptr;
    return picture ? picture->pixel(x, y) : -1;
}

bool GroundAt(const App& app, int x, int y) {
    return MaskColour(app, x, y) == app.state.groundColour;
}

bool HazardAt(const App& app, int x, int y) {
    return MaskColour(app, x, y) == app.state.hazardColour;
}

bool BossGroundAt(const App& app, int x, int y) {
    return MaskColour(app, x, y) == app.state.bossGroundColour;
}

}  // namespace kv
