#include "document/undo_history.h"

#include <cstring>

namespace kortiv {

bool SchemeSnapshot::SameModel(const SchemeSnapshot& other) const {
  const Scheme& a = scheme;
  const Scheme& b = other.scheme;
  if (model_name != other.model_name || a.ElementCount() != b.ElementCount() ||
      a.ParamTop() != b.ParamTop() || a.ParamBlockCount() != b.ParamBlockCount() ||
      a.ControlPointCount() != b.ControlPointCount()) {
    return false;
  }
  for (int n = 1; n <= a.ElementCount(); ++n) {
    if (!(a.Record(n) == b.Record(n))) return false;
  }
  // Bitwise, so that a changed NaN or -0 still counts as a change.
  for (int i = 0; i < a.ParamTop(); ++i) {
    const float x = a.Param(i);
    const float y = b.Param(i);
    if (std::memcmp(&x, &y, sizeof x) != 0) return false;
  }
  return true;
}

void UndoHistory::Push(SchemeSnapshot before) {
  undo_.push_back(std::move(before));
  if (undo_.size() > kMaxSteps) undo_.pop_front();
  redo_.clear();
}

std::optional<SchemeSnapshot> UndoHistory::Undo(SchemeSnapshot current) {
  if (undo_.empty()) return std::nullopt;
  SchemeSnapshot back = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(std::move(current));
  return back;
}

std::optional<SchemeSnapshot> UndoHistory::Redo(SchemeSnapshot current) {
  if (redo_.empty()) return std::nullopt;
  SchemeSnapshot forward = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(std::move(current));
  return forward;
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace kortiv
