#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

#include "model/scheme.h"

namespace kortiv {

// The scheme and the model name as one undo step restores them: the whole
// table, not the file image, so every element keeps its cell and number.
struct SchemeSnapshot {
  Scheme scheme;
  std::string model_name;

  // Same elements, parameter values in use, counts and name.
  bool SameModel(const SchemeSnapshot& other) const;
};

// Undo and redo by snapshots: each step keeps the state before it. A scheme
// is small, so a copy per step costs little; the oldest steps go beyond
// kMaxSteps.
class UndoHistory {
 public:
  static constexpr std::size_t kMaxSteps = 1000;

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  std::size_t UndoCount() const { return undo_.size(); }
  std::size_t RedoCount() const { return redo_.size(); }

  // A new step from `before`; the redo steps are dropped.
  void Push(SchemeSnapshot before);
  // The state to go back to; `current` becomes the redo step.
  std::optional<SchemeSnapshot> Undo(SchemeSnapshot current);
  // The state to go forward to; `current` becomes the undo step.
  std::optional<SchemeSnapshot> Redo(SchemeSnapshot current);
  void Clear();

 private:
  std::deque<SchemeSnapshot> undo_;
  std::deque<SchemeSnapshot> redo_;
};

}  // namespace kortiv
