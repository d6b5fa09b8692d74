#include "document/run_job.h"

#include "calc/calculate_scheme.h"

namespace kortiv {

RunJob::RunJob(const Scheme& scheme, const ChainGraph& graph, const UserSettings& settings,
               RunKindRequested kind, Messenger& messenger, char decimal_separator)
    : scheme_(scheme),
      graph_(graph),
      settings_(settings),
      kind_(kind),
      messenger_(messenger),
      decimal_separator_(decimal_separator),
      run_(std::make_unique<RunState>()) {}

RunJob::~RunJob() {
  RequestStop();
  Wait();
}

void RunJob::Start() {
  worker_ = std::thread([this] { Calculate(); });
}

void RunJob::RunHere() {
  Calculate();
}

void RunJob::RequestStop() {
  if (run_) run_->stop_requested = true;
}

bool RunJob::Done() const {
  return done_;
}

void RunJob::Wait() {
  if (worker_.joinable()) worker_.join();
}

std::unique_ptr<RunState> RunJob::TakeResults() {
  Wait();
  return std::move(run_);
}

void RunJob::Calculate() {
  // The graph is analysed before the job is made; a graph that is not built
  // is never calculated.
  CalcContext context{scheme_,    graph_,    *run_, settings_,
                      messenger_, progress_, {},    decimal_separator_};
  if (kind_ == RunKindRequested::kPhasePortrait) {
    succeeded_ = CalculatePhasePortrait(context);
  } else {
    CalculateScheme(context);
    succeeded_ = run_->results_ready;
  }
  done_ = true;
}

}  // namespace kortiv
