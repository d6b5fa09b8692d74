#include "params/parse_number.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "support/messenger.h"
#include "support/number_format.h"

namespace kortiv {

ParsedNumber ParseNumber(std::string_view text, Messenger& messenger) {
  std::string normalised(text);
  std::replace(normalised.begin(), normalised.end(), ',', '.');
  double value = 0;
  if (TryParseDecimal(normalised, '.', value) &&
      std::fabs(value) <= std::numeric_limits<float>::max()) {
    return {static_cast<float>(value), true};
  }
  messenger.Show(kBadNumberText, kBadNumberCaption);
  return {0.0f, false};
}

float EncodeInteger(int value) {
  return static_cast<float>(value < 0 ? value - 0.1 : value + 0.1);
}

int DecodeInteger(float value) {
  // Guards the conversion against values no int can hold (a damaged file).
  constexpr float kLimit = 2.0e9f;
  if (std::isnan(value)) return 0;
  return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

}  // namespace kortiv
