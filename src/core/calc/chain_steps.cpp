#include "calc/chain_steps.h"

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "analysis/chain_graph.h"
#include "calc/runaway.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr int kFirstSummatorCode = 9;

// The end node of the row that feeds a head input (stored as row + 1,
// signed), or 0 when the input has no producer with a node.
int ProducerNode(const CalcContext& context, int stored_input) {
  const int producer = std::abs(stored_input) - 1;
  if (producer < 0 || producer >= context.graph.R) return 0;
  const int node = context.graph.EndNode(producer);
  return node >= 1 && node <= context.run.node_count ? node : 0;
}

std::size_t ValueCount(const RunState& run, int n) {
  return static_cast<std::size_t>(n + 1) * run.PerPoint();
}

// Sets points first..n of a series to zero.
void ClearPoints(const RunState& run, int first, int n, Series& series) {
  const std::size_t begin = ValueCount(run, first - 1);
  std::fill(series.begin() + begin, series.begin() + ValueCount(run, n), 0.0);
}

// One input of a summator or multiplier as the sum reads it.
struct SumInput {
  int node = 0;  // 0: no producer, contributes nothing
  double sign = 1.0;
  int delay = 0;  // 1 when the producer is not yet evaluated for the point
};

// Current or delayed: inside a contour, when some inputs come from before
// the contour, only those are current; otherwise an input is current when
// its producer lies before this row.
std::vector<SumInput> ReadSumInputs(const CalcContext& context, int row, int count,
                                    int contour_start) {
  const ChainGraph& graph = context.graph;
  bool some_from_before_contour = false;
  for (int i = 0; i < count; ++i) {
    const int producer = std::abs(graph.Input(row, i)) - 1;
    if (contour_start > 0 && producer >= 0 && producer < contour_start) {
      some_from_before_contour = true;
    }
  }
  const int current_below = some_from_before_contour ? contour_start : row;
  std::vector<SumInput> inputs(count);
  for (int i = 0; i < count; ++i) {
    const int stored = graph.Input(row, i);
    inputs[i].node = ProducerNode(context, stored);
    inputs[i].sign = stored < 0 ? -1.0 : 1.0;
    inputs[i].delay = std::abs(stored) - 1 < current_below ? 0 : 1;
  }
  return inputs;
}

void AddSignedInput(RunState& run, const SumInput& input, int first, int n, Series& output) {
  const int per = run.PerPoint();
  for (int j = std::max(input.delay, first); j <= n; ++j) {
    for (int c = 0; c < per; ++c) {
      output[static_cast<std::size_t>(j) * per + c] +=
          input.sign * run.ChainValue(input.node, j - input.delay, c);
    }
  }
}

// output(j) = value1(j - delay1) * value2(j - delay2) from the first point at
// which both values exist; with both inputs delayed that is the product of
// the two previous values.
void MultiplyInputs(RunState& run, const SumInput& first, const SumInput& second, int from, int n,
                    Series& output) {
  for (int j = std::max({first.delay, second.delay, from}); j <= n; ++j) {
    output[j] = run.ChainValue(first.node, j - first.delay, 0) *
                run.ChainValue(second.node, j - second.delay, 0);
  }
}

}  // namespace

void Get_for_Forks(CalcContext& context, int row, int n, int head_code, Series& output, int first) {
  if (GroupOf(head_code) != kGroupFork) {
    context.messenger.Show("Неправильный элемент для Get_for_Forks()! Расчет невозможен.");
    return;
  }
  RunState& run = context.run;
  const int node = ProducerNode(context, context.graph.Input(row, 0));
  if (node == 0) {
    ClearPoints(run, first, n, output);
    return;
  }
  const int per = run.PerPoint();
  for (int j = first; j <= n; ++j) {
    for (int c = 0; c < per; ++c) {
      output[static_cast<std::size_t>(j) * per + c] = run.ChainValue(node, j, c);
    }
  }
}

void Get_for_Sums(CalcContext& context, int row, int n, int head_code, Series& output,
                  int contour_start, int first) {
  const int group = GroupOf(head_code);
  if (group != kGroupSummator && group != kGroupMultiplier) {
    context.messenger.Show("Неправильный элемент для Get_for_Sums()! Расчет невозможен.");
    return;
  }
  const int count = context.graph.InputCount(row);
  // Merged summators carry more inputs than any single summator symbol, so
  // only the row itself bounds the count.
  const int row_size = static_cast<int>(context.graph.rows[row].size());
  if (count < 2 || 4 + count > row_size) {
    context.messenger.Show("Неверное число входов сумматора! Расчет невозможен.");
    return;
  }
  RunState& run = context.run;
  ClearPoints(run, first, n, output);
  const auto inputs = ReadSumInputs(context, row, count, contour_start);
  if (group == kGroupSummator) {
    for (int i = 0; i < count; ++i) {
      if (inputs[i].node != 0) AddSignedInput(run, inputs[i], first, n, output);
    }
    return;
  }
  if (run.kind == RunKind::kFrequency) {
    context.messenger.Show("ЧХ в цепях с перемножителями ещё не строим!");
    return;
  }
  if (inputs[0].node != 0 && inputs[1].node != 0)
    MultiplyInputs(run, inputs[0], inputs[1], first, n, output);
}

void Get_for_Links(CalcContext& context, int row, int n, int head_code, Series& output,
                   int contour_start, int first) {
  // Every head below the summators' codes goes to the fork step, which
  // refuses what is not a fork.
  if (head_code < kFirstSummatorCode) {
    Get_for_Forks(context, row, n, head_code, output, first);
  } else {
    Get_for_Sums(context, row, n, head_code, output, contour_start, first);
  }
}

void StoreControlPoints(CalcContext& context, int element, int n, const Series& series, int first) {
  RunState& run = context.run;
  const int v = context.scheme.GetControlPoint(element);
  if (v <= 0 || v > run.control_points) return;
  if (static_cast<std::size_t>(v) < run.stored_until.size()) run.stored_until[v] = n;
  if (run.kind == RunKind::kTime) {
    for (int j = first; j <= n; ++j) run.ResultAt(j, v) = static_cast<float>(series[j]);
    return;
  }
  for (int j = first; j <= n; ++j) {
    run.ResultAt(j, 2 * v - 1) = static_cast<float>(series[2 * static_cast<std::size_t>(j)]);
    run.ResultAt(j, 2 * v) = static_cast<float>(series[2 * static_cast<std::size_t>(j) + 1]);
  }
}

void StoreNode(CalcContext& context, int row, int n, const Series& series, int first) {
  RunState& run = context.run;
  const int node = context.graph.EndNode(row);
  if (node < 1 || node > run.node_count) return;
  const int per = run.PerPoint();
  for (int j = first; j <= n; ++j) {
    for (int c = 0; c < per; ++c) {
      run.ChainValue(node, j, c) = series[static_cast<std::size_t>(j) * per + c];
    }
  }
}

void EvaluateChain(CalcContext& context, int row, int n, Series& input, Series& output) {
  RunState& run = context.run;
  CutRunAtRunaway(run, input, FirstNewPoint(run, n), n);
  const int length = context.graph.Length(row);
  if (length < 2) {
    std::copy_n(input.begin(), ValueCount(run, n), output.begin());
    return;
  }
  const bool whole_run = n == run.last_point;
  // The working copy is `input`: each element's output becomes the next
  // element's input by swapping the two series.
  for (int i = 2; i <= length; ++i) {
    if (run.stop_requested) break;
    const int element = context.graph.Element(row, i);
    if (EvaluateElement(context, element, n, input, output)) std::swap(input, output);
    if (whole_run) StoreControlPoints(context, element, std::min(n, run.last_point), input);
  }
  std::swap(input, output);
}

}  // namespace kortiv
