#include "calc/calculate_scheme.h"

#include <chrono>
#include <cmath>
#include <new>
#include <string_view>

#include "analysis/chain_graph.h"
#include "calc/chain_steps.h"
#include "calc/contour.h"
#include "calc/point_count.h"
#include "calc/runaway.h"
#include "calc/status_texts.h"
#include "elements/element_models.h"
#include "elements/sources.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/messenger.h"
#include "support/status_bar.h"

namespace kortiv {
namespace {

constexpr std::string_view kFeedbackInFrequencyRun = "ЧХ в цепях с ОС ещё не строим!";
constexpr std::string_view kTooManyPoints = "Слишком большое число точек расчёта!";
constexpr std::string_view kOutOfMemory = "Недостаточно памяти для расчёта.";

void ShowStatus(StatusBar& status, std::string_view phase, std::string_view duration) {
  status.SetText(kPhasePanel, phase);
  status.SetText(kDurationPanel, duration);
  status.SetText(kSparePanel, "");
  status.Repaint();
}

// Ends a run that was refused before anything was allocated: the earlier
// results stay.
void Refuse(CalcContext& context, std::string_view text) {
  context.messenger.Show(text);
  context.run.calculating = false;
  context.run.stop_requested = false;
  ShowStatus(context.status, "", "");
}

// The last point of a frequency run, or -1 after a refusal.
long long FrequencyRunLastPoint(CalcContext& context) {
  const ChainGraph& graph = context.graph;
  for (int r = 0; r < graph.R; ++r) {
    if (graph.IsContourHeader(r)) {
      Refuse(context, kFeedbackInFrequencyRun);
      return -1;
    }
  }
  if (graph.R == 0 || context.scheme.GetCode(graph.Head(0)) != kSweepGeneratorCode) {
    Refuse(context, "Первый элемент не ГКЧ!");
    return -1;
  }
  const SweepGrid grid = SweepGridOf(context.Eval(), graph.Head(0));
  if (grid.first_decade >= grid.last_decade) {
    Refuse(context, "Величина m должна быть меньше величины n!");
    return -1;
  }
  if (grid.points_per_decade < 1) {
    Refuse(context, "Число точек на декаду должно быть больше 1!");
    return -1;
  }
  return grid.LastPoint();
}

// The last point of a time run, or -1 after a refusal. Parameters that a
// model file may carry unchecked are refused with the dialog's messages.
long long TimeRunLastPointOrRefuse(CalcContext& context) {
  const Scheme& scheme = context.scheme;
  if (!(scheme.T0() < scheme.Tk())) {
    Refuse(context, "Начальный момент должен быть меньше конечного!");
    return -1;
  }
  if (!(scheme.H() > 0)) {
    Refuse(context, "Шаг интегрирования должен быть положительным!");
    return -1;
  }
  // An infinite step would make every moment after the first no number.
  if (std::isinf(scheme.H())) {
    Refuse(context, "Шаг интегрирования велик!");
    return -1;
  }
  return TimeRunLastPoint(scheme.T0(), scheme.H(), scheme.Tk());
}

// What a run replaces: the earlier results, put back when the new run
// cannot get its memory.
struct EarlierResults {
  RunKind kind;
  int last_point, control_points, node_count, freq_plot_kind;
  float t0, h, tk;
  bool results_ready;
  std::vector<float> result_store;
  std::vector<double> data_chains;
  std::vector<int> stored_until;

  explicit EarlierResults(RunState& run)
      : kind(run.kind),
        last_point(run.last_point),
        control_points(run.control_points),
        node_count(run.node_count),
        freq_plot_kind(run.freq_plot_kind),
        t0(run.t0),
        h(run.h),
        tk(run.tk),
        results_ready(run.results_ready),
        result_store(std::move(run.result_store)),
        data_chains(std::move(run.data_chains)),
        stored_until(std::move(run.stored_until)) {}

  void PutBack(RunState& run) {
    run.kind = kind;
    run.last_point = last_point;
    run.control_points = control_points;
    run.node_count = node_count;
    run.freq_plot_kind = freq_plot_kind;
    run.t0 = t0;
    run.h = h;
    run.tk = tk;
    run.results_ready = results_ready;
    run.result_store = std::move(result_store);
    run.data_chains = std::move(data_chains);
    run.stored_until = std::move(stored_until);
    run.diverged = false;
    run.stop_requested = false;
  }
};

// Makes the result store, DataChains and the working series anew for
// points 0..N (throws std::bad_alloc when they do not fit in memory).
void AllocateRun(CalcContext& context, RunKind kind, int last_point, WorkingSeries& work) {
  RunState& run = context.run;
  const auto points = static_cast<std::size_t>(last_point) + 1;
  const auto per = static_cast<std::size_t>(kind);
  const int control_points = context.scheme.ControlPointCount();
  run.raw_frequency_results = {};
  run.result_store.assign((per * control_points + 1) * points, 0.0f);
  run.data_chains.assign(points * per * context.graph.K + 1, 0.0);
  run.stored_until.assign(control_points + 1, -1);
  work.input.assign(points * per, 0.0);
  work.output.assign(points * per, 0.0);
  run.kind = kind;
  run.last_point = last_point;
  run.control_points = control_points;
  run.node_count = context.graph.K;
  run.t0 = context.scheme.T0();
  run.h = context.scheme.H();
  run.tk = context.scheme.Tk();
  run.freq_plot_kind = -1;
  run.diverged = false;
  run.results_ready = false;
}

void FillMoments(RunState& run) {
  for (int j = 0; j <= run.last_point; ++j) run.ResultAt(j, 0) = MomentOfPoint(j, run.t0, run.h);
}

// One ordinary chain row over the whole run.
void EvaluateRow(CalcContext& context, int row, WorkingSeries& work) {
  const int n = context.run.last_point;
  const int head = context.graph.Head(row);
  const int head_code = context.scheme.GetCode(head);
  const int group = GroupOf(head_code);
  if (group == kGroupSource || group == kGroupSweepGenerator) {
    EvalContext eval = context.Eval();
    EvaluateSource(eval, head, work.input);
    CutRunAtRunawayArgument(context.run);
  } else {
    Get_for_Links(context, row, n, head_code, work.input, 0);
  }
  StoreControlPoints(context, head, n, work.input);
  EvaluateChain(context, row, n, work.input, work.output);
  StoreNode(context, row, n, work.output);
}

void ReportDivergence(CalcContext& context) {
  if (!context.run.diverged) return;
  context.messenger.Show(
      "Расчет прерван из-за расходимости процесса! Число расчитываемых точек было уменьшено. "
      "Проверте схему, величины параметров элементов, может необходимо уменьшить шаг счёта.");
  context.run.diverged = false;
}

// The result store stays, so that what the run reached can still be
// written out; the results are not ready.
void Interrupt(CalcContext& context) {
  RunState& run = context.run;
  run.stop_requested = false;
  run.data_chains = {};
  run.calculating = false;
  run.results_ready = false;
  ReportDivergence(context);
  ShowStatus(context.status, kInterruptedText, "");
}

enum class RunEnd { kDone, kInterrupted };

RunEnd EvaluateRows(CalcContext& context, WorkingSeries& work) {
  const ChainGraph& graph = context.graph;
  for (int row = 0; row < graph.R;) {
    if (graph.IsContourHeader(row)) {
      EvaluateContour(context, row, work);
      row += 1 + ContourLength(graph, row);  // a wrong header is passed alone
    } else {
      EvaluateRow(context, row, work);
      ++row;
    }
    if (context.run.stop_requested) return RunEnd::kInterrupted;
  }
  return RunEnd::kDone;
}

// Calculates the rows into the run; a run that cannot get its memory, at
// the start or on the way, ends with a message and the earlier results put
// back. False when the run did not finish.
bool RunWithinMemory(CalcContext& context, RunKind kind, int last_point) {
  RunState& run = context.run;
  EarlierResults earlier(run);
  try {
    WorkingSeries work;
    AllocateRun(context, kind, last_point, work);
    if (kind == RunKind::kTime) FillMoments(run);
    if (EvaluateRows(context, work) == RunEnd::kDone) CutRunAtRunawayResults(run);
    if (!run.stop_requested) return true;
    Interrupt(context);
  } catch (const std::bad_alloc&) {
    earlier.PutBack(run);
    run.calculating = false;
    context.messenger.Show(kOutOfMemory);
    ShowStatus(context.status, "", "");
  }
  return false;
}

}  // namespace

void CalculateScheme(CalcContext& context) {
  ChainGraph& graph = context.graph;
  if (!graph.built && context.analyse) context.analyse();
  if (!graph.built) return;

  RunState& run = context.run;
  ShowStatus(context.status, kCalculatingText, "");
  const auto start = std::chrono::steady_clock::now();
  // A stop requested from the ui thread before the worker got here counts:
  // the flag is cleared only when a run acts on it.
  run.calculating = true;

  const bool frequency_run = graph.has_sweep_generator;
  const long long last_point =
      frequency_run ? FrequencyRunLastPoint(context) : TimeRunLastPointOrRefuse(context);
  if (last_point < 0) return;
  if (last_point > kMaxLastPoint) {
    Refuse(context, kTooManyPoints);
    return;
  }
  if (!RunWithinMemory(context, frequency_run ? RunKind::kFrequency : RunKind::kTime,
                       static_cast<int>(last_point))) {
    return;
  }

  ReportDivergence(context);
  run.calculating = false;
  run.results_ready = true;
  ShowStatus(context.status, kCalculatedText,
             DurationText(std::chrono::steady_clock::now() - start));
}

bool CalculatePhasePortrait(CalcContext& context) {
  if (!context.graph.built && context.analyse) context.analyse();
  if (!context.graph.built) return false;
  if (context.graph.has_sweep_generator) {
    context.messenger.Show("Фазовый портрет в схеме с ГКЧ не строится!");
    return false;
  }
  if (context.scheme.ControlPointCount() % 2 != 0) {
    context.messenger.Show(
        "Для построения фазового портрета в схеме должно быть отмечено чётное "
        "число точек, причём: нечётные - для оси абсцисс x, а чётные - для оси ординат y.");
    return false;
  }
  if (!context.run.results_ready) CalculateScheme(context);
  return context.run.results_ready;
}

}  // namespace kortiv
