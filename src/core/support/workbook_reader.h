#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kortiv {

// One cell of a worksheet as it is stored: a number, a text, a truth value
// or an error value, and the formula that computed it, if any.
struct WorkbookCell {
  enum class Kind { kNumber, kText, kBoolean, kError };
  int row = 0;  // 0-based
  int column = 0;
  Kind kind = Kind::kNumber;
  double number = 0;
  std::string text;
  std::string formula;  // without the leading "="
};

struct WorkbookSheet {
  std::string name;
  std::vector<WorkbookCell> cells;
};

// The sheets of an .xlsx workbook in their order, with the contents of their
// cells; nothing when the file is not such a workbook.
std::optional<std::vector<WorkbookSheet>> ReadWorkbook(const std::string& path);

}  // namespace kortiv
