#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "elements/element_models.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "series/eval_context.h"

namespace kortiv::test {

// A scheme of loose elements with their parameters, a run state and the
// user's methods, as the element models see them during a run.
class ElementFixture : public ::testing::Test {
 protected:
  RecordingMessenger messages;
  Scheme scheme{messages};
  RunState run;
  UserSettings settings;
  EvalContext context{scheme, run, settings, messages};

  // Places an element with the given parameter block; returns its number.
  int Add(int code, const std::vector<float>& params) {
    const int n = scheme.AppendElement(code, 0, {0, scheme.ElementCount()});
    if (static_cast<int>(params.size()) != scheme.GetParamCount(n)) {
      scheme.ResizeParamBlock(n, static_cast<int>(params.size()));
    }
    if (!params.empty()) {
      scheme.AllocateParamBlock(n);
      for (std::size_t i = 0; i < params.size(); ++i) {
        scheme.SetParam(scheme.GetParamAddress(n) + static_cast<int>(i), params[i]);
      }
    }
    return n;
  }

  // A time run of points 0..last with step h from T0 = 0.
  void TimeRun(float h, int last) {
    run.kind = RunKind::kTime;
    run.h = h;
    run.last_point = last;
    run.control_points = 0;
    run.result_store.assign(last + 1, 0.0f);
    for (int j = 0; j <= last; ++j) run.result_store[j] = j * h;
  }

  // A frequency run over the given angular frequencies.
  void FrequencyRun(const std::vector<float>& omegas) {
    run.kind = RunKind::kFrequency;
    run.last_point = static_cast<int>(omegas.size()) - 1;
    run.control_points = 0;
    run.result_store = omegas;
  }

  Series Linear(int element, const Series& x, int n) {
    Series y;
    EvaluateLinear(context, element, n, x, y);
    return y;
  }
  Series Linear(int element, const Series& x) { return Linear(element, x, run.last_point); }

  Series Constant(double value) const { return Series(run.last_point + 1, value); }
};

}  // namespace kortiv::test
