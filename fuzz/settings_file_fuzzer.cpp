// The settings reader on any bytes; what it reads is written, read back and
// written again, and the two writes must be the same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "model/user_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kortiv;
  const UserSettings settings =
      DecodeUserSettings(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string first = EncodeUserSettings(settings);
  fuzz::Require(first.size() == kSettingsFileSize, "a settings file has its fixed size");
  fuzz::Require(EncodeUserSettings(DecodeUserSettings(first)) == first,
                "two writes of the settings are the same bytes");
  return 0;
}
