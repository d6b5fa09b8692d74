#pragma once

#include <functional>

#include "series/eval_context.h"

namespace kortiv {

struct ChainGraph;
class StatusBar;

// Everything one calculation works with. The calculation makes no ui calls:
// messages go through the messenger, progress through the status bar, so it
// may run on a worker thread while the ui thread sets run.stop_requested.
struct CalcContext {
  const Scheme& scheme;
  ChainGraph& graph;
  RunState& run;
  const UserSettings& settings;
  Messenger& messenger;
  StatusBar& status;
  // Analyses the scheme into `graph` (sets graph.built on success); called
  // when the graph is not built. Empty: the graph is taken as it is.
  std::function<void()> analyse;
  // The decimal separator of the progress texts.
  char decimal_separator = '.';
  // A contour whose elements all compute each point from the inputs up to
  // it continues them from point to point, in time linear in the points;
  // false re-runs every chain from point 0 at each point (the same values,
  // in quadratic time).
  bool continue_contours = true;

  EvalContext Eval() const { return {scheme, run, settings, messenger}; }
};

// The two series of a run: a chain's input and its output, RunKind values
// for each of the points 0..N. Made once per run and reused by every chain
// and every contour step.
struct WorkingSeries {
  Series input;
  Series output;
};

}  // namespace kortiv
