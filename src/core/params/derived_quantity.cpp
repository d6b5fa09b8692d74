#include "params/derived_quantity.h"

#include <cmath>
#include <numbers>

#include "params/parameter_fields.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

constexpr int kDerivedDigits = 7;
// Wide enough to show every whole point count without an exponent.
constexpr int kCountDigits = 18;

std::optional<long double> DerivedValue(const ParameterLayout& layout,
                                        const std::array<float, 5>& values) {
  // The grid rebuild of the general element names a spin edit as its
  // source; only the text fields hold a value here.
  const long double source = ParameterFields::IsText(layout.derived_source)
                                 ? values[ParameterFields::TextSlot(layout.derived_source)]
                                 : 0;
  switch (layout.apply) {
    case ApplyAction::kPointCount: {
      const long double t0 = values[0];
      const long double h = values[1];
      const long double tk = values[2];
      if (h == 0) return std::nullopt;
      return std::ceil((tk - t0) / h);
    }
    case ApplyAction::kPeriod:
      if (source == 0) return std::nullopt;
      return 2 * std::numbers::pi_v<long double> / source;
    case ApplyAction::kSlopeAngle:
      return std::atan(source) * 180 / std::numbers::pi_v<long double>;
    case ApplyAction::kFrequency:
      if (source == 0) return std::nullopt;
      return 1 / source;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> DerivedQuantityText(const ParameterLayout& layout,
                                               const std::array<float, 5>& values,
                                               char decimal_separator) {
  const std::optional<long double> value = DerivedValue(layout, values);
  if (!value) return std::nullopt;
  const int digits = layout.apply == ApplyAction::kPointCount ? kCountDigits : kDerivedDigits;
  return FormatGeneral(*value, digits, 0, decimal_separator);
}

}  // namespace kortiv
