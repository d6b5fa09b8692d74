#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz_checks.h"

namespace kortiv::fuzz {

// A broken promise is a finding: it stops the fuzzer with the input saved.
inline int StopAtBroken(const Broken& broken) {
  if (!broken) return 0;
  std::fprintf(stderr, "Broken: %s\n", broken->c_str());
  std::abort();
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace kortiv::fuzz
