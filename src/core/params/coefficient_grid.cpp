#include "params/coefficient_grid.h"

#include <algorithm>

namespace kortiv {

void CoefficientGrid::Rebuild(int m, int n) {
  m_ = m;
  n_ = n;
  const int top = std::max(m, n);
  for (int row = 0; row < kRowCount; ++row) {
    cells_[row].assign(top + 2, std::string());
    cells_[row][0] = kRowTitles[row];
  }
  for (int i = 0; i <= top; ++i) {
    const int column = ColumnOfIndex(i);
    cells_[kIndexRow][column] = std::to_string(i);
    cells_[kNumeratorRow][column] = i > m ? kAbsent : "1";
    cells_[kDenominatorRow][column] = i > n ? kAbsent : "1";
    cells_[kInitialRow][column] = i >= n ? kAbsent : "0";
  }
}

}  // namespace kortiv
