#pragma once

#include <atomic>
#include <memory>
#include <thread>

#include "analysis/chain_graph.h"
#include "series/run_state.h"
#include "document/run_progress.h"
#include "model/scheme.h"
#include "model/user_settings.h"

namespace kortiv {

class Messenger;

// The command that asked for the run.
enum class RunKindRequested { kRun, kPhasePortrait };

// One calculation of an analysed scheme on a worker thread. The job works on
// its own copies of the scheme, the graph and the settings, so the ui thread
// may paint the scheme meanwhile; the results are handed over whole when the
// job has ended.
class RunJob {
 public:
  // `messenger` must accept calls from the worker (ThreadRoutedMessenger).
  RunJob(const Scheme& scheme, const ChainGraph& graph, const UserSettings& settings,
         RunKindRequested kind, Messenger& messenger, char decimal_separator);
  ~RunJob();  // stops and joins a worker still busy

  RunJob(const RunJob&) = delete;
  RunJob& operator=(const RunJob&) = delete;

  void Start();        // on a worker thread
  void RunHere();      // on the calling thread (batch runner, tests)
  void RequestStop();  // the Esc key; from any thread
  bool Done() const;   // the worker has ended
  void Wait();         // joins the worker

  RunProgress::Panels Progress() const { return progress_.Texts(); }
  // After Wait: whether the run produced results for its kind.
  bool Succeeded() const { return succeeded_; }
  // After Wait: the run state with its results (ready or not).
  std::unique_ptr<RunState> TakeResults();

 private:
  void Calculate();

  Scheme scheme_;
  ChainGraph graph_;
  UserSettings settings_;
  RunKindRequested kind_;
  Messenger& messenger_;
  char decimal_separator_;
  RunProgress progress_;
  std::unique_ptr<RunState> run_;
  std::thread worker_;
  std::atomic<bool> done_{false};
  bool succeeded_ = false;
};

}  // namespace kortiv
