#pragma once

// What each fuzz target checks of one input, kept apart from libFuzzer so
// that the tests run the inputs the fuzzers found through the same checks.
// Each returns the promise the input broke, or nothing.

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "calc/calculate_scheme.h"
#include "calc/point_count.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model/stored_integer.h"
#include "model/user_settings.h"
#include "support/messenger.h"
#include "support/status_bar.h"

namespace kortiv::fuzz {

using Broken = std::optional<std::string>;

// Messages go nowhere; every question is answered Yes, so that the analysis
// goes on past hanging elements.
class QuietMessenger : public Messenger {
 public:
  void Show(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return true; }
};

// The model reader on any bytes; a model it accepts is written, read back
// and written again, and the two writes must be the same bytes.
inline Broken CheckModelRoundTrip(std::string_view bytes) {
  QuietMessenger messenger;
  Scheme scheme(messenger);
  const ModelReadResult read = DecodeModelImage(bytes, "fuzz.krt", scheme);
  if (!read.ok) return {};
  const std::string first = EncodeModelImage(scheme, read.model_name);
  Scheme again(messenger);
  const ModelReadResult reread = DecodeModelImage(first, "fuzz.krt", again);
  if (!reread.ok) return "a written model reads back";
  if (reread.model_name != read.model_name) return "the model name survives a write";
  if (EncodeModelImage(again, reread.model_name) != first) {
    return "two writes of a model are the same bytes";
  }
  return {};
}

// The settings reader on any bytes; what it reads is written, read back and
// written again, and the two writes must be the same bytes.
inline Broken CheckSettingsRoundTrip(std::string_view bytes) {
  const std::string first = EncodeUserSettings(DecodeUserSettings(bytes));
  if (first.size() != kSettingsFileSize) return "a settings file has its fixed size";
  if (EncodeUserSettings(DecodeUserSettings(first)) != first) {
    return "two writes of the settings are the same bytes";
  }
  return {};
}

// Time runs of more than this many points, and sweeps of more, are made
// shorter: contours cost the square of the points.
inline constexpr long long kFuzzPointCap = 300;

inline void CapPoints(Scheme& scheme) {
  constexpr int kSweepCode = 112;
  const bool valid = scheme.T0() < scheme.Tk() && scheme.H() > 0;
  if (!valid || TimeRunLastPoint(scheme.T0(), scheme.H(), scheme.Tk()) > kFuzzPointCap) {
    scheme.SetParam(0, 0);
    scheme.SetParam(1, 0.01f);
    scheme.SetParam(2, 2);
  }
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    if (scheme.GetCode(n) != kSweepCode || scheme.GetParamAddress(n) == 0 ||
        scheme.GetParamCount(n) < 5) {
      continue;
    }
    const int a = scheme.GetParamAddress(n);
    const long long decades = static_cast<long long>(ReadStoredInteger(scheme.ElementParam(n, 1))) -
                              ReadStoredInteger(scheme.ElementParam(n, 0));
    if (decades * ReadStoredInteger(scheme.ElementParam(n, 4)) > kFuzzPointCap) {
      scheme.SetParam(a, -1.1f);
      scheme.SetParam(a + 1, 1.1f);
      scheme.SetParam(a + 4, 20.1f);
    }
  }
}

// Model, analysis and calculation: any bytes the model reader accepts are
// analysed and calculated, the run kept short (`cap_points`: the fuzzer's
// inputs come with any step). A finished run must hold numbers only in the
// points it kept.
inline Broken CheckCalculation(std::string_view bytes, bool cap_points = true) {
  QuietMessenger messenger;
  Scheme scheme(messenger);
  if (!DecodeModelImage(bytes, "fuzz.krt", scheme).ok) return {};
  if (cap_points) CapPoints(scheme);
  // The methods come from the bytes, so that all of them are reached.
  UserSettings settings;
  settings.DerivMethod = static_cast<int>(bytes.size() % 3);
  settings.OdeMethod = static_cast<int>(bytes.size() / 3 % 3);
  ChainGraph graph;
  RunState run;
  run.noise_seed = 1;
  SilentStatusBar status;
  CalcContext context{scheme, graph, run, settings, messenger, status, [&] {
                        AnalyseScheme(scheme, graph, messenger, status);
                      }};
  CalculateScheme(context);
  if (!run.results_ready) return {};
  for (int j = 0; j <= run.last_point; ++j) {
    for (int e = 0; e < run.RowWidth(); ++e) {
      if (!std::isfinite(run.ResultAt(j, e))) return "a finished run holds numbers only";
    }
  }
  return {};
}

}  // namespace kortiv::fuzz
