#pragma once

#include <string>

namespace kortiv {

// Where the settings file is read from and written to.
struct SettingsLocation {
  std::string read_path;   // empty: none found, the defaults apply
  std::string write_path;  // where it was read, else in the configuration folder
};

// The user's configuration folder for Kortiv: $XDG_CONFIG_HOME/kortiv, or
// ~/.config/kortiv when that is not set (`xdg_config_home` and `home` are the
// environment's values, empty when unset).
std::string ConfigFolder(const std::string& xdg_config_home, const std::string& home);

// Kortiv.usr in the start folder when it is there (a class's shared setup),
// else the one in the configuration folder.
SettingsLocation LocateSettings(const std::string& start_folder, const std::string& config_folder);

// The same for this process: the current folder and its environment.
SettingsLocation LocateSettingsHere();

}  // namespace kortiv
