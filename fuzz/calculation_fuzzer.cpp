// Model, analysis and calculation: any bytes the model reader accepts are
// analysed and calculated, the run kept short. A finished run must hold
// numbers only in the points it kept.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "calc/calculate_scheme.h"
#include "calc/point_count.h"
#include "fuzz_support.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model/stored_integer.h"
#include "model/user_settings.h"
#include "support/status_bar.h"

namespace {

using namespace kortiv;

// Time runs of more than this many points, and sweeps of more, are made
// shorter: contours cost the square of the points.
constexpr long long kPointCap = 300;
constexpr int kSweepCode = 112;

void CapPoints(Scheme& scheme) {
  const bool valid = scheme.T0() < scheme.Tk() && scheme.H() > 0;
  if (!valid || TimeRunLastPoint(scheme.T0(), scheme.H(), scheme.Tk()) > kPointCap) {
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
    if (decades * ReadStoredInteger(scheme.ElementParam(n, 4)) > kPointCap) {
      scheme.SetParam(a, -1.1f);
      scheme.SetParam(a + 1, 1.1f);
      scheme.SetParam(a + 4, 20.1f);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::QuietMessenger messenger;
  Scheme scheme(messenger);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!DecodeModelImage(bytes, "fuzz.krt", scheme).ok) return 0;
  CapPoints(scheme);
  // The settings take their methods from the bytes, so all are reached.
  UserSettings settings;
  settings.DerivMethod = static_cast<int>(size % 3);
  settings.OdeMethod = static_cast<int>(size / 3 % 3);
  ChainGraph graph;
  RunState run;
  run.noise_seed = 1;
  SilentStatusBar status;
  CalcContext context{scheme, graph, run, settings, messenger, status, [&] {
                        AnalyseScheme(scheme, graph, messenger, status);
                      }};
  CalculateScheme(context);
  if (!run.results_ready) return 0;
  for (int j = 0; j <= run.last_point; ++j) {
    for (int e = 0; e < run.RowWidth(); ++e) {
      fuzz::Require(std::isfinite(run.ResultAt(j, e)), "a finished run holds numbers only");
    }
  }
  return 0;
}
