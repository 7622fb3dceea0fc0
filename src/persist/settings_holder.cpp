#include "persist/settings_holder.h"

#include <utility>
#include <vector>

#include "base/errors.h"
#include "base/files.h"
#include "base/profile.h"
#include "persist/first_run_window.h"
#include "screens/intro_window.h"
#include "shell/app.h"

namespace kv {

const std::array<const char*, SettingsHolder::Count + 1> SettingsHolder::Keys = {
    "",           "firstrun",   "speed",      "Nastaveni2", "Nastaveni3", "Nastaveni4",
    "Nastaveni5", "Nastaveni6", "Nastaveni7", "Nastaveni8", "Nastaveni9"};

const std::array<const char*, SettingsHolder::Count + 1> SettingsHolder::Defaults = {
    "", "yes", "25", "program", "je", "udělán", "speciálně", "pro", "Tovina", "Pelhrotka", ":-)))"};

void SettingsHolder::load() {
    if (loaded_) return;
    loaded_ = true;
    LoadSettings();
}

void SettingsHolder::unload() {
    if (!loaded_) return;
    SaveSettings();
    loaded_ = false;
}

void SettingsHolder::LoadSettings() {
    // The tunes are stored as .mus and played from .mid copies.
    for (int i = 1; i <= 7; ++i) {
        const std::string n = std::to_string(i);
        try {
            copyFile(app_.paths.asset("/music/" + n + ".mus"),
                     app_.paths.data("/music/" + n + ".mid"));
        } catch (const FileError& e) {
            // A missing tune costs only its music, not the game.
            app_.warn(std::string(e.what()) + " (tune " + n + " will not play)");
        }
    }

    const auto file = app_.paths.data("\\sys.ini");
    for (int i = 1; i <= Count; ++i)
        Text[i] = getProfileString(file, "KV", Keys[i], Defaults[i], 9);

    if (Text[1] == "yes") {
        Text[1] = "no";
        SaveSettings();
        app_.windows.show(app_.windows.loaded(app_.Form2));
    } else {
        app_.windows.show(app_.windows.loaded(app_.checkpoint));
    }
}

void SettingsHolder::SaveSettings() {
    std::vector<std::pair<std::string, std::string>> values;
    for (int i = 1; i <= Count; ++i) values.emplace_back(Keys[i], Text[i]);
    try {
        writeProfileStrings(app_.paths.data("\\sys.ini"), "KV", values);
    } catch (const FileError& e) {
        // The fields keep their values; the player hears about the lost save.
        app_.warn(std::string(e.what()) + " (settings not saved)");
    }
}

void SettingsHolder::clearFields() {
    for (auto& t : Text) t.clear();
}

void SettingsHolder::endButton() {
    app_.endProgram(0);
}

}  // namespace kv
