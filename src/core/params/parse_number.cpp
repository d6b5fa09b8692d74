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

}  // namespace kortiv
