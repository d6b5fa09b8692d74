#include "analysis/analyse_scheme.h"

#include <string>
#include <unordered_set>

#include "analysis/chain_graph.h"
#include "analysis/chain_walk.h"
#include "analysis/ordering.h"
#include "analysis/simplify.h"
#include "model/clipboard.h"
#include "model/scheme.h"
#include "support/messenger.h"
#include "support/status_bar.h"

namespace kortiv {

namespace {

constexpr const char* kAnalysing = "Идёт анализ схемы";
constexpr const char* kAnalysed = "Анализ схемы завершён";
constexpr const char* kNoSources = "В схеме не найдены источники сигналов!";
constexpr const char* kSweepNotAlone = "ГКЧ в схеме должен быть единственным источником сигнала!";
constexpr const char* kSweepWithNonlinear =
    "В схеме есть нелинейные элементы. Построение частотных характеристик невозможно!";
constexpr const char* kHangingQuestion = "В схеме есть 'висящие' элементы! Продолжить расчёт?";
constexpr const char* kHangingControlPoint = "С висящего элемента будет удалена точка наблюдения!";
constexpr const char* kUnconnectedInputs =
    "В схеме есть незадействованные входа!\nРасчет невозможен.";

std::string MissingParamsText(int d) {
  if (d == 1) return "Для одного элемента не заданы параметры!";
  return "Для " + std::to_string(d) + (d <= 4 ? "-х" : "-и") + " элементов не заданы параметры!";
}

bool PassesPreliminaryChecks(const SchemeCensus& census, ChainGraph& graph, Messenger& messenger) {
  if (census.sources.empty()) {
    messenger.Show(kNoSources);
    return false;
  }
  if (census.has_sweep_generator && census.sources.size() != 1) {
    messenger.Show(kSweepNotAlone);
    return false;
  }
  if (census.has_sweep_generator && census.has_code_300_or_more) {
    messenger.Show(kSweepWithNonlinear);
    return false;
  }
  if (census.missing_params > 0) {
    graph.fault_element = census.first_missing_params;
    messenger.Show(MissingParamsText(census.missing_params));
    return false;
  }
  return true;
}

// Elements that lie in some chain, heads included.
std::unordered_set<int> ChainedElements(const ChainGraph& g) {
  std::unordered_set<int> chained;
  for (int r = 0; r < g.R; ++r) {
    chained.insert(g.Head(r));
    for (int i = 2; i <= g.Length(r); ++i) chained.insert(g.Element(r, i));
  }
  return chained;
}

void Redraw(const AnalysisHooks& hooks, int element) {
  if (hooks.redraw_element && element > 0) hooks.redraw_element(element);
}

// Takes control point v off element n; the higher ones move down by one.
void RemoveControlPoint(Scheme& scheme, int n, const AnalysisHooks& hooks) {
  const int v = scheme.GetControlPoint(n);
  scheme.SetControlPoint(n, 0);
  Redraw(hooks, n);
  for (int m = 1; m <= scheme.ElementCount(); ++m) {
    const int other = scheme.GetControlPoint(m);
    if (other <= v) continue;
    scheme.SetControlPoint(m, other - 1);
    Redraw(hooks, m);
  }
  scheme.SetControlPointCount(scheme.ControlPointCount() - 1);
}

// Every element lies in one chain (a fork counted once, a crossing twice);
// otherwise the user decides whether to go on without the hanging ones.
bool CoverageAccepted(Scheme& scheme, ChainGraph& g, Messenger& messenger,
                      const AnalysisHooks& hooks) {
  int total = 0;
  for (int r = 0; r < g.R; ++r) total += g.Length(r);
  if (total - g.F - g.F3 == scheme.ElementCount() + g.X) return true;
  const auto chained = ChainedElements(g);
  for (int n = 1; n <= scheme.ElementCount() && g.fault_element == 0; ++n) {
    if (!chained.count(n)) g.fault_element = n;
  }
  if (!messenger.Ask(kHangingQuestion, kConfirmTitle)) return false;
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    if (scheme.GetControlPoint(n) == 0 || chained.count(n)) continue;
    messenger.Show(kHangingControlPoint);
    RemoveControlPoint(scheme, n, hooks);
  }
  return true;
}

// Every fork and summator row must have all its inputs fed. Forks are
// checked in all their rows, not only the last one: a fork that no chain
// reaches has an unconnected input like a summator has.
bool InputsConnected(ChainGraph& g, Messenger& messenger) {
  for (int r = g.S; r < g.R; ++r) {
    for (int i = 0; i < g.InputCount(r); ++i) {
      if (g.Input(r, i) != 0) continue;
      g.fault_element = g.Head(r);
      messenger.Show(kUnconnectedInputs);
      return false;
    }
  }
  return true;
}

}  // namespace

void AnalyseScheme(Scheme& scheme, ChainGraph& graph, Messenger& messenger, StatusBar& status,
                   const AnalysisHooks& hooks) {
  if (hooks.clipboard) Redraw(hooks, CancelPendingCut(*hooks.clipboard));
  status.SetText(0, kAnalysing);
  graph.Reset(0, 0);
  const SchemeCensus census = TakeCensus(scheme);
  CountCensus(census, graph);
  if (!PassesPreliminaryChecks(census, graph, messenger)) return;
  if (!BuildChains(scheme, census, graph, messenger)) return;
  // The walk has replaced the rows of an earlier analysis: a flag still set
  // from it would let the unfinished rows be calculated.
  if (!CoverageAccepted(scheme, graph, messenger, hooks)) {
    graph.built = false;
    return;
  }
  graph.built = true;
  if (!InputsConnected(graph, messenger)) {
    graph.built = false;
    return;
  }
  The_simpler_the_better(graph, scheme, messenger);
  const int P0 = PlaceReadyChains(graph);
  const int Q = MoveOutputChainsDown(graph, P0);
  if (Q > P0) OrderFeedbackRegion(graph, scheme, messenger, P0, Q);
  graph.Compact();
  status.SetText(0, kAnalysed);
}

}  // namespace kortiv
