#include "params/parameter_fields.h"

#include "params/parse_number.h"

namespace kortiv {
namespace {

// Converts the grid cells of indices 0..last of a row.
std::vector<float> ConvertRow(const CoefficientGrid& grid, CoefficientGrid::Row row, int last,
                              std::vector<bool>& failed, int& failures) {
  std::vector<float> values;
  for (int i = 0; i <= last; ++i) {
    const ParsedNumber number = ConvertNumber(grid.At(row, i));
    failed.push_back(!number.ok);
    failures += !number.ok;
    values.push_back(number.value);
  }
  return values;
}

}  // namespace

FieldNumbers ConvertFields(const ParameterLayout& layout, const ParameterFields& fields) {
  FieldNumbers numbers;
  numbers.m = fields.m;
  numbers.n = fields.n;
  numbers.p = fields.p;
  numbers.view = fields.view;
  numbers.scale = fields.scale;
  for (const LayoutControl& ctl : layout.controls) {
    if (ctl.value < 0 || !ParameterFields::IsText(ctl.control)) continue;
    const ParsedNumber number = ConvertNumber(fields.Text(ctl.control));
    const int slot = ParameterFields::TextSlot(ctl.control);
    numbers.texts[slot] = number.value;
    numbers.text_failed[slot] = !number.ok;
    numbers.failures += !number.ok;
  }
  if (layout.Shows(ControlId::kStringGridPar)) {
    const CoefficientGrid& grid = fields.grid;
    int& failures = numbers.failures;
    numbers.b =
        ConvertRow(grid, CoefficientGrid::kNumeratorRow, grid.m(), numbers.b_failed, failures);
    numbers.a =
        ConvertRow(grid, CoefficientGrid::kDenominatorRow, grid.n(), numbers.a_failed, failures);
    numbers.y =
        ConvertRow(grid, CoefficientGrid::kInitialRow, grid.n() - 1, numbers.y_failed, failures);
  }
  return numbers;
}

bool ReportFailures(const FieldNumbers& numbers, Messenger& messenger) {
  for (int i = 0; i < numbers.failures; ++i) ReportBadNumber(messenger);
  return numbers.failures > 0;
}

}  // namespace kortiv
