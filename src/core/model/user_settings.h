#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kortiv {

class Messenger;

// Colour, line style and width of each control point's curve. Record 0:
// word 1 background colour, word 2 grid and axes colour. Records 1..12:
// colour, style, width, phase-curve style, phase-curve width.
using PlotStyleRecord = std::array<std::int16_t, 5>;
using PlotStyles = std::array<PlotStyleRecord, 13>;

PlotStyles DefaultPlotStyles();

struct Rgb {
  std::uint8_t red, green, blue;
};
inline constexpr int kColourCount = 17;
inline constexpr int kWindowColour = 15;  // the system window background
inline constexpr int kMenuColour = 16;    // the system menu colour
// The colour of a colour code; codes 15 and 16 give the usual light system
// colours, which the ui may replace with the desktop's own. A code outside
// the table gives black.
Rgb ColourOf(int code);

enum class LineStyle : int { kSolid = 0, kDash = 1, kDot = 2, kDashDot = 3 };

// The user's preferences, kept in the settings file.
struct UserSettings {
  bool LibraryOnRight = false;
  bool ShowPlotAfterRun = true;
  bool ShowTableAfterRun = false;
  int DerivMethod = 0;  // 0, 1, 2: first, second, fourth order of accuracy
  int OdeMethod = 1;    // 0, 1, 2: first, second, fourth order of accuracy
  bool MaximizeAtStart = false;
  bool GridEnable = true;
  bool DoubleWindows = false;
  bool ExcludeTwoPiJumps = true;
  bool FreqInHertz = false;
  bool PhaseInDegrees = false;
  bool PercentView = true;
  bool AskDelete = true;
  bool AskPaste = true;
  PlotStyles Styles = DefaultPlotStyles();
};

inline constexpr const char* kSettingsFileName = "Kortiv.usr";
inline constexpr int kSettingsFileSize = 198;

// Reads the settings file; whatever is missing or unreadable keeps its
// default, and methods, colour codes, line styles and widths are kept to
// their ranges. Nothing is reported.
UserSettings LoadUserSettings(const std::string& path);

// The same for the bytes of a settings file already read.
UserSettings DecodeUserSettings(std::string_view bytes);

// The 198 bytes of the settings file.
std::string EncodeUserSettings(const UserSettings& settings);

// Writes the settings file; reports a file that cannot be created.
bool SaveUserSettings(const UserSettings& settings, const std::string& path, Messenger& messenger);

}  // namespace kortiv
