#include "model/user_settings.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "support/file_io.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

// Settings file layout: 14 flag and method bytes, reserved bytes up to 64,
// the int32 version at 64, then the 65 int16 words of the plot styles.
constexpr int kVersionOffset = 64;
constexpr int kStylesOffset = 68;
constexpr std::int32_t kSettingsVersion = 100;

constexpr std::array<Rgb, kColourCount> kColours{{
    {255, 0, 0},      // red
    {0, 0, 255},      // blue
    {0, 128, 0},      // green
    {128, 0, 0},      // maroon
    {128, 0, 128},    // purple
    {0, 0, 128},      // navy
    {255, 255, 0},    // yellow
    {0, 255, 255},    // aqua
    {0, 0, 0},        // black
    {255, 0, 255},    // fuchsia
    {0, 255, 0},      // lime
    {128, 128, 0},    // olive
    {0, 128, 128},    // teal
    {255, 255, 255},  // white
    {128, 128, 128},  // grey
    {255, 255, 255},  // window background
    {240, 240, 240},  // menu
}};
constexpr int kBlackCode = 8;
constexpr int kWhiteCode = 13;

// The flag bytes in file order; the two method bytes sit at 3 and 4.
using FlagField = bool UserSettings::*;
constexpr std::array<std::pair<int, FlagField>, 12> kFlags{{
    {0, &UserSettings::LibraryOnRight},
    {1, &UserSettings::ShowPlotAfterRun},
    {2, &UserSettings::ShowTableAfterRun},
    {5, &UserSettings::MaximizeAtStart},
    {6, &UserSettings::GridEnable},
    {7, &UserSettings::DoubleWindows},
    {8, &UserSettings::ExcludeTwoPiJumps},
    {9, &UserSettings::FreqInHertz},
    {10, &UserSettings::PhaseInDegrees},
    {11, &UserSettings::PercentView},
    {12, &UserSettings::AskDelete},
    {13, &UserSettings::AskPaste},
}};
constexpr int kDerivMethodByte = 3;
constexpr int kOdeMethodByte = 4;
constexpr int kMethodMax = 2;

std::uint32_t LittleEndian(std::string_view bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + i]);
  }
  return value;
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::int16_t Clamped(std::int16_t value, int low, int high) {
  return static_cast<std::int16_t>(std::clamp<int>(value, low, high));
}

// Colour codes, line styles and widths of loaded styles kept to their ranges,
// so that nothing indexes past the colour table or the pen styles.
void ClampStyles(PlotStyles& styles) {
  constexpr int kLastColour = kColourCount - 1;
  styles[0][1] = Clamped(styles[0][1], 0, kLastColour);
  styles[0][2] = Clamped(styles[0][2], 0, kLastColour);
  for (std::size_t point = 1; point < styles.size(); ++point) {
    PlotStyleRecord& record = styles[point];
    record[0] = Clamped(record[0], 0, kLastColour);
    record[1] = Clamped(record[1], 0, 3);
    record[2] = Clamped(record[2], 1, 3);
    record[3] = Clamped(record[3], 0, 3);
    record[4] = Clamped(record[4], 1, 3);
  }
}

// Reads the style words the file holds; missing words keep their defaults.
PlotStyles StylesOfFile(std::string_view bytes) {
  PlotStyles styles = DefaultPlotStyles();
  std::size_t offset = kStylesOffset;
  for (PlotStyleRecord& record : styles) {
    for (std::int16_t& word : record) {
      if (offset + 2 > bytes.size()) return styles;
      word = static_cast<std::int16_t>(LittleEndian(bytes, offset, 2));
      offset += 2;
    }
  }
  return styles;
}

int Method(char byte) {
  return std::clamp<int>(static_cast<signed char>(byte), 0, kMethodMax);
}

}  // namespace

PlotStyles DefaultPlotStyles() {
  PlotStyles styles{};
  styles[0] = {0, kWhiteCode, kBlackCode, 0, 0};
  for (std::size_t point = 1; point < styles.size(); ++point) {
    styles[point] = {static_cast<std::int16_t>(point - 1), 0, 1, 2, 1};
  }
  return styles;
}

Rgb ColourOf(int code) {
  return kColours[code >= 0 && code < kColourCount ? code : kBlackCode];
}

UserSettings LoadUserSettings(const std::string& path) {
  const std::optional<std::string> bytes = ReadFileBytes(path, kSettingsFileSize);
  return bytes ? DecodeUserSettings(*bytes) : UserSettings{};
}

UserSettings DecodeUserSettings(std::string_view bytes) {
  UserSettings settings;
  bytes = bytes.substr(0, kSettingsFileSize);
  const std::size_t size = bytes.size();
  for (const auto& [offset, field] : kFlags) {
    if (static_cast<std::size_t>(offset) < size) settings.*field = bytes[offset] != 0;
  }
  if (size > kDerivMethodByte) settings.DerivMethod = Method(bytes[kDerivMethodByte]);
  if (size > kOdeMethodByte) settings.OdeMethod = Method(bytes[kOdeMethodByte]);
  if (size >= kStylesOffset &&
      static_cast<std::int32_t>(LittleEndian(bytes, kVersionOffset, 4)) >= kSettingsVersion) {
    settings.Styles = StylesOfFile(bytes);
    ClampStyles(settings.Styles);
  }
  return settings;
}

std::string EncodeUserSettings(const UserSettings& settings) {
  std::string bytes(kVersionOffset, '\0');
  for (const auto& [offset, field] : kFlags) bytes[offset] = settings.*field ? 1 : 0;
  bytes[kDerivMethodByte] = static_cast<char>(settings.DerivMethod);
  bytes[kOdeMethodByte] = static_cast<char>(settings.OdeMethod);
  PutLittleEndian(bytes, kSettingsVersion, 4);
  for (const PlotStyleRecord& record : settings.Styles) {
    for (std::int16_t word : record) PutLittleEndian(bytes, static_cast<std::uint16_t>(word), 2);
  }
  return bytes;
}

bool SaveUserSettings(const UserSettings& settings, const std::string& path, Messenger& messenger) {
  if (WriteFileReplacing(path, EncodeUserSettings(settings))) return true;
  messenger.Show("Файл " + path + " не удаётся открыть для записи параметров.");
  return false;
}

}  // namespace kortiv
