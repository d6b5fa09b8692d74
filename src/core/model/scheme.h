#pragma once

#include <vector>

#include "model/element_record.h"

namespace kortiv {

class Messenger;

// The scheme the user draws: the element table, the parameter store and the
// control point count. Elements are numbered 1..ElementCount() without gaps.
// Accessors take the 1-based element number and do not check it; rejected
// values are reported through the messenger and change nothing.
class Scheme {
 public:
  static constexpr int kControlPointMax = 12;
  static constexpr int kInitialTableCapacity = 30;
  static constexpr int kInitialParsMax = 10;
  static constexpr int kFirstBlockAddress = 3;  // after T0, h, Tk

  explicit Scheme(Messenger& messenger);

  Messenger& messenger() const { return *messenger_; }

  // --- The table ---------------------------------------------------------
  int ElementCount() const { return element_count_; }
  int TableCapacity() const { return static_cast<int>(table_.size()); }
  ElementRecord& Record(int n) { return table_[n - 1]; }
  const ElementRecord& Record(int n) const { return table_[n - 1]; }
  void EnsureTableCapacity(int count);
  // Appends an element with the code's catalogue parameter count and no
  // parameter block; returns its number.
  int AppendElement(int code, int orientation, Cell stored);
  // Removes element n's record: elements n+1.. move one number down and the
  // freed last record is zeroed. Its block and control point are the
  // caller's to release first.
  void RemoveRecord(int n);
  // Replaces the whole scheme (model file, examples): records for elements
  // 1..records.size(), the parameter values 0..params.size()-1.
  void Load(const std::vector<ElementRecord>& records, const std::vector<float>& params,
            int block_count);

  // --- Packed fields ---------------------------------------------------------
  int GetCode(int n) const;
  void SetCode(int n, int code);
  int GetParamCount(int n) const;
  void RefreshParamCount(int n);
  int GetParamAddress(int n) const;
  void SetParamAddress(int n, int address);
  int GetControlPoint(int n) const;
  void SetControlPoint(int n, int number);
  int GetOrientation(int n) const;
  void SetOrientation(int n, int orientation);
  Cell GetStoredPosition(int n) const;
  Cell GetCellPosition(int n) const;
  void SetCellPosition(int n, int row, int column);
  int GroupCode(int n) const;
  // Whether the element needs parameters that were never entered.
  bool ParamsMissing(int n) const { return GetParamCount(n) > 0 && GetParamAddress(n) == 0; }

  // --- The parameter store -----------------------------------------------------
  int ParsMax() const { return static_cast<int>(params_.size()); }
  int ParamTop() const { return param_top_; }
  int ParamBlockCount() const { return param_block_count_; }
  float Param(int address) const { return params_[address]; }
  void SetParam(int address, float value) { params_[address] = value; }
  // Parameter i (0-based) of element n's block.
  float ElementParam(int n, int i) const { return params_[GetParamAddress(n) + i]; }
  void EnsureParamCapacity(int top);
  // Gives element n a block of ParamCount values at the top of the store.
  void AllocateParamBlock(int n);
  // Removes element n's block, moving the values above it down.
  void ReleaseParamBlock(int n);
  // Changes the length of element n's block (the general element 212).
  void ResizeParamBlock(int n, int new_count);

  // The integration parameters T0, h, Tk (store entries 0..2).
  float T0() const { return params_[0]; }
  float H() const { return params_[1]; }
  float Tk() const { return params_[2]; }

  // --- Control points --------------------------------------------------------
  int ControlPointCount() const { return control_point_count_; }
  void SetControlPointCount(int count) { control_point_count_ = count; }
  // Recounts the control points from the records.
  void RecountControlPoints();
  // The element that carries control point v, or 0.
  int ElementWithControlPoint(int v) const;

  // --- Window shift (set by the editor's scrolling) --------------------------
  int RowShift() const { return row_shift_; }
  int ColShift() const { return col_shift_; }
  void SetShift(int row_shift, int col_shift) {
    row_shift_ = row_shift;
    col_shift_ = col_shift;
  }

  // The element whose stored position is `stored`, or 0.
  int ElementAt(Cell stored) const;

  // Empties the scheme; the integration parameters and capacities stay.
  void Clear();

 private:
  void SetAttr(int n, int address, int control_point, int orientation);
  // Moves the values above `address` by `delta` and adjusts the addresses of
  // the blocks that lie above it.
  void ShiftBlocksAbove(int address, int delta);

  Messenger* messenger_;
  std::vector<ElementRecord> table_;
  int element_count_ = 0;
  std::vector<float> params_;
  int param_top_ = kFirstBlockAddress;
  int param_block_count_ = 0;
  int control_point_count_ = 0;
  int row_shift_ = 0;
  int col_shift_ = 0;
};

}  // namespace kortiv
