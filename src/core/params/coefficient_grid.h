#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kortiv {

// The coefficient grid of the general linear element: row 0 the index i,
// row 1 the numerator coefficients b_i, row 2 the denominator coefficients
// a_i, row 3 the initial values y^(i)(0). Column 0 holds the row titles;
// columns 1..M+1 hold the indices M..0 (the highest index at the left),
// M = max(m, n). Cells beyond an order read "нет".
class CoefficientGrid {
 public:
  enum Row { kIndexRow = 0, kNumeratorRow = 1, kDenominatorRow = 2, kInitialRow = 3 };
  static constexpr int kRowCount = 4;
  static constexpr std::array<std::string_view, kRowCount> kRowTitles = {
      "Индекс i", "Коэфф. bi", "Коэфф. ai", "Нач.усл. y(i)(0)"};
  static constexpr std::string_view kAbsent = "нет";

  CoefficientGrid() { Rebuild(0, 0); }

  // Lays the grid out for orders m and n with the default values (b and a
  // 1, initial values 0), replacing whatever was typed.
  void Rebuild(int m, int n);

  int m() const { return m_; }
  int n() const { return n_; }
  int ColumnCount() const { return static_cast<int>(cells_[0].size()); }
  int ColumnOfIndex(int i) const { return ColumnCount() - 1 - i; }
  // 112 pixels when more than four indices are shown, else 94.
  int Height() const { return std::max(m_, n_) > 3 ? 112 : 94; }

  const std::string& Cell(int row, int column) const { return cells_[row][column]; }
  void SetCell(int row, int column, std::string text) { cells_[row][column] = std::move(text); }
  const std::string& At(Row row, int index) const { return Cell(row, ColumnOfIndex(index)); }
  void SetAt(Row row, int index, std::string text) {
    SetCell(row, ColumnOfIndex(index), std::move(text));
  }

 private:
  int m_ = 0;
  int n_ = 0;
  std::array<std::vector<std::string>, kRowCount> cells_;
};

}  // namespace kortiv
