#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "document/text_input.h"

namespace kortiv::test {

// Records every input box; answers from a queue (cancel when it is empty).
class RecordingTextInput : public TextInput {
 public:
  std::optional<std::string> AskText(const TextRequest& request) override {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<TextRequest> requests;
  std::deque<std::optional<std::string>> answers;
};

}  // namespace kortiv::test
