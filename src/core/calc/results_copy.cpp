#include "calc/results_copy.h"

namespace kortiv {

void CopyResults(const RunState& from, RunState& to) {
  to.kind = from.kind;
  to.last_point = from.last_point;
  to.control_points = from.control_points;
  to.node_count = 0;
  to.t0 = from.t0;
  to.h = from.h;
  to.tk = from.tk;
  to.freq_plot_kind = from.freq_plot_kind;
  to.result_store = from.result_store;
  to.raw_frequency_results = from.raw_frequency_results;
  to.data_chains = {};
  to.calculating = false;
  to.results_ready = from.results_ready;
  to.diverged = from.diverged;
}

}  // namespace kortiv
