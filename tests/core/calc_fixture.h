#pragma once

#include <string>
#include <vector>

#include "analysis/chain_graph.h"
#include "calc/calc_context.h"
#include "calc/point_count.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "recording_status_bar.h"

namespace kortiv::test {

// A scheme, a hand-built chain graph and a run state for the calculation.
struct CalcFixture {
  RecordingMessenger messenger;
  Scheme scheme{messenger};
  ChainGraph graph;
  RunState run;
  UserSettings settings;
  RecordingStatusBar status;
  CalcContext context{scheme, graph, run, settings, messenger, status, {}};

  // Places an element in the next free cell with a parameter block holding
  // `params` and the given control point.
  int Add(int code, std::vector<float> params = {}, int control_point = 0) {
    const int n = scheme.AppendElement(code, 0, {0, scheme.ElementCount()});
    if (!params.empty()) {
      scheme.ResizeParamBlock(n, static_cast<int>(params.size()));
      scheme.AllocateParamBlock(n);
      for (std::size_t i = 0; i < params.size(); ++i) {
        scheme.SetParam(scheme.GetParamAddress(n) + static_cast<int>(i), params[i]);
      }
    }
    if (control_point > 0) {
      scheme.SetControlPoint(n, control_point);
      scheme.RecountControlPoints();
    }
    return n;
  }

  // A chain row: end node, head, inputs (producer row + 1, negative when
  // subtracted) and the elements after the head.
  void AddRow(int end_node, int head, std::vector<int> inputs = {},
              std::vector<int> elements = {}) {
    ChainGraph::Row row{end_node, head, 1 + static_cast<int>(elements.size()),
                        2 + static_cast<int>(inputs.size())};
    row.insert(row.end(), inputs.begin(), inputs.end());
    row.insert(row.end(), elements.begin(), elements.end());
    row.resize(row.size() + 2, 0);
    graph.rows.push_back(row);
    graph.R = static_cast<int>(graph.rows.size());
    if (end_node > graph.K) graph.K = end_node;
    graph.built = true;
  }

  // A contour header over the `chain_rows` rows that follow it.
  void AddHeader(int contour, int chain_rows) {
    graph.rows.push_back({0, -contour, chain_rows, 0, 0, 0});
    graph.R = static_cast<int>(graph.rows.size());
    ++graph.C;
  }

  void SetIntegration(float t0, float h, float tk) {
    scheme.SetParam(0, t0);
    scheme.SetParam(1, h);
    scheme.SetParam(2, tk);
  }

  // A run state as the driver leaves it before the rows: moments filled.
  void PrepareRun(RunKind kind, int last_point, float t0 = 0, float h = 0.1f) {
    run.kind = kind;
    run.last_point = last_point;
    run.control_points = scheme.ControlPointCount();
    run.node_count = graph.K;
    run.t0 = t0;
    run.h = h;
    const std::size_t points = last_point + 1;
    run.result_store.assign((static_cast<int>(kind) * run.control_points + 1) * points, 0.0f);
    run.data_chains.assign(points * static_cast<int>(kind) * graph.K + 1, 0.0);
    if (kind == RunKind::kTime) {
      for (int j = 0; j <= last_point; ++j) run.ResultAt(j, 0) = MomentOfPoint(j, t0, h);
    }
  }

  Series NewSeries() const {
    return Series(static_cast<std::size_t>(run.last_point + 1) * run.PerPoint(), 0.0);
  }

  // Control point v's values (time run) over the run.
  std::vector<float> ControlPointValues(int v) {
    std::vector<float> values;
    for (int j = 0; j <= run.last_point; ++j) values.push_back(run.ResultAt(j, v));
    return values;
  }
};

}  // namespace kortiv::test
