#include "calc/contour.h"

#include <cmath>

#include "analysis/chain_graph.h"
#include "calc/chain_steps.h"
#include "calc/status_texts.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "support/messenger.h"
#include "support/status_bar.h"

namespace kortiv {
namespace {

// Shows the progress when its text changes; the text has one decimal, so a
// run shows at most a thousand texts however many points it has.
class ContourProgress {
 public:
  explicit ContourProgress(CalcContext& context) : context_(context) {}

  void Show(int chain_rows, int point, int chain) {
    if (!context_.settings.PercentView) return;
    const long double percent = (static_cast<long double>(chain_rows) * point + chain) * 100 /
                                (context_.run.last_point + 1) / chain_rows;
    const auto tenths = std::llround(percent * 10);
    if (tenths == shown_) return;
    shown_ = tenths;
    context_.status.SetText(kPhasePanel, ProgressText(tenths, context_.decimal_separator));
    context_.status.Repaint();
  }

 private:
  CalcContext& context_;
  long long shown_ = -1;
};

bool HeaderIsValid(const CalcContext& context, int header) {
  const ChainGraph& graph = context.graph;
  if (ContourLength(graph, header) == 0) {
    context.messenger.Show("Неправильная кодировка контура! Расчет невозможен.");
    return false;
  }
  const int first_head = graph.Head(header + 1);
  const int group =
      first_head > 0 ? GroupCode(context.scheme.GetCode(first_head), context.messenger) : 0;
  if (group != kGroupSummator && group != kGroupMultiplier) {
    context.messenger.Show("Ошибка на входе контура! Расчет невозможен.");
    return false;
  }
  return true;
}

// One step of the contour: each of its chains over points 0..s. False when
// the contour ends here (a coding fault or a stop request).
bool EvaluateContourStep(CalcContext& context, int header, int s, WorkingSeries& work,
                         ContourProgress* progress) {
  const ChainGraph& graph = context.graph;
  const int chain_rows = graph.Length(header);
  const int last_row = header + chain_rows;
  for (int row = header + 1; row <= last_row; ++row) {
    // A nested header's chains are evaluated as chains of this contour.
    if (graph.IsContourHeader(row)) ++row;
    if (row > last_row || graph.IsContourHeader(row)) {
      context.messenger.Show("Ошибка кодирования контура в контуре! Расчет невозможен.");
      return false;
    }
    const int head = graph.Head(row);
    Get_for_Links(context, row, s, context.scheme.GetCode(head), work.input, header);
    StoreControlPoints(context, head, s, work.input);
    EvaluateChain(context, row, s, work.input, work.output);
    if (context.run.stop_requested) return false;
    if (progress) progress->Show(chain_rows, s, row - header);
    StoreNode(context, row, s, work.output);
  }
  return true;
}

}  // namespace

int ContourLength(const ChainGraph& graph, int header) {
  const int length = graph.Length(header);
  return length > 0 && header + length < graph.R ? length : 0;
}

void EvaluateContour(CalcContext& context, int header, WorkingSeries& work) {
  if (!HeaderIsValid(context, header)) return;
  RunState& run = context.run;
  const int last_point = run.last_point;
  ContourProgress progress(context);
  for (int s = 0; s <= run.last_point; ++s) {
    if (!EvaluateContourStep(context, header, s, work, &progress)) return;
  }
  // Only a step over the whole run stores the control points of the
  // contour's elements, and a divergence ends the contour before that step:
  // take it once more over the shortened run.
  if (run.last_point < last_point) {
    EvaluateContourStep(context, header, run.last_point, work, nullptr);
  }
}

}  // namespace kortiv
