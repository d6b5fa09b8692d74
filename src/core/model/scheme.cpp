#include "model/scheme.h"

#include <algorithm>

#include "model/catalogue.h"
#include "support/messenger.h"

namespace kortiv {

Scheme::Scheme(Messenger& messenger)
    : messenger_(&messenger), table_(kInitialTableCapacity), params_(kInitialParsMax, 0.0f) {
  params_[0] = 0.0f;
  params_[1] = 0.01f;
  params_[2] = 5.0f;
}

void Scheme::EnsureTableCapacity(int count) {
  if (count >= TableCapacity()) table_.resize(count + 5);
}

void Scheme::EnsureParamCapacity(int top) {
  if (top >= ParsMax()) params_.resize(top + 10, 0.0f);
}

int Scheme::AppendElement(int code, int orientation, Cell stored) {
  EnsureTableCapacity(element_count_ + 1);
  const int n = ++element_count_;
  table_[n - 1] = ElementRecord{};
  table_[n - 1].Position = PackPosition(stored);
  SetCode(n, code);
  RefreshParamCount(n);
  SetOrientation(n, orientation);
  return n;
}

void Scheme::RemoveRecord(int n) {
  std::copy(table_.begin() + n, table_.begin() + element_count_, table_.begin() + n - 1);
  table_[element_count_ - 1] = ElementRecord{};
  --element_count_;
}

void Scheme::Load(const std::vector<ElementRecord>& records, const std::vector<float>& params,
                  int block_count) {
  Clear();
  element_count_ = static_cast<int>(records.size());
  EnsureTableCapacity(element_count_);
  std::copy(records.begin(), records.end(), table_.begin());
  param_top_ = static_cast<int>(params.size());
  EnsureParamCapacity(param_top_);
  std::copy(params.begin(), params.end(), params_.begin());
  param_block_count_ = block_count;
  RecountControlPoints();
}

int Scheme::GetCode(int n) const {
  return Record(n).CodeWord / 10000;
}

void Scheme::SetCode(int n, int code) {
  if (code < 0 || code > 9999) {
    messenger_->Show("Error: Значение кода элемента не более 10000!");
    return;
  }
  Record(n).CodeWord = code * 10000 + GetParamCount(n);
}

int Scheme::GetParamCount(int n) const {
  const int code = GetCode(n);
  return Record(n).CodeWord - code * 10000;
}

void Scheme::RefreshParamCount(int n) {
  const int code = GetCode(n);
  Record(n).CodeWord = code * 10000 + CatalogueParamCount(code, *messenger_);
}

int Scheme::GetParamAddress(int n) const {
  return Record(n).AttrWord / 100;
}

void Scheme::SetAttr(int n, int address, int control_point, int orientation) {
  Record(n).AttrWord = address * 100 + control_point * 4 + orientation;
}

void Scheme::SetParamAddress(int n, int address) {
  if (address >= ParsMax()) {
    messenger_->Show("Error: Значение адреса параметров элемента более ParsMax!");
    return;
  }
  if (address < 0 || address >= 1000000) {
    messenger_->Show("Error: Значение адреса параметров элемента не более 1000000!");
    return;
  }
  SetAttr(n, address, (Record(n).AttrWord - GetParamAddress(n) * 100) / 4, GetOrientation(n));
}

int Scheme::GetControlPoint(int n) const {
  const int number = (Record(n).AttrWord - GetParamAddress(n) * 100) / 4;
  if (number < 0 || number > kControlPointMax) {
    messenger_->Show("Getting error: Значение номера точки наблюдения вне диапазона!");
  }
  return number;
}

void Scheme::SetControlPoint(int n, int number) {
  if (number < 0 || number > kControlPointMax) {
    messenger_->Show("Setting error: Значение номера точки наблюдения вне диапазона!");
    return;
  }
  SetAttr(n, GetParamAddress(n), number, GetOrientation(n));
}

int Scheme::GetOrientation(int n) const {
  return Record(n).AttrWord % 4;
}

void Scheme::SetOrientation(int n, int orientation) {
  if (orientation < 0 || orientation > 3) {
    messenger_->Show("Error: Код ориентации элемента не более 3!");
    return;
  }
  const int address = GetParamAddress(n);
  SetAttr(n, address, (Record(n).AttrWord - address * 100) / 4, orientation);
}

Cell Scheme::GetStoredPosition(int n) const {
  return UnpackPosition(Record(n).Position);
}

Cell Scheme::GetCellPosition(int n) const {
  const Cell stored = GetStoredPosition(n);
  return {stored.row + row_shift_, stored.column + col_shift_};
}

void Scheme::SetCellPosition(int n, int row, int column) {
  const Cell stored{row - row_shift_, column - col_shift_};
  if (stored.row < kCoordinateMin || stored.row > kRowMax || stored.column < kCoordinateMin ||
      stored.column > kColumnMax) {
    messenger_->Show("Error: Значения координат элемента не более 5000!");
    return;
  }
  Record(n).Position = PackPosition(stored);
}

int Scheme::GroupCode(int n) const {
  return kortiv::GroupCode(GetCode(n), *messenger_);
}

void Scheme::AllocateParamBlock(int n) {
  ++param_block_count_;
  const int address = param_top_;
  param_top_ += GetParamCount(n);
  EnsureParamCapacity(param_top_);
  SetParamAddress(n, address);
}

void Scheme::ShiftBlocksAbove(int address, int delta) {
  // `address` is the first value that moves.
  if (delta > 0) {
    EnsureParamCapacity(param_top_ + delta);
    std::copy_backward(params_.begin() + address, params_.begin() + param_top_,
                       params_.begin() + param_top_ + delta);
  } else if (delta < 0) {
    std::copy(params_.begin() + address, params_.begin() + param_top_,
              params_.begin() + address + delta);
  }
  param_top_ += delta;
  for (int k = 1; k <= element_count_; ++k) {
    const int own = GetParamAddress(k);
    if (own >= address) SetParamAddress(k, own + delta);
  }
}

void Scheme::ReleaseParamBlock(int n) {
  const int address = GetParamAddress(n);
  const int count = GetParamCount(n);
  if (address <= 0 || count <= 0) return;
  --param_block_count_;
  ShiftBlocksAbove(address + count, -count);
  SetParamAddress(n, 0);
}

void Scheme::ResizeParamBlock(int n, int new_count) {
  const int address = GetParamAddress(n);
  const int old_count = GetParamCount(n);
  if (address > 0 && new_count != old_count) {
    ShiftBlocksAbove(address + old_count, new_count - old_count);
  }
  Record(n).CodeWord = GetCode(n) * 10000 + new_count;
}

void Scheme::RecountControlPoints() {
  control_point_count_ = 0;
  for (int n = 1; n <= element_count_; ++n) {
    if (GetControlPoint(n) > 0) ++control_point_count_;
  }
}

int Scheme::ElementWithControlPoint(int v) const {
  for (int n = 1; n <= element_count_; ++n) {
    if (GetControlPoint(n) == v) return n;
  }
  return 0;
}

int Scheme::ElementAt(Cell stored) const {
  const std::int32_t position = PackPosition(stored);
  for (int n = 1; n <= element_count_; ++n) {
    if (Record(n).Position == position) return n;
  }
  return 0;
}

void Scheme::Clear() {
  std::fill(table_.begin(), table_.begin() + element_count_, ElementRecord{});
  element_count_ = 0;
  param_top_ = kFirstBlockAddress;
  param_block_count_ = 0;
  control_point_count_ = 0;
}

}  // namespace kortiv
