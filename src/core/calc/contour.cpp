#include "calc/contour.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/chain_graph.h"
#include "calc/chain_steps.h"
#include "calc/runaway.h"
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

// A chain of a contour continued point by point: its input and each
// element's output kept over the whole run, with each element's stepper.
struct ContinuedChain {
  int row = 0;
  int head = 0;
  int head_code = 0;
  Series input;
  std::vector<int> elements;
  std::vector<Series> outputs;
  std::vector<std::unique_ptr<ElementStepper>> steppers;
};

// Whether Get_for_Links takes the head as it is, with no message.
bool HeadIsSound(const CalcContext& context, int row, int head_code) {
  const int group = GroupOf(head_code);
  if (group == kGroupFork) return true;
  if (group != kGroupSummator && group != kGroupMultiplier) return false;
  const int count = context.graph.InputCount(row);
  return count >= 2 && 4 + count <= static_cast<int>(context.graph.rows[row].size());
}

std::optional<ContinuedChain> ContinueChain(CalcContext& context, int row) {
  const ChainGraph& graph = context.graph;
  ContinuedChain chain;
  chain.row = row;
  chain.head = graph.Head(row);
  if (chain.head < 1 || chain.head > context.scheme.ElementCount()) return std::nullopt;
  chain.head_code = context.scheme.GetCode(chain.head);
  if (!HeadIsSound(context, row, chain.head_code)) return std::nullopt;
  const auto points = static_cast<std::size_t>(context.run.last_point) + 1;
  chain.input.assign(points, 0.0);
  const int length = graph.Length(row);
  for (int i = 2; i <= length; ++i) chain.elements.push_back(graph.Element(row, i));
  chain.outputs.assign(chain.elements.size(), Series(points, 0.0));
  for (std::size_t k = 0; k < chain.elements.size(); ++k) {
    // An element number the scheme does not hold is left to the re-run,
    // which reports it at every point as before.
    const int element = chain.elements[k];
    if (element < 1 || element > context.scheme.ElementCount()) return std::nullopt;
    const Series& element_input = k == 0 ? chain.input : chain.outputs[k - 1];
    auto stepper = MakeElementStepper(context, element, element_input, chain.outputs[k]);
    if (!stepper) return std::nullopt;
    chain.steppers.push_back(std::move(stepper));
  }
  return chain;
}

// The contour's chains ready to be continued from point to point, or
// nothing when one of them must be re-run from point 0 at every point: a
// coding fault (which the re-run reports), a head whose step would refuse
// it, or an element without a stepper.
std::optional<std::vector<ContinuedChain>> ContinueContour(CalcContext& context, int header) {
  if (context.run.kind != RunKind::kTime) return std::nullopt;
  const ChainGraph& graph = context.graph;
  const int last_row = header + graph.Length(header);
  std::vector<ContinuedChain> chains;
  for (int row = header + 1; row <= last_row; ++row) {
    if (graph.IsContourHeader(row)) ++row;
    if (row > last_row || graph.IsContourHeader(row)) return std::nullopt;
    auto chain = ContinueChain(context, row);
    if (!chain) return std::nullopt;
    chains.push_back(std::move(*chain));
  }
  return chains;
}

// The same step as EvaluateContourStep for point s alone, every earlier
// point being already in place.
bool ContinueContourStep(CalcContext& context, int header, int s,
                         std::vector<ContinuedChain>& chains, ContourProgress& progress) {
  RunState& run = context.run;
  const int chain_rows = context.graph.Length(header);
  for (ContinuedChain& chain : chains) {
    Get_for_Links(context, chain.row, s, chain.head_code, chain.input, header, s);
    StoreControlPoints(context, chain.head, s, chain.input, s);
    // Runaway values end the run here as they do in a re-run of the chain.
    CutRunAtRunaway(run, chain.input, s, s);
    const bool whole_run = s == run.last_point;
    const Series* output = &chain.input;
    for (std::size_t k = 0; k < chain.steppers.size() && !run.stop_requested; ++k) {
      chain.steppers[k]->Step(s);
      output = &chain.outputs[k];
      CutRunAtRunaway(run, *output, s, s);
      if (whole_run) {
        StoreControlPoints(context, chain.elements[k], std::min(s, run.last_point), *output);
      }
    }
    if (run.stop_requested) return false;
    progress.Show(chain_rows, s, chain.row - header);
    StoreNode(context, chain.row, s, *output, s);
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
  auto continued = context.continue_contours ? ContinueContour(context, header) : std::nullopt;
  for (int s = 0; s <= run.last_point; ++s) {
    const bool go_on = continued ? ContinueContourStep(context, header, s, *continued, progress)
                                 : EvaluateContourStep(context, header, s, work, &progress);
    if (!go_on) return;
  }
  // Only a step over the whole run stores the control points of the
  // contour's elements, and a divergence ends the contour before that step:
  // take it once more over the shortened run.
  if (run.last_point < last_point) {
    EvaluateContourStep(context, header, run.last_point, work, nullptr);
  }
}

}  // namespace kortiv
