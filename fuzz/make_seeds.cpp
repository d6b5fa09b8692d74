// Writes the seed corpora of the fuzz targets and their dictionary:
//   make_seeds MODEL_DIR SETTINGS_DIR DICTIONARY
// Models: the six built-in examples, one model per element code with the
// values the parameter dialog proposes, lines of two and three feedback
// loops, loops of forks that join again, and a sweep of each frequency kind.
// Settings: the defaults and every method pair. Dictionary: the code word of
// every catalogue code and the file signature.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "model/builtin_examples.h"
#include "model/catalogue.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "params/parameter_entry.h"

namespace kortiv::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr int kStep = 101, kSweep = 112, kGain = 200, kLag = 204, kFork = 5, kSubtract = 13;
constexpr int kWire = 1, kRightTurn = 2, kLeftTurn = 3, kSummator = 9;

void WriteFile(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A scheme laid out cell by cell; each element gets the values the
// parameter dialog proposes, or the given ones.
class SeedScheme {
 public:
  SeedScheme() : scheme_(messenger_) {}

  int Put(int row, int column, int code, int orientation = 0, std::vector<float> values = {}) {
    const int n = scheme_.AppendElement(code, orientation, {row, column});
    if (scheme_.GetParamCount(n) == 0) return n;
    if (values.empty()) {
      AcceptProposedValues(n);
      return n;
    }
    scheme_.AllocateParamBlock(n);
    for (std::size_t i = 0; i < values.size() && static_cast<int>(i) < scheme_.GetParamCount(n);
         ++i) {
      scheme_.SetParam(scheme_.GetParamAddress(n) + static_cast<int>(i), values[i]);
    }
    return n;
  }
  void Mark(int n) {
    scheme_.SetControlPoint(n, scheme_.ControlPointCount() + 1);
    scheme_.RecountControlPoints();
  }
  void Save(const fs::path& path, const std::string& name) {
    WriteFile(path, EncodeModelImage(scheme_, name));
  }
  Scheme& scheme() { return scheme_; }

 private:
  void AcceptProposedValues(int n) {
    WorkingTimes times;
    TimeScaleStats stats;
    auto entry = ParameterEntry::Open({scheme_, times, stats, messenger_}, n);
    if (entry) entry->Accept();
    if (scheme_.GetParamAddress(n) == 0) scheme_.AllocateParamBlock(n);
  }

  QuietMessenger messenger_;
  Scheme scheme_;
};

void WriteExamples(const fs::path& dir) {
  for (int k = 1; k <= kBuiltinExampleCount; ++k) {
    QuietMessenger messenger;
    Scheme scheme(messenger);
    const auto name = LoadBuiltinExample(scheme, k);
    WriteFile(dir / ("example" + std::to_string(k) + ".krt"),
              EncodeModelImage(scheme, std::string(name)));
  }
}

// A source alone, or a step into the element; the element is marked.
void WriteElementModels(const fs::path& dir) {
  for (const CatalogueEntry& entry : Catalogue()) {
    if (entry.code <= 0) continue;
    SeedScheme seed;
    if (entry.code >= 100 && entry.code < 200) {
      seed.Mark(seed.Put(1, 1, entry.code));
    } else {
      seed.Put(1, 1, kStep);
      seed.Mark(seed.Put(1, 2, entry.code));
    }
    seed.Save(dir / ("code" + std::to_string(entry.code) + ".krt"), std::string(entry.name));
  }
}

// A step, then `loops` times a subtraction, a lag and a fork whose turned
// output comes back through a gain to the subtraction's side input, then a
// marked gain.
void WriteFeedbackLine(const fs::path& path, int loops) {
  SeedScheme seed;
  seed.Put(0, 0, kStep);
  for (int k = 0; k < loops; ++k) {
    const int c = 1 + 3 * k;
    seed.Mark(seed.Put(0, c, kSubtract));
    seed.Put(0, c + 1, kLag);
    seed.Put(0, c + 2, kFork);
    seed.Put(1, c + 2, kRightTurn, 2);
    seed.Put(1, c + 1, kGain, 2, {0.5f});
    seed.Put(1, c, kRightTurn, 3);
  }
  seed.Mark(seed.Put(0, 1 + 3 * loops, kGain));
  seed.Save(path, std::to_string(loops) + " петли");
}

// A step into a summator and a gain, `diamonds` forks whose two outputs
// meet again in a summator, and a way back from a last fork.
void WriteDiamonds(const fs::path& path, int diamonds) {
  SeedScheme seed;
  seed.Put(0, 0, kStep);
  seed.Put(0, 1, kSummator);
  seed.Put(0, 2, kGain, 0, {0.5f});
  for (int d = 0; d < diamonds; ++d) {
    const int c = 3 + 3 * d;
    seed.Put(0, c, kFork);
    seed.Put(0, c + 1, kGain, 0, {0.5f});
    seed.Put(1, c, kGain, 1, {0.5f});
    seed.Put(2, c, kLeftTurn, 0);
    seed.Put(2, c + 1, kWire, 0);
    seed.Put(2, c + 2, kLeftTurn, 3);
    seed.Put(1, c + 2, kWire, 3);
    seed.Mark(seed.Put(0, c + 2, kSummator));
  }
  const int last = 3 + 3 * diamonds;
  seed.Put(0, last, kFork);
  seed.Mark(seed.Put(0, last + 1, kGain));
  seed.Put(1, last, kWire, 1);
  seed.Put(2, last, kWire, 1);
  seed.Put(3, last, kRightTurn, 2);
  for (int c = last - 1; c > 1; --c) seed.Put(3, c, kWire, 2);
  seed.Put(3, 1, kRightTurn, 3);
  seed.Put(2, 1, kWire, 3);
  seed.Put(1, 1, kWire, 3);
  seed.Save(path, std::to_string(diamonds) + " ромба");
}

// The sweep generator (decades -1..2, 10 points a decade) into a lag: each
// view with each scale.
void WriteSweeps(const fs::path& dir) {
  for (int view = 0; view <= 3; ++view) {
    for (int scale = 0; scale <= 2; ++scale) {
      SeedScheme seed;
      seed.Put(1, 1, kSweep, 0, {-1.1f, 2.1f, view + 0.1f, scale + 0.1f, 10.1f});
      seed.Mark(seed.Put(1, 2, kLag, 0, {2, 1, 0}));
      seed.Save(dir / ("sweep" + std::to_string(view) + std::to_string(scale) + ".krt"), "ГКЧ");
    }
  }
}

void WriteSettings(const fs::path& dir) {
  for (int deriv = 0; deriv <= 2; ++deriv) {
    for (int ode = 0; ode <= 2; ++ode) {
      UserSettings settings;
      settings.DerivMethod = deriv;
      settings.OdeMethod = ode;
      settings.FreqInHertz = deriv == ode;
      WriteFile(dir / ("methods" + std::to_string(deriv) + std::to_string(ode) + ".usr"),
                EncodeUserSettings(settings));
    }
  }
}

// libFuzzer dictionary entries: the little-endian bytes of each word.
std::string WordEntry(std::int32_t word) {
  std::string entry = "\"";
  for (int b = 0; b < 4; ++b) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(word >> (8 * b)) & 0xFFu);
    entry += hex;
  }
  return entry + "\"\n";
}

void WriteDictionary(const fs::path& path) {
  std::ofstream out(path, std::ios::binary);
  out << "\"" << kModelSignature << "\"\n";
  for (const CatalogueEntry& entry : Catalogue()) {
    if (entry.code <= 0) continue;
    out << WordEntry(entry.code * 10000 + entry.param_count);
  }
}

}  // namespace
}  // namespace kortiv::fuzz

int main(int argc, char** argv) {
  using namespace kortiv::fuzz;
  if (argc != 4) {
    std::fprintf(stderr, "make_seeds MODEL_DIR SETTINGS_DIR DICTIONARY\n");
    return 2;
  }
  const fs::path models = argv[1], settings = argv[2];
  fs::create_directories(models);
  fs::create_directories(settings);
  WriteExamples(models);
  WriteElementModels(models);
  WriteFeedbackLine(models / "two_loops.krt", 2);
  WriteFeedbackLine(models / "three_loops.krt", 3);
  WriteDiamonds(models / "one_diamond.krt", 1);
  WriteDiamonds(models / "three_diamonds.krt", 3);
  WriteSweeps(models);
  WriteSettings(settings);
  WriteDictionary(argv[3]);
  return 0;
}
