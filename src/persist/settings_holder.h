#pragma once
// The settings holder `ini`: the live copy of the ten keys of sys.ini. Every part reads a setting
// from its text field and changes it by writing the field and calling SaveSettings.
#include <array>
#include <string>

namespace kv {

class App;

class SettingsHolder {
  public:
    static constexpr int Count = 10;
    static const std::array<const char*, Count + 1> Keys;      // 1-based
    static const std::array<const char*, Count + 1> Defaults;  // 1-based

    explicit SettingsHolder(App& app) : app_(app) {}

    // Text[1] .. Text[10]; Text[0] is unused.
    std::array<std::string, Count + 1> Text;

    bool isLoaded() const { return loaded_; }
    // Loading runs LoadSettings; unloading saves.
    void load();
    void unload();

    void LoadSettings();
    void SaveSettings();

    // The holder's own buttons: "Ulož", "Načti", "Vymaž textová pole", "Konec".
    void saveButton() { SaveSettings(); }
    void loadButton() { LoadSettings(); }
    void clearFields();
    void endButton();

  private:
    App& app_;
    bool loaded_ = false;
};

}  // namespace kv
