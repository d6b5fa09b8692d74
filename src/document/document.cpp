#include "document/document.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "analysis/analyse_scheme.h"
#include "calc/calculate_scheme.h"
#include "document/document_observer.h"
#include "document/file_chooser.h"
#include "document/text_input.h"
#include "model/builtin_examples.h"
#include "model/model_file.h"
#include "support/number_format.h"
#include "support/status_bar.h"

namespace kortiv {
namespace {

constexpr std::string_view kCodeBelowOne = "It's no good to draw element with code < 1!";
constexpr std::string_view kSaveTitle = "Сохранить модель";
constexpr std::string_view kSaveAsTitle = "Сохранить модель как ...";
constexpr std::string_view kModelExtension = ".krt";
// Wires (1..4) and forks (5..8) never carry a control point.
constexpr int kLastForkCode = 8;
// Only sources, linear, nonlinear and functional elements have parameters.
constexpr int kFirstSourceCode = 100;

// The analysis's status panel, written into the document's texts.
class PanelWriter : public StatusBar {
 public:
  explicit PanelWriter(std::function<void(int, std::string_view)> write)
      : write_(std::move(write)) {}
  void SetText(int panel, std::string_view text) override { write_(panel, text); }

 private:
  std::function<void(int, std::string_view)> write_;
};

// Passes messages on; before the first message of a fault that concerns one
// element, the view is told which element it is.
class FaultNotingMessenger : public Messenger {
 public:
  FaultNotingMessenger(Messenger& target, const ChainGraph& graph,
                       std::function<void(int)> note_fault)
      : target_(target), graph_(graph), note_fault_(std::move(note_fault)) {}

  void Show(std::string_view text, std::string_view caption) override {
    NoteFault();
    target_.Show(text, caption);
  }
  bool Ask(std::string_view text, std::string_view title) override {
    NoteFault();
    return target_.Ask(text, title);
  }

 private:
  void NoteFault() {
    if (graph_.fault_element == 0 || graph_.fault_element == noted_) return;
    noted_ = graph_.fault_element;
    note_fault_(noted_);
  }

  Messenger& target_;
  const ChainGraph& graph_;
  std::function<void(int)> note_fault_;
  int noted_ = 0;
};

bool EndsWithModelExtension(const std::string& path) {
  if (path.size() < kModelExtension.size()) return false;
  std::string tail = path.substr(path.size() - kModelExtension.size());
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == kModelExtension;
}

std::string FileStem(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  if (EndsWithModelExtension(name)) name.resize(name.size() - kModelExtension.size());
  return name;
}

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

void Document::UpdateCaption() {
  if (model_state_ == ModelState::kExample && example_shown_ > 0) {
    caption_ = file_path_ + ". " + model_name_;
    return;
  }
  const bool has_file =
      model_state_ == ModelState::kSaved || model_state_ == ModelState::kSavedChanged;
  caption_ = "Kortiv: " + (has_file ? FileStem(file_path_) : std::string("noname"));
  if (has_file || model_name_ != kNoName) caption_ += " : " + model_name_;
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
  UpdateCaption();
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

// --- Settings ----------------------------------------------------------------

void Document::LoadSettings(const SettingsLocation& location) {
  settings_location_ = location;
  settings_ = location.read_path.empty() ? UserSettings{} : LoadUserSettings(location.read_path);
  Notify({});
}

void Document::SetSettings(const UserSettings& settings) {
  settings_ = settings;
  DiscardResults();
  DocumentChange change;
  change.results = change.status = true;
  Notify(change);
}

bool Document::SaveSettings() {
  const std::string& path = settings_location_.write_path;
  if (path.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  return SaveUserSettings(settings_, path, messenger_);
}

// --- Model file commands -------------------------------------------------------

bool Document::AskToSave() {
  if (!HasUnsavedWork(model_state_)) return true;
  if (!messenger_.Ask(kAskToSaveQuestion, kConfirmTitle)) return true;
  return Save();
}

void Document::ClearToNew() {
  model_state_ = ModelState::kLoading;
  ClearScheme();
  model_state_ = ModelState::kNew;
  model_name_ = std::string(kNoName);
  caption_ = "Kortiv: noname";
  ResetHistory();
  DocumentChange change;
  change.scheme = change.replaced = change.state = change.results = change.status = true;
  change.clipboard = true;
  Notify(change);
}

bool Document::New() {
  if (RunBusy() || !AskToSave()) return false;
  ClearToNew();
  return true;
}

bool Document::Close() {
  return New();
}

bool Document::Open() {
  if (RunBusy() || !AskToSave()) return false;
  FileRequest request;
  request.kind = FileRequest::Kind::kOpen;
  request.filters = {{"Kortiv model (*.krt)", "*.krt"}, {"All files (*.*)", "*.*"}};
  request.must_exist = true;
  const std::optional<FileChoice> choice = files_.Choose(request);
  return choice && OpenFile(choice->path);
}

bool Document::OpenFile(const std::string& path) {
  if (RunBusy()) return false;
  // The reader leaves the scheme as it was when the file fails.
  Scheme read(messenger_);
  const ModelReadResult model = ReadModelFile(path, read);
  if (!model.ok) return false;
  ClearScheme();
  scheme_ = read;
  times_ = {scheme_.T0(), scheme_.H(), scheme_.Tk()};
  file_path_ = path;
  model_name_ = model.model_name;
  model_state_ = ModelState::kSaved;
  save_enabled_ = false;
  if (scheme_.ElementCount() > 0) whole_scheme_enabled_ = true;
  UpdateCaption();
  ResetHistory();
  DocumentChange change;
  change.scheme = change.replaced = change.state = change.results = change.status = true;
  change.clipboard = true;
  Notify(change);
  return true;
}

bool Document::WriteModel(const std::string& path) {
  if (!WriteModelFile(path, scheme_, model_name_)) return false;
  file_path_ = path;
  model_state_ = ModelState::kSaved;
  save_enabled_ = false;
  UpdateCaption();
  DocumentChange change;
  change.state = true;
  Notify(change);
  return true;
}

bool Document::SaveAsFlow(std::string_view title) {
  FileRequest request;
  request.kind = FileRequest::Kind::kSave;
  request.title = std::string(title);
  request.filters = {{"Файлы модели Kortiv (*.krt)", "*.krt"}};
  request.default_extension = "krt";
  request.overwrite_prompt = true;
  const bool unnamed = model_state_ == ModelState::kNew || model_state_ == ModelState::kNewChanged;
  request.initial_name = unnamed ? "" : file_path_;
  const std::optional<FileChoice> choice = files_.Choose(request);
  if (!choice || choice->path.empty()) return false;
  std::string path = choice->path;
  if (!EndsWithModelExtension(path)) path += kModelExtension;
  return WriteModel(path);
}

bool Document::Save() {
  if (NeedsFileName(model_state_)) return SaveAsFlow(kSaveTitle);
  return WriteModel(file_path_);
}

bool Document::SaveAs() {
  return SaveAsFlow(kSaveAsTitle);
}

bool Document::NameModel() {
  if (RunBusy()) return false;
  CancelPendingCut();
  const std::optional<std::string> answer = text_input_.AskText(
      {std::string(kModelNameTitle), std::string(kModelNamePrompt), model_name_});
  if (!answer) return false;
  const SchemeSnapshot before = Snapshot();
  model_name_ = FitModelName(*answer);
  return CommitStep(before);
}

bool Document::RequestClose() {
  if (closing_) return true;
  if (!AskToSave()) return false;
  if (job_) {
    job_->RequestStop();
    job_.reset();
  }
  closing_ = true;
  SaveSettings();  // a failure is reported; the program still closes
  return true;
}

bool Document::LoadExample(int k) {
  if (RunBusy() || k < 1 || k > kBuiltinExampleCount) return false;
  if (example_shown_ == k && model_state_ == ModelState::kExample) return false;
  if (!AskToSave()) return false;
  model_state_ = ModelState::kLoading;
  ClearScheme();
  model_name_ = std::string(LoadBuiltinExample(scheme_, k));
  times_ = {scheme_.T0(), scheme_.H(), scheme_.Tk()};
  example_shown_ = k;
  model_state_ = ModelState::kExample;
  file_path_ = std::string(kBuiltinExamplePath);
  whole_scheme_enabled_ = true;
  UpdateCaption();
  ResetHistory();
  DocumentChange change;
  change.scheme = change.replaced = change.state = change.results = change.status = true;
  change.clipboard = true;
  Notify(change);
  return true;
}

// --- Analysis and calculation ----------------------------------------------------

bool Document::Analyse() {
  const SchemeSnapshot before = Snapshot();
  FaultNotingMessenger messenger(messenger_, graph_, [this](int element) {
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers) observer->FaultElementShown(element);
  });
  PanelWriter status([this](int panel, std::string_view text) { SetStatus(panel, text); });
  AnalysisHooks hooks;
  hooks.clipboard = &clip_;
  AnalyseScheme(scheme_, graph_, messenger, status, hooks);
  // Control points taken off hanging elements change the model, and undo
  // brings them back; the graph just built stays valid.
  if (!before.SameModel(Snapshot())) {
    history_.Push(before);
    MarkModified();
    DiscardResults();
  }
  DocumentChange change;
  change.scheme = change.state = change.status = change.clipboard = true;
  Notify(change);
  return graph_.built;
}

bool Document::Check() {
  if (RunBusy()) return false;
  CancelPendingCut();
  if (!Analyse()) return false;
  messenger_.Show(kSchemeCorrect);
  return true;
}

RunOutcome Document::Run(RunMode mode) {
  if (RunBusy()) return RunOutcome::kRefused;
  phase_portrait_ = false;
  if (results_valid_) return RunOutcome::kShowExisting;
  CancelPendingCut();
  if (!graph_.built && !Analyse()) return RunOutcome::kRefused;
  return StartRun(RunKindRequested::kRun, mode);
}

RunOutcome Document::PhasePortrait(RunMode mode) {
  if (RunBusy()) return RunOutcome::kRefused;
  CancelPendingCut();
  if (!graph_.built && !Analyse()) return RunOutcome::kRefused;
  if (!results_valid_) return StartRun(RunKindRequested::kPhasePortrait, mode);
  // The time results of this scheme serve the portrait; only its checks run.
  SilentStatusBar silent;
  CalcContext context{scheme_,    graph_, *results_, settings_,
                      messenger_, silent, {},        decimal_separator_};
  if (!CalculatePhasePortrait(context)) return RunOutcome::kRefused;
  phase_portrait_ = true;
  results_valid_ = false;
  results_enabled_ = true;
  last_run_produced_results_ = true;
  DocumentChange change;
  change.results = true;
  Notify(change);
  return RunOutcome::kShowExisting;
}

RunOutcome Document::StartRun(RunKindRequested kind, RunMode mode) {
  job_ = std::make_unique<RunJob>(scheme_, graph_, settings_, kind, messenger_, decimal_separator_);
  job_kind_ = kind;
  DocumentChange change;
  change.run = change.status = true;
  Notify(change);
  if (mode == RunMode::kWait) {
    job_->RunHere();
    FinishRun();
    return last_run_produced_results_ ? RunOutcome::kFinished : RunOutcome::kRefused;
  }
  job_->Start();
  return RunOutcome::kStarted;
}

void Document::StopRun() {
  if (job_) job_->RequestStop();
}

bool Document::PollRun() {
  if (!job_) return false;
  messenger_.DeliverQueued();
  if (job_->Done()) {
    FinishRun();
    return false;
  }
  DocumentChange change;
  change.status = true;
  Notify(change);
  return true;
}

void Document::FinishRun() {
  if (!job_) return;
  job_->Wait();
  const RunProgress::Panels panels = job_->Progress();
  status_ = {panels[0], panels[1], panels[2]};
  const bool produced = job_->Succeeded();
  std::unique_ptr<RunState> run = job_->TakeResults();
  job_.reset();
  messenger_.DeliverQueued();
  last_run_produced_results_ = produced;
  if (produced) {
    results_ = std::move(run);
    times_ = {results_->t0, results_->h, results_->tk};
    results_enabled_ = true;
    phase_portrait_ = job_kind_ == RunKindRequested::kPhasePortrait;
    results_valid_ = !phase_portrait_;
  }
  DocumentChange change;
  change.run = change.status = change.results = true;
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

void Document::AfterHistoryMove() {
  // Element numbers may now mean other elements: a pending cut becomes a
  // copy of its text.
  kortiv::CancelPendingCut(clip_);
  clip_.ClipSource = 0;
  SchemeEdited();
  UpdateCaption();
  DocumentChange change;
  change.scheme = change.state = change.results = change.status = change.clipboard = true;
  Notify(change);
}

bool Document::Undo() {
  if (RunBusy()) return false;
  std::optional<SchemeSnapshot> back = history_.Undo(Snapshot());
  if (!back) return false;
  Restore(*back);
  AfterHistoryMove();
  return true;
}

bool Document::Redo() {
  if (RunBusy()) return false;
  std::optional<SchemeSnapshot> forward = history_.Redo(Snapshot());
  if (!forward) return false;
  Restore(*forward);
  AfterHistoryMove();
  return true;
}

}  // namespace kortiv
