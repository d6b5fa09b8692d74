#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "support/messenger.h"

namespace kortiv::fuzz {

// Messages go nowhere; every question is answered Yes, so that the analysis
// goes on past hanging elements.
class QuietMessenger : public Messenger {
 public:
  void Show(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return true; }
};

// A broken promise is a finding: it stops the fuzzer with the input saved.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "Broken: %s\n", what);
  std::abort();
}

}  // namespace kortiv::fuzz
