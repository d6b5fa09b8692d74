// The document: its state, the enabling of commands, editing and undo.

#include "document/document.h"

#include "document/document_observer.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

constexpr std::string_view kCodeBelowOne = "It's no good to draw element with code < 1!";
// Wires (1..4) and forks (5..8) never carry a control point.
constexpr int kLastForkCode = 8;
// Only sources, linear, nonlinear and functional elements have parameters.
constexpr int kFirstSourceCode = 100;

}  // namespace

Document::Document(Messenger& messenger, FileChooser& files, TextInput& text_input)
    : messenger_(messenger),
      files_(files),
      text_input_(text_input),
      scheme_(messenger_),
      decimal_separator_(SystemDecimalSeparator()) {}

Document::~Document() = default;

// --- Observers ---------------------------------------------------------------

void Document::AddObserver(DocumentObserver& observer) {
  observers_.push_back(&observer);
}

void Document::RemoveObserver(DocumentObserver& observer) {
  std::erase(observers_, &observer);
}

void Document::Notify(const DocumentChange& change) {
  // A copy: an observer may remove itself while being told.
  const std::vector<DocumentObserver*> observers = observers_;
  for (DocumentObserver* observer : observers) observer->DocumentChanged(change);
}

// --- Reading -----------------------------------------------------------------

int Document::PendingCutElement() const {
  return clip_.ClipState == kClipPendingCut ? clip_.ClipSource : 0;
}

CommandState Document::Commands(const Selection& selection) const {
  CommandState state;
  state.busy = RunBusy();
  state.scheme_edits = !state.busy;
  const bool edits = state.scheme_edits;
  const int n = selection ? scheme_.ElementAt(*selection) : 0;
  const int code = n > 0 ? scheme_.GetCode(n) : 0;
  state.selection = edits && n > 0;
  state.control_point = edits && n > 0 && code > kLastForkCode;
  if (n > 0 && code > kLastForkCode) {
    state.control_point_caption =
        scheme_.GetControlPoint(n) > 0 ? kRemoveControlPointCaption : kSetControlPointCaption;
  }
  state.save = save_enabled_;
  state.whole_scheme = edits && whole_scheme_enabled_;
  state.paste = edits && clip_.ClipState != kClipEmpty;
  state.element_params = edits && n > 0 && code >= kFirstSourceCode && scheme_.GetParamCount(n) > 0;
  state.check = edits && scheme_.ElementCount() > 0;
  state.run = edits && scheme_.ControlPointCount() > 0;
  state.results = results_enabled_;
  state.undo = edits && history_.CanUndo();
  state.redo = edits && history_.CanRedo();
  return state;
}

std::array<std::string, 3> Document::StatusTexts() const {
  if (job_) return job_->Progress();
  return status_;
}

// --- State changes -------------------------------------------------------------

void Document::SetStatus(int panel, std::string_view text) {
  status_[panel] = std::string(text);
  DocumentChange change;
  change.status = true;
  Notify(change);
}

void Document::ClearStatus() {
  for (std::string& text : status_) text.clear();
}

void Document::MarkModified() {
  if (model_state_ == ModelState::kLoading) return;
  model_state_ = Modified(model_state_);
  save_enabled_ = true;
}

void Document::DiscardResults() {
  results_enabled_ = false;
  results_valid_ = false;
  phase_portrait_ = false;
  ClearStatus();
}

void Document::SchemeEdited() {
  graph_.built = false;
  DiscardResults();
  MarkModified();
}

SchemeSnapshot Document::Snapshot() const {
  return {scheme_, model_name_};
}

void Document::Restore(const SchemeSnapshot& snapshot) {
  scheme_ = snapshot.scheme;
  model_name_ = snapshot.model_name;
}

bool Document::CommitStep(const SchemeSnapshot& before) {
  SchemeSnapshot now = Snapshot();
  if (before.SameModel(now)) return false;
  const bool only_name = SchemeSnapshot{before.scheme, now.model_name}.SameModel(now);
  history_.Push(before);
  if (only_name) {
    MarkModified();
  } else {
    SchemeEdited();
  }
  if (before.model_name != model_name_) UpdateCaption();
  DocumentChange change;
  change.scheme = !only_name;
  change.state = true;
  change.results = !only_name;
  change.status = !only_name;
  change.clipboard = true;
  Notify(change);
  return true;
}

void Document::ClearScheme() {
  scheme_.Clear();
  kortiv::CancelPendingCut(clip_);
  clip_.ClipSource = 0;  // the text stays as a copy
  graph_ = ChainGraph{};
  DiscardResults();
  example_shown_ = 0;
}

void Document::ResetHistory() {
  history_.Clear();
}

void Document::ModelReplaced() {
  ResetHistory();
  DocumentChange change;
  change.scheme = change.replaced = change.state = change.results = change.status = true;
  change.clipboard = true;
  Notify(change);
}

// --- Editing -------------------------------------------------------------------

void Document::NoteCellSelected() {
  if (whole_scheme_enabled_) return;
  whole_scheme_enabled_ = true;
  Notify({});
}

void Document::CancelPendingCut() {
  if (kortiv::CancelPendingCut(clip_) == 0) return;
  DocumentChange change;
  change.clipboard = true;
  Notify(change);
}

int Document::PlaceElement(int code, Cell target, OnOccupied on_occupied) {
  if (RunBusy()) return 0;
  CancelPendingCut();
  if (code < 1) {
    // An element without a kind would make a model that no file can hold.
    messenger_.Show(kCodeBelowOne);
    return 0;
  }
  const int occupant = scheme_.ElementAt(target);
  if (occupant > 0 &&
      (on_occupied == OnOccupied::kRefuse || !ConfirmPasteOver(settings_, messenger_))) {
    return 0;
  }
  const SchemeSnapshot before = Snapshot();
  if (occupant > 0) {
    NoteElementDeleted(clip_, occupant);
    DeleteElement(scheme_, occupant);
  }
  const int n = scheme_.AppendElement(code, 0, target);
  whole_scheme_enabled_ = true;
  CommitStep(before);
  return n;
}

bool Document::MoveElement(Cell from, Cell to) {
  if (RunBusy() || from == to) return false;
  const int n = scheme_.ElementAt(from);
  if (n == 0 || scheme_.ElementAt(to) != 0) return false;
  const SchemeSnapshot before = Snapshot();
  scheme_.SetCellPosition(n, to.row, to.column);
  return CommitStep(before);
}

void Document::Copy(Cell cell) {
  const int n = scheme_.ElementAt(cell);
  if (RunBusy() || n == 0) return;
  CopyElement(clip_, scheme_, n, decimal_separator_);
  DocumentChange change;
  change.clipboard = true;
  Notify(change);
}

void Document::Cut(Cell cell) {
  const int n = scheme_.ElementAt(cell);
  if (RunBusy() || n == 0) return;
  CutElement(clip_, scheme_, n, decimal_separator_);
  DocumentChange change;
  change.clipboard = true;
  Notify(change);
}

int Document::Paste(const Selection& target) {
  if (RunBusy() || !target || clip_.ClipState == kClipEmpty) return 0;
  const int occupant = scheme_.ElementAt(*target);
  if (clip_.ClipSource > 0 && occupant == clip_.ClipSource) return 0;
  if (occupant > 0 && !ConfirmPasteOver(settings_, messenger_)) return 0;
  const SchemeSnapshot before = Snapshot();
  if (occupant > 0) {
    NoteElementDeleted(clip_, occupant);
    DeleteElement(scheme_, occupant);
  }
  int pasted = 0;
  if (clip_.ClipState == kClipPendingCut && clip_.ClipSource > 0) {
    pasted = PasteCutElement(clip_, scheme_, target->row, target->column);
  } else {
    pasted =
        PasteNewElement(scheme_, clip_.ClipText, target->row, target->column, decimal_separator_)
            .element;
  }
  example_shown_ = 0;
  if (!CommitStep(before)) {
    DocumentChange change;
    change.clipboard = true;
    Notify(change);
  }
  return pasted;
}

bool Document::Delete(Cell cell) {
  if (RunBusy()) return false;
  CancelPendingCut();
  const int n = scheme_.ElementAt(cell);
  if (n == 0 || !ConfirmDeleteElement(settings_, messenger_)) return false;
  const SchemeSnapshot before = Snapshot();
  NoteElementDeleted(clip_, n);
  DeleteElement(scheme_, n);
  example_shown_ = 0;
  return CommitStep(before);
}

bool Document::DeleteAll() {
  if (RunBusy() || !ConfirmDeleteAll(messenger_)) return false;
  const SchemeSnapshot before = Snapshot();
  const int example = example_shown_;
  ClearScheme();
  example_shown_ = example;
  whole_scheme_enabled_ = false;
  if (!CommitStep(before)) Notify({});
  return true;
}

bool Document::Rotate(Cell cell, Rotation rotation) {
  const int n = scheme_.ElementAt(cell);
  if (RunBusy() || n == 0) return false;
  const SchemeSnapshot before = Snapshot();
  kortiv::Rotate(scheme_, n, rotation);
  return CommitStep(before);
}

bool Document::ToggleControlPoint(Cell cell) {
  if (RunBusy()) return false;
  CancelPendingCut();
  const int n = scheme_.ElementAt(cell);
  if (n == 0 || scheme_.GetCode(n) <= kLastForkCode) return false;
  const SchemeSnapshot before = Snapshot();
  if (scheme_.GetControlPoint(n) > 0) {
    RemoveControlPoint(scheme_, n);
  } else {
    SetNewControlPoint(scheme_, n);
  }
  return CommitStep(before);
}

bool Document::DoubleClick(Cell cell) {
  return ToggleControlPoint(cell);
}

bool Document::ApplyEdit(const std::function<bool(Scheme&)>& edit) {
  if (RunBusy()) return false;
  const SchemeSnapshot before = Snapshot();
  const bool done = edit(scheme_);
  // A change is never left outside the history, even when the edit says it
  // did nothing.
  const bool recorded = CommitStep(before);
  return done && recorded;
}

ParameterContext Document::ParameterContextFor() {
  return {scheme_, times_, stats_, messenger_, settings_.FreqInHertz, decimal_separator_};
}

void Document::AfterHistoryMove(const std::string& name_before) {
  // Element numbers may now mean other elements: a pending cut becomes a
  // copy of its text.
  kortiv::CancelPendingCut(clip_);
  clip_.ClipSource = 0;
  SchemeEdited();
  if (name_before != model_name_) UpdateCaption();
  DocumentChange change;
  change.scheme = change.state = change.results = change.status = change.clipboard = true;
  Notify(change);
}

bool Document::Undo() {
  if (RunBusy()) return false;
  std::optional<SchemeSnapshot> back = history_.Undo(Snapshot());
  if (!back) return false;
  const std::string name = model_name_;
  Restore(*back);
  AfterHistoryMove(name);
  return true;
}

bool Document::Redo() {
  if (RunBusy()) return false;
  std::optional<SchemeSnapshot> forward = history_.Redo(Snapshot());
  if (!forward) return false;
  const std::string name = model_name_;
  Restore(*forward);
  AfterHistoryMove(name);
  return true;
}

}  // namespace kortiv
