#include "params/parameter_fields.h"

#include "params/parse_number.h"

namespace kortiv {
namespace {

// Converts the grid cells of indices 0..last of a row.
std::vector<float> ConvertRow(const CoefficientGrid& grid, CoefficientGrid::Row row, int last,
                              Messenger& messenger, bool& all_converted) {
  std::vector<float> values;
  for (int i = 0; i <= last; ++i) {
    const ParsedNumber number = ParseNumber(grid.At(row, i), messenger);
    all_converted = all_converted && number.ok;
    values.push_back(number.value);
  }
  return values;
}

}  // namespace

FieldNumbers ConvertFields(const ParameterLayout& layout, const ParameterFields& fields,
                           Messenger& messenger) {
  FieldNumbers numbers;
  numbers.m = fields.m;
  numbers.n = fields.n;
  numbers.p = fields.p;
  numbers.view = fields.view;
  numbers.scale = fields.scale;
  for (const LayoutControl& ctl : layout.controls) {
    if (ctl.value < 0 || !ParameterFields::IsText(ctl.control)) continue;
    const ParsedNumber number = ParseNumber(fields.Text(ctl.control), messenger);
    numbers.all_converted = numbers.all_converted && number.ok;
    numbers.texts[ParameterFields::TextSlot(ctl.control)] = number.value;
  }
  if (layout.Shows(ControlId::kStringGridPar)) {
    const CoefficientGrid& grid = fields.grid;
    bool& ok = numbers.all_converted;
    numbers.b = ConvertRow(grid, CoefficientGrid::kNumeratorRow, grid.m(), messenger, ok);
    numbers.a = ConvertRow(grid, CoefficientGrid::kDenominatorRow, grid.n(), messenger, ok);
    numbers.y = ConvertRow(grid, CoefficientGrid::kInitialRow, grid.n() - 1, messenger, ok);
  }
  return numbers;
}

}  // namespace kortiv
