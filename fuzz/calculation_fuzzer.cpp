// Model, analysis and calculation on any bytes (see fuzz_checks.h).

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kortiv::fuzz;
  return StopAtBroken(CheckCalculation(Bytes(data, size)));
}
