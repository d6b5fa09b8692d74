#include "document/settings_location.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/user_settings.h"

namespace kortiv {

namespace fs = std::filesystem;

std::string ConfigFolder(const std::string& xdg_config_home, const std::string& home) {
  // A relative XDG_CONFIG_HOME is invalid by the base directory rules.
  const fs::path base = !xdg_config_home.empty() && fs::path(xdg_config_home).is_absolute()
                            ? fs::path(xdg_config_home)
                            : fs::path(home) / ".config";
  return (base / "kortiv").string();
}

SettingsLocation LocateSettings(const std::string& start_folder, const std::string& config_folder) {
  std::error_code error;
  const fs::path in_start = fs::path(start_folder) / kSettingsFileName;
  if (fs::is_regular_file(in_start, error)) return {in_start.string(), in_start.string()};
  const fs::path in_config = fs::path(config_folder) / kSettingsFileName;
  const std::string read = fs::is_regular_file(in_config, error) ? in_config.string() : "";
  return {read, in_config.string()};
}

SettingsLocation LocateSettingsHere() {
  std::error_code error;
  const fs::path start = fs::current_path(error);
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return LocateSettings(start.string(), ConfigFolder(xdg ? xdg : "", home ? home : ""));
}

}  // namespace kortiv
