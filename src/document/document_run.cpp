// Check, Run and Phase portrait: the analysis on the ui thread, the
// calculation on a worker.

#include "analysis/analyse_scheme.h"
#include "calc/calculate_scheme.h"
#include "document/document.h"
#include "document/document_observer.h"
#include "support/status_bar.h"

namespace kortiv {
namespace {

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
}  // namespace

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
  ++results_serial_;
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
  // A message box runs its own event loop, in which the ui's timer may
  // already have finished the run.
  if (!job_) return false;
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
  stopped_run_.reset();
  if (!produced) stopped_run_ = std::move(run);
  if (produced) {
    results_ = std::move(run);
    ++results_serial_;
    times_ = {results_->t0, results_->h, results_->tk};
    results_enabled_ = true;
    phase_portrait_ = job_kind_ == RunKindRequested::kPhasePortrait;
    results_valid_ = !phase_portrait_;
  }
  DocumentChange change;
  change.run = change.status = change.results = true;
  Notify(change);
}

}  // namespace kortiv
