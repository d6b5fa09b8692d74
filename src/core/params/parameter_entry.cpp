#include "params/parameter_entry.h"

#include <algorithm>

#include "model/catalogue.h"
#include "model/scheme.h"
#include "model/stored_integer.h"
#include "params/derived_quantity.h"
#include "params/parse_number.h"
#include "params/validate_parameters.h"
#include "support/messenger.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

constexpr int kShownDigits = 6;
constexpr int kIntegrationCount = 3;
// Block layout of the general element: m, n, b_0..b_m, a_0..a_n, y(0)..y^(n-1)(0).
constexpr int kFirstCoefficient = 2;

int GeneralCount(int m, int n) {
  return m + 2 * n + 4;
}

}  // namespace

std::optional<ParameterEntry> ParameterEntry::Open(const ParameterContext& context, int element) {
  const int code = element == 0 ? 0 : context.scheme.GetCode(element);
  std::optional<ParameterLayout> layout =
      FindParameterLayout(code, context.freq_in_hertz, context.messenger);
  if (!layout) return std::nullopt;
  return ParameterEntry(context, element, code, std::move(*layout));
}

ParameterEntry::ParameterEntry(const ParameterContext& context, int element, int code,
                               ParameterLayout layout)
    : context_(context),
      element_(element),
      code_(code),
      name_(ElementName(code)),
      layout_(std::move(layout)) {
  Fill();
}

std::string ParameterEntry::Format(float value) const {
  return FormatGeneral(value, kShownDigits, 0, context_.decimal_separator);
}

std::vector<float> ParameterEntry::StoredOrDefaultValues() const {
  const Scheme& scheme = context_.scheme;
  if (Integration()) return {scheme.T0(), scheme.H(), scheme.Tk()};
  const int address = scheme.GetParamAddress(element_);
  if (address == 0) return {layout_.defaults.begin(), layout_.defaults.end()};
  // A damaged file may give a block that runs past the used store.
  const int count = std::min(scheme.GetParamCount(element_), scheme.ParamTop() - address);
  std::vector<float> values;
  for (int i = 0; i < count; ++i) values.push_back(scheme.Param(address + i));
  return values;
}

void ParameterEntry::Fill() {
  const std::vector<float> values = StoredOrDefaultValues();
  std::array<float, 5> shown{};
  for (const LayoutControl& ctl : layout_.controls) {
    if (ctl.value < 0 || ctl.value >= static_cast<int>(values.size()) ||
        ctl.control == ControlId::kStringGridPar) {
      continue;
    }
    if (ctl.integer) {
      PutInteger(ctl.control, ReadStoredInteger(values[ctl.value]));
    } else {
      shown[ParameterFields::TextSlot(ctl.control)] = values[ctl.value];
      fields_.Text(ctl.control) = Format(values[ctl.value]);
    }
  }
  if (layout_.Shows(ControlId::kStringGridPar)) {
    FillGrid(values, context_.scheme.GetParamAddress(element_) != 0);
  }
  if (auto derived = DerivedQuantityText(layout_, shown, context_.decimal_separator)) {
    fields_.Text(ControlId::kTxtAux1) = *derived;
  }
  apply_enabled_ = false;
  orders_pending_ = false;
}

void ParameterEntry::FillGrid(const std::vector<float>& values, bool stored) {
  CoefficientGrid& grid = fields_.grid;
  grid.Rebuild(fields_.m, fields_.n);
  if (!stored) return;
  const int m = fields_.m;
  const int n = fields_.n;
  const int count = static_cast<int>(values.size());
  const auto write = [&](CoefficientGrid::Row row, int first, int last) {
    for (int i = 0; i <= last && first + i < count; ++i) {
      grid.SetAt(row, i, Format(values[first + i]));
    }
  };
  write(CoefficientGrid::kNumeratorRow, kFirstCoefficient, m);
  write(CoefficientGrid::kDenominatorRow, kFirstCoefficient + m + 1, n);
  write(CoefficientGrid::kInitialRow, kFirstCoefficient + m + n + 2, n - 1);
}

void ParameterEntry::PutInteger(ControlId id, int value) {
  const LayoutControl* ctl = layout_.Find(id);
  if (ctl == nullptr) return;
  if (ctl->limits) value = std::clamp(value, ctl->limits->min, ctl->limits->max);
  if (!ctl->items.empty()) value = std::clamp(value, 0, static_cast<int>(ctl->items.size()) - 1);
  fields_.SetInteger(id, value);
}

void ParameterEntry::Changed(ControlId id) {
  if (!layout_.TriggersApply(id)) return;
  apply_enabled_ = true;
  if (layout_.apply == ApplyAction::kRebuildGrid) orders_pending_ = true;
}

void ParameterEntry::SetText(ControlId id, std::string text) {
  fields_.Text(id) = std::move(text);
  Changed(id);
}

void ParameterEntry::SetInteger(ControlId id, int value) {
  PutInteger(id, value);
  Changed(id);
}

void ParameterEntry::SetGridCell(int row, int column, std::string text) {
  fields_.grid.SetCell(row, column, std::move(text));
}

void ParameterEntry::Apply() {
  refused_.reset();
  if (layout_.apply == ApplyAction::kRebuildGrid) {
    fields_.grid.Rebuild(fields_.m, fields_.n);
    orders_pending_ = false;
  } else {
    const FieldNumbers numbers = ConvertFields(layout_, fields_);
    if (!Validate(numbers)) return;
    if (auto derived = DerivedQuantityText(layout_, DerivedInputs(), context_.decimal_separator)) {
      fields_.Text(ControlId::kTxtAux1) = *derived;
    }
  }
  apply_enabled_ = false;
}

AcceptOutcome ParameterEntry::Accept() {
  refused_.reset();
  AcceptOutcome outcome;
  Messenger& messenger = context_.messenger;
  if (orders_pending_) {
    messenger.Show(kOrdersPendingText);
    return outcome;
  }
  const FieldNumbers numbers = ConvertFields(layout_, fields_);
  if (!Validate(numbers)) return outcome;
  // Storing meets every field that is not a number. Such a field keeps the
  // dialog open with nothing stored, rather than a half-written block with
  // 0 in its place.
  if (ReportFailures(numbers, messenger)) {
    refused_ = FirstFailure(numbers);
    return outcome;
  }

  const std::vector<float> values = BlockValues(numbers);
  const int address = PrepareBlock(static_cast<int>(values.size()), outcome);
  for (std::size_t i = 0; i < values.size(); ++i) {
    context_.scheme.SetParam(address + static_cast<int>(i), values[i]);
  }
  if (Integration()) context_.times = {values[0], values[1], values[2]};
  outcome.model_changed = true;
  outcome.close = true;
  return outcome;
}

bool ParameterEntry::Validate(const FieldNumbers& numbers) {
  RefusedField refused;
  if (ValidateParameters(code_, numbers, context_.times, context_.stats, context_.messenger,
                         &refused)) {
    return true;
  }
  // A text that was not a number is what the student corrects first.
  refused_ = numbers.failures > 0 ? FirstFailure(numbers) : refused;
  return false;
}

RefusedField ParameterEntry::FirstFailure(const FieldNumbers& numbers) {
  for (int slot = 0; slot < static_cast<int>(numbers.text_failed.size()); ++slot) {
    if (numbers.text_failed[slot]) return {.control = static_cast<ControlId>(slot)};
  }
  const std::array<std::pair<CoefficientGrid::Row, const std::vector<bool>*>, 3> rows = {
      {{CoefficientGrid::kNumeratorRow, &numbers.b_failed},
       {CoefficientGrid::kDenominatorRow, &numbers.a_failed},
       {CoefficientGrid::kInitialRow, &numbers.y_failed}}};
  for (const auto& [row, failed] : rows) {
    // The grid shows the highest index at the left.
    for (int i = static_cast<int>(failed->size()) - 1; i >= 0; --i) {
      if ((*failed)[i]) {
        return {.control = ControlId::kStringGridPar, .grid_row = row, .grid_index = i};
      }
    }
  }
  return {};
}

std::array<float, 5> ParameterEntry::DerivedInputs() const {
  // The quantity reads its fields anew, each failed one reported again.
  const std::array<ControlId, 3> integration = {ControlId::kTxtPar1, ControlId::kTxtPar2,
                                                ControlId::kTxtPar3};
  std::array<float, 5> values{};
  const auto read = [&](ControlId id) {
    values[ParameterFields::TextSlot(id)] = ParseNumber(fields_.Text(id), context_.messenger).value;
  };
  if (layout_.apply == ApplyAction::kPointCount) {
    for (ControlId id : integration) read(id);
  } else if (layout_.apply != ApplyAction::kNone) {
    read(layout_.derived_source);
  }
  return values;
}

std::vector<float> ParameterEntry::BlockValues(const FieldNumbers& numbers) const {
  int count = kIntegrationCount;
  if (!Integration()) {
    count = code_ == kGeneralLinearCode ? GeneralCount(numbers.m, numbers.n)
                                        : context_.scheme.GetParamCount(element_);
  }
  std::vector<float> values;
  for (int i = 0; i < count; ++i) {
    const LayoutControl* ctl = layout_.ControlOfValue(i);
    if (ctl == nullptr) break;
    if (ctl->control == ControlId::kStringGridPar) {
      values.insert(values.end(), numbers.b.begin(), numbers.b.end());
      values.insert(values.end(), numbers.a.begin(), numbers.a.end());
      values.insert(values.end(), numbers.y.begin(), numbers.y.end());
      break;
    }
    values.push_back(ctl->integer ? StoreInteger(fields_.Integer(ctl->control))
                                  : numbers.Text(ctl->control));
  }
  return values;
}

int ParameterEntry::PrepareBlock(int count, AcceptOutcome& outcome) {
  if (Integration()) return 0;
  Scheme& scheme = context_.scheme;
  if (code_ == kGeneralLinearCode) scheme.ResizeParamBlock(element_, count);
  if (scheme.GetParamAddress(element_) == 0) {
    scheme.AllocateParamBlock(element_);
    outcome.block_allocated = true;
  }
  return scheme.GetParamAddress(element_);
}

}  // namespace kortiv
