#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/chain_graph.h"
#include "document/command_state.h"
#include "document/model_state.h"
#include "document/run_job.h"
#include "document/settings_location.h"
#include "document/thread_routed_messenger.h"
#include "document/undo_history.h"
#include "model/clipboard.h"
#include "model/edit_operations.h"
#include "model/element_record.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "params/parameter_entry.h"
#include "params/time_scale_stats.h"
#include "params/working_times.h"
#include "series/run_state.h"

namespace kortiv {

class DocumentObserver;
class FileChooser;
class RunJob;
class TextInput;
struct DocumentChange;

inline constexpr std::string_view kAskToSaveQuestion = "Текущая модель не сохранена! Сохранить?";
inline constexpr std::string_view kSchemeCorrect = "Схема корректна.";
inline constexpr std::string_view kNoName = "no_name             ";  // "no_name" and 13 blanks
inline constexpr std::string_view kModelNameTitle = "Модель Kortiv";
inline constexpr std::string_view kModelNamePrompt = "Введите имя модели:";
inline constexpr int kModelNameMaxChars = 50;

// The stored cell the view has selected, or nothing. The selection and the
// field's scroll shift belong to the editor view: the document works in
// stored scheme coordinates and never shifts the scheme.
using Selection = std::optional<Cell>;

// How a placement treats an occupied target cell.
enum class OnOccupied {
  kRefuse,        // a drop, or a double click with nothing selected
  kAskToReplace,  // a double click onto the selected cell (AskPaste)
};

// What Run and Phase portrait did.
enum class RunOutcome {
  kRefused,       // the analysis or a check refused; nothing runs
  kShowExisting,  // valid results exist already: show them again
  kStarted,       // a worker calculates; poll, then FinishRun
  kFinished,      // calculated on the calling thread (or finished at once)
};

// The open model and everything that lives with it for the program's life:
// the scheme, the clipboard, the chain graph and its checked state, the
// results of the last run, the user settings, the time-scale statistics,
// the working integration values, the model state and the undo history.
// Every command of the program is a method here; widgets show the document
// and forward events. Questions go through the messenger, file names through
// the file chooser, the model name through the text input.
// All methods are for the ui thread; a run's worker never touches the
// document (it works on copies and its messages are queued).
class Document {
 public:
  Document(Messenger& messenger, FileChooser& files, TextInput& text_input);
  ~Document();

  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // --- Observers ----------------------------------------------------------
  void AddObserver(DocumentObserver& observer);
  void RemoveObserver(DocumentObserver& observer);

  // --- Reading --------------------------------------------------------------
  const Scheme& scheme() const { return scheme_; }
  const Clipboard& clipboard() const { return clip_; }
  const ChainGraph& graph() const { return graph_; }
  bool SchemeChecked() const { return graph_.built; }
  ModelState model_state() const { return model_state_; }
  const std::string& file_path() const { return file_path_; }
  const std::string& model_name() const { return model_name_; }
  int example_shown() const { return example_shown_; }
  const std::string& caption() const { return caption_; }
  const UserSettings& settings() const { return settings_; }
  // The messages and file dialogs of the commands that the windows run
  // beside the document's own (saving results and pictures).
  Messenger& messenger() { return messenger_; }
  FileChooser& files() { return files_; }
  const SettingsLocation& settings_location() const { return settings_location_; }
  const TimeScaleStats& time_scale_stats() const { return stats_; }
  const WorkingTimes& working_times() const { return times_; }
  char decimal_separator() const { return decimal_separator_; }
  // The element of the field's pending cut (hatched), 0: none.
  int PendingCutElement() const;
  // The element the last analysis message was about (first of them), 0: none.
  int FaultElement() const { return graph_.fault_element; }

  // The element shown in a stored cell, 0: empty.
  int ElementAt(Cell cell) const { return scheme_.ElementAt(cell); }

  // The enabled command groups and the control point caption for the
  // view's selection.
  CommandState Commands(const Selection& selection) const;

  // The three status panels: the phase, the duration, spare. While a run
  // calculates they are its progress.
  std::array<std::string, 3> StatusTexts() const;

  // --- Results --------------------------------------------------------------
  // The last run's state and results, null before the first run.
  const RunState* results() const { return results_.get(); }
  // The plot window rewrites frequency results in place (amplitude, phase).
  RunState* results() { return results_.get(); }
  // Whether the run that ended last produced results (the ui then opens
  // the plot and table windows).
  bool LastRunProducedResults() const { return last_run_produced_results_; }
  // The run state of the last run when it was stopped before its end, with
  // the points it reached (the batch runner writes them); null otherwise.
  RunState* StoppedRun() { return stopped_run_.get(); }
  // Results of the current scheme that Run would show instead of
  // calculating again.
  bool ResultsValid() const { return results_valid_; }
  bool PhasePortraitMode() const { return phase_portrait_; }
  // Whether the plot and table commands have results to show.
  bool HasResults() const { return results_enabled_; }
  // Changes whenever a run or a phase portrait delivers results to show
  // in a new plot window; stays while Run shows the results it has.
  int ResultsSerial() const { return results_serial_; }

  // --- Settings -------------------------------------------------------------
  // Reads Kortiv.usr from where `location` says (the defaults without one).
  void LoadSettings(const SettingsLocation& location);
  // Accepted settings dialog: takes the settings. The results are discarded
  // when a numerical method or a unit they were made or shown in changed.
  void SetSettings(const UserSettings& settings);
  // Writes the settings back; a failure is reported and returns false.
  bool SaveSettings();

  // --- Model file commands ------------------------------------------------
  // Each returns whether it went through (false: the user declined, a
  // dialog was cancelled, or a file failed).
  bool New();
  bool Close();
  bool Open();
  // Opens a named file without a question (command line, batch runner).
  bool OpenFile(const std::string& path);
  // Takes back a model from its recovery file: the image of the model as it
  // was last autosaved and the path of its own file (empty: unnamed). The
  // model is changed, not saved. A bad image is reported and changes nothing.
  bool OpenRecovered(std::string_view image, const std::string& path);
  bool Save();
  bool SaveAs();
  // Writes the model to a named file without a dialog and makes it the
  // model's file (batch runner); a failure is reported and changes nothing.
  bool WriteModelTo(const std::string& path);
  bool NameModel();
  // Exit and the window's closing: asks about unsaved work; a declined,
  // failed or cancelled save keeps the program open (false). When closing may
  // go on, a run still busy is stopped and the settings are written (a
  // failed write is reported and does not stop the closing).
  // Once it has said yes, later calls say yes at once (the Exit command
  // closes the window, whose closing calls it again).
  bool RequestClose();
  bool Exit() { return RequestClose(); }
  bool Closing() const { return closing_; }
  // The unsaved-changes question: true when the caller may go on.
  bool AskToSave();

  // Built-in example k (1..6). A changed model is asked about first; the
  // same unchanged example again does nothing.
  bool LoadExample(int k);

  // --- Analysis and calculation -------------------------------------------
  // Analyses the scheme; "Схема корректна." when it is correct.
  bool Check();
  // The analysis alone, without that message; true when the graph is built.
  bool Analyse();
  // Run and Phase portrait: the analysis (with its question) runs here, the
  // calculation on a worker (background) or here (wait).
  enum class RunMode { kBackground, kWait };
  RunOutcome Run(RunMode mode = RunMode::kBackground);
  RunOutcome PhasePortrait(RunMode mode = RunMode::kBackground);
  bool RunBusy() const { return job_ != nullptr; }
  // The Esc key while a run is busy (ui thread).
  void StopRun();
  // The ui's timer: delivers queued messages; once the worker has ended it
  // finishes the run. Returns whether the run is still busy.
  bool PollRun();
  // Waits for the worker and takes its results over whole.
  void FinishRun();

  // --- Editing (stored cells) -----------------------------------------------
  // The view clicked a cell (enables the whole-scheme group).
  void NoteCellSelected();
  // Places a new element of `code` at `target`; returns it, or 0 when nothing
  // was placed.
  int PlaceElement(int code, Cell target, OnOccupied on_occupied);
  // Moves the element at `from` to the empty cell `to`; refused onto an
  // occupied cell, onto its own cell and from an empty one.
  bool MoveElement(Cell from, Cell to);
  void Copy(Cell cell);
  void Cut(Cell cell);
  // Pastes at `target`; returns the pasted element, 0 when nothing happened.
  int Paste(const Selection& target);
  bool Delete(Cell cell);
  bool DeleteAll();
  bool Rotate(Cell cell, Rotation rotation);
  // The control point command: removes the element's point or sets one.
  bool ToggleControlPoint(Cell cell);
  // A double click: as ToggleControlPoint for codes 9 and above; wires and
  // forks never get a control point.
  bool DoubleClick(Cell cell);
  // Turns a pending cut into a copy (scrolling, dialogs, most commands).
  void CancelPendingCut();

  // Runs `edit` as one undo step: when it returns true and the scheme or the
  // model name changed, the step is kept, the model marked changed, the
  // results discarded and the scheme marked unchecked. Refused (false) while
  // a run is busy.
  bool ApplyEdit(const std::function<bool(Scheme&)>& edit);
  // What the parameter dialog works with; its Accept belongs in ApplyEdit.
  ParameterContext ParameterContextFor();

  bool Undo();
  bool Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

 private:
  SchemeSnapshot Snapshot() const;
  void Restore(const SchemeSnapshot& snapshot);
  // Records the step `before` -> now when the scheme or name changed.
  bool CommitStep(const SchemeSnapshot& before);
  void MarkModified();
  void DiscardResults();
  void SchemeEdited();
  void ClearScheme();
  void ResetHistory();
  // Another model took the place of the last one (new, opened, example):
  // a fresh undo history and every view told.
  void ModelReplaced();
  void SetStatus(int panel, std::string_view text);
  void ClearStatus();
  void UpdateCaption();
  void Notify(const DocumentChange& change);
  RunOutcome StartRun(RunKindRequested kind, RunMode mode);
  bool SaveAsFlow(std::string_view title);
  void ClearToNew();
  void AfterHistoryMove(const std::string& name_before);

  ThreadRoutedMessenger messenger_;
  FileChooser& files_;
  TextInput& text_input_;
  std::vector<DocumentObserver*> observers_;

  Scheme scheme_;
  Clipboard clip_;
  ChainGraph graph_;
  UserSettings settings_;
  SettingsLocation settings_location_;
  TimeScaleStats stats_;
  WorkingTimes times_;
  char decimal_separator_;

  ModelState model_state_ = ModelState::kNew;
  std::string file_path_;
  std::string model_name_{kNoName};
  std::string caption_{"Kortiv"};
  int example_shown_ = 0;
  bool whole_scheme_enabled_ = false;
  bool save_enabled_ = false;
  bool closing_ = false;

  std::unique_ptr<RunState> results_;
  std::unique_ptr<RunState> stopped_run_;
  bool results_valid_ = false;
  bool results_enabled_ = false;
  bool phase_portrait_ = false;
  std::array<std::string, 3> status_;
  std::unique_ptr<RunJob> job_;
  RunKindRequested job_kind_{};
  bool last_run_produced_results_ = false;
  int results_serial_ = 0;

  UndoHistory history_;
};

}  // namespace kortiv
