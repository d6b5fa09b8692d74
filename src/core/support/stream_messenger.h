#pragma once

#include <ostream>

#include "support/messenger.h"

namespace kortiv {

// Writes messages to a stream, one per line, and answers every question
// with a fixed answer (the batch runner's messenger).
class StreamMessenger : public Messenger {
 public:
  StreamMessenger(std::ostream& out, bool answer) : out_(out), answer_(answer) {}

  void Show(std::string_view text, std::string_view caption = {}) override;
  bool Ask(std::string_view text, std::string_view title) override;

 private:
  std::ostream& out_;
  bool answer_;
};

}  // namespace kortiv
