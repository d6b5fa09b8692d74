#include "params/parse_number.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "support/messenger.h"
#include "support/number_format.h"

namespace kortiv {

ParsedNumber ConvertNumber(std::string_view text) {
  std::string normalised(text);
  std::replace(normalised.begin(), normalised.end(), ',', '.');
  double value = 0;
  if (TryParseDecimal(normalised, '.', value) &&
      std::fabs(value) <= std::numeric_limits<float>::max()) {
    return {static_cast<float>(value), true};
  }
  return {0.0f, false};
}

void ReportBadNumber(Messenger& messenger) {
  messenger.Show(kBadNumberText, kBadNumberCaption);
}

ParsedNumber ParseNumber(std::string_view text, Messenger& messenger) {
  const ParsedNumber number = ConvertNumber(text);
  if (!number.ok) ReportBadNumber(messenger);
  return number;
}

}  // namespace kortiv
