// The defaults the guide lists for every element are what a new element
// gets; a student who accepts them as they stand must get no message.

#include <gtest/gtest.h>

#include <algorithm>

#include "model/catalogue.h"
#include "params/parameter_fields.h"
#include "params/parameter_layout.h"
#include "params/validate_parameters.h"
#include "recording_messenger.h"

namespace kortiv::test {
namespace {

FieldNumbers DefaultNumbers(const ParameterLayout& layout) {
  FieldNumbers numbers;
  for (const LayoutControl& control : layout.controls) {
    if (control.value < 0 || control.value >= static_cast<int>(layout.defaults.size())) continue;
    const double value = layout.defaults[control.value];
    if (ParameterFields::IsText(control.control)) {
      numbers.texts[ParameterFields::TextSlot(control.control)] = static_cast<float>(value);
      continue;
    }
    const int whole = static_cast<int>(value);
    switch (control.control) {
      case ControlId::kCseM:
        numbers.m = whole;
        break;
      case ControlId::kCseN:
        numbers.n = whole;
        break;
      case ControlId::kCseP:
        numbers.p = whole;
        break;
      case ControlId::kRgView:
        numbers.view = whole;
        break;
      default:
        numbers.scale = whole;
        break;
    }
  }
  return numbers;
}

TEST(GuideDefaults, EveryElementAcceptsTheDefaultsTheGuideLists) {
  int checked = 0;
  for (const ParameterLayout& layout : ParameterLayouts()) {
    for (int code : layout.codes) {
      // The integration parameters have no defaults of their own, and the
      // general element's coefficients are always the student's to enter.
      if (code == 0 || code == kGeneralLinearCode) continue;
      RecordingMessenger messages;
      TimeScaleStats stats;
      EXPECT_TRUE(ValidateParameters(code, DefaultNumbers(layout), WorkingTimes{}, stats, messages))
          << code;
      EXPECT_TRUE(messages.entries.empty())
          << code << ": " << (messages.entries.empty() ? "" : messages.entries.front().text);
      ++checked;
    }
  }
  // Every element that takes parameters, but the general one.
  const auto catalogue = Catalogue();
  const auto with_params = std::count_if(catalogue.begin(), catalogue.end(),
                                         [](const CatalogueEntry& e) { return e.param_count > 0; });
  EXPECT_EQ(checked, with_params - 1);
}

}  // namespace
}  // namespace kortiv::test
