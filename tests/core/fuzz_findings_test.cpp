// The inputs the fuzz targets once stopped at, and the example models, go
// through the same checks as the fuzzers' inputs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz_checks.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every file of the target's folder of findings and the examples.
std::vector<fs::path> Inputs(const std::string& target) {
  std::vector<fs::path> inputs;
  const fs::path data(KORTIV_TEST_DATA);
  for (const auto& entry : fs::directory_iterator(data / "fuzz" / target)) {
    inputs.push_back(entry.path());
  }
  for (int k = 1; k <= 6; ++k) inputs.push_back(data / ("example" + std::to_string(k) + ".krt"));
  return inputs;
}

template <typename Check>
void ExpectNothingBroken(const std::string& target, Check check) {
  for (const fs::path& input : Inputs(target)) {
    const fuzz::Broken broken = check(Slurp(input));
    EXPECT_FALSE(broken.has_value()) << input << ": " << broken.value_or("");
  }
}

TEST(FuzzFindings, ModelFilesRoundTrip) {
  ExpectNothingBroken("model_file",
                      [](std::string_view b) { return fuzz::CheckModelRoundTrip(b); });
}

TEST(FuzzFindings, SettingsFilesRoundTrip) {
  ExpectNothingBroken("settings_file",
                      [](std::string_view b) { return fuzz::CheckSettingsRoundTrip(b); });
}

TEST(FuzzFindings, CalculationsHoldNumbersOnly) {
  ExpectNothingBroken("calculation", [](std::string_view b) { return fuzz::CheckCalculation(b); });
}

}  // namespace
}  // namespace kortiv
