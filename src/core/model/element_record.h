#pragma once

#include <cstdint>

namespace kortiv {

// One element of the scheme packed into three signed 32-bit words; the model
// file and the clipboard carry these words as they are.
//   Position = (row + 5000) * 10000 + (column + 5000)
//   CodeWord = code * 10000 + ParamCount
//   AttrWord = ParamAddress * 100 + ControlPoint * 4 + Orientation
struct ElementRecord {
  std::int32_t Position = 0;
  std::int32_t CodeWord = 0;
  std::int32_t AttrWord = 0;

  bool operator==(const ElementRecord&) const = default;
};

inline constexpr std::int32_t kPositionOrigin = 50005000;  // 5000 * 10000 + 5000
inline constexpr int kCoordinateMin = -5000;
inline constexpr int kRowMax = 5000;
inline constexpr int kColumnMax = 4999;

// A cell of the scheme: stored coordinates or window coordinates, as the
// caller says.
struct Cell {
  int row = 0;
  int column = 0;

  bool operator==(const Cell&) const = default;
};

constexpr std::int32_t PackPosition(Cell cell) {
  return (cell.row + 5000) * 10000 + (cell.column + 5000);
}

constexpr Cell UnpackPosition(std::int32_t position) {
  const int row = position / 10000 - 5000;
  return {row, position - row * 10000 - kPositionOrigin};
}

}  // namespace kortiv
