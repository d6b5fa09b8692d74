#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace kortiv {

// Kind of run: the number of doubles per point in every working series.
enum class RunKind : int { kTime = 1, kFrequency = 2 };

// A working series: points 0..n, RunKind values per point (Re then Im in a
// frequency run).
using Series = std::vector<double>;

// What one calculation shares between the driver, the chain steps, the
// element models and the results side. Made anew by every run.
struct RunState {
  RunKind kind = RunKind::kTime;
  int last_point = 0;      // N: points are 0..N; lowered on divergence
  int control_points = 0;  // V
  int node_count = 0;      // K

  // The run's working copy of the integration parameters.
  float t0 = 0.0f;
  float h = 0.01f;
  float tk = 5.0f;

  // Left by the sweep generator for the plot window; -1 in a time run.
  int freq_plot_kind = -1;

  // White noise seeds every evaluation from a fine clock; tests fix the
  // clock's part here. Either way the element number is mixed in.
  std::optional<std::uint64_t> noise_seed;

  // Per point j: W = kind * V + 1 floats from W * j: the moment or angular
  // frequency, then the value (time) or Re, Im (frequency) of each control
  // point in turn.
  std::vector<float> result_store;

  // The calculated (Re, Im) pairs of a frequency run, kept aside when the
  // store is rewritten into the characteristics shown; empty until then.
  std::vector<float> raw_frequency_results;

  // Chain outputs by node: component c of point j of the chain ending at
  // node k (1..K) is at kind * ((k - 1) + j * K) + c.
  std::vector<double> data_chains;

  // Per control point 1..V (entry 0 unused): the last point stored in this
  // run, -1 before any; after an interruption it tells how far each got.
  std::vector<int> stored_until;

  bool calculating = false;
  bool results_ready = false;
  bool diverged = false;
  // Set from another thread (the Esc key) while a run is busy.
  std::atomic<bool> stop_requested{false};

  int PerPoint() const { return static_cast<int>(kind); }
  int RowWidth() const { return PerPoint() * control_points + 1; }
  float Moment(int j) const { return result_store[static_cast<std::size_t>(RowWidth()) * j]; }
  float& ResultAt(int j, int entry) {
    return result_store[static_cast<std::size_t>(RowWidth()) * j + entry];
  }
  double& ChainValue(int node, int j, int component) {
    return data_chains[static_cast<std::size_t>(PerPoint()) *
                           ((node - 1) + static_cast<std::size_t>(j) * node_count) +
                       component];
  }
};

}  // namespace kortiv
