#pragma once

namespace kortiv {

// The saved or changed state of the model; the numbers are those the Save
// command is described with.
enum class ModelState : int {
  kNew = 0,           // new, unchanged since start, New or Close
  kNewChanged = 1,    // new, changed, never saved
  kSaved = 2,         // saved or opened, unchanged
  kSavedChanged = 3,  // saved or opened, changed
  kLoading = 5,       // loading or clearing; changes are not tracked
  kExample = 6,       // a built-in example, unchanged
};

// The state after a change of the scheme, its parameters, control points or
// model name. A changed example counts as a new changed model, so the user
// is asked about it like about any unsaved work.
constexpr ModelState Modified(ModelState state) {
  switch (state) {
    case ModelState::kNew:
    case ModelState::kExample:
      return ModelState::kNewChanged;
    case ModelState::kSaved:
      return ModelState::kSavedChanged;
    default:
      return state;
  }
}

// Whether closing the model asks to save it.
constexpr bool HasUnsavedWork(ModelState state) {
  return state == ModelState::kNewChanged || state == ModelState::kSavedChanged;
}

// Whether Save has to ask for a file name.
constexpr bool NeedsFileName(ModelState state) {
  return state == ModelState::kNew || state == ModelState::kNewChanged ||
         state == ModelState::kExample;
}

}  // namespace kortiv
