#include "ui/main_frm.h"

namespace kortiv {

void TMainFrm::CutCommand() {
  if (auto selection = CurrentSelection()) document_.Cut(*selection);
}

void TMainFrm::CopyCommand() {
  if (auto selection = CurrentSelection()) document_.Copy(*selection);
}

void TMainFrm::PasteCommand() {
  document_.Paste(CurrentSelection());
}

void TMainFrm::DeleteCommand() {
  if (auto selection = CurrentSelection()) {
    if (document_.Delete(*selection)) editor_->ClearSelection();
  }
}

void TMainFrm::DeleteAllCommand() {
  if (document_.DeleteAll()) editor_->ResetView();
}

void TMainFrm::RotateCommand(Rotation rotation) {
  if (auto selection = CurrentSelection()) document_.Rotate(*selection, rotation);
}

void TMainFrm::ControlPointCommand() {
  if (auto selection = CurrentSelection()) document_.ToggleControlPoint(*selection);
}

void TMainFrm::ElementParametersCommand() {
  if (!Action("mnuParamMod")->isEnabled()) return;
  document_.CancelPendingCut();
  OpenParameterDialog(0);
}

void TMainFrm::IntegrationParametersCommand() {
  document_.CancelPendingCut();
  OpenParameterDialog(1);
}

void TMainFrm::SettingsCommand() {
  document_.CancelPendingCut();
  OpenSettingsDialog(0);
}

void TMainFrm::PrintModelCommand() {
  document_.CancelPendingCut();
  PrintModel();
}

void TMainFrm::RunCommand() {
  AfterRunStarted(document_.Run());
}

void TMainFrm::PhasePortraitCommand() {
  AfterRunStarted(document_.PhasePortrait());
}

void TMainFrm::AfterRunStarted(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::kStarted:
      run_timer_.start();
      break;
    case RunOutcome::kShowExisting:
    case RunOutcome::kFinished:
      ShowResultsAfterRun();
      break;
    case RunOutcome::kRefused:
      break;
  }
}

// While the worker calculates, the timer shows its progress; at its end the
// results are taken over and shown.
void TMainFrm::PollRun() {
  if (document_.PollRun()) return;
  // A message of the run keeps a box open in which the timer polls again;
  // whichever poll sees the end first shows the results, once.
  if (!run_timer_.isActive()) return;
  run_timer_.stop();
  if (document_.LastRunProducedResults()) ShowResultsAfterRun();
}

void TMainFrm::PlaceFromLibrary(int code) {
  // The selected cell, or the top left cell of the window; an occupant is
  // replaced only in a selected cell, after the question.
  const bool selected = editor_->HasSelection();
  const Cell target = selected ? editor_->Selected() : Cell{1, 1};
  const OnOccupied on_occupied = selected ? OnOccupied::kAskToReplace : OnOccupied::kRefuse;
  if (document_.PlaceElement(code, editor_->StoredCell(target), on_occupied) > 0) {
    editor_->Select(target);
  }
  FocusField();
}

void TMainFrm::DropFromLibrary(int code, Cell window_cell) {
  if (document_.PlaceElement(code, editor_->StoredCell(window_cell), OnOccupied::kRefuse) > 0) {
    editor_->Select(window_cell);
    document_.NoteCellSelected();
  }
  FocusField();
}

void TMainFrm::MoveInField(Cell from, Cell to) {
  if (document_.MoveElement(editor_->StoredCell(from), editor_->StoredCell(to))) {
    editor_->Select(to);
  }
}

}  // namespace kortiv
