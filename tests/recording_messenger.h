#pragma once

#include <deque>
#include <string>
#include <vector>

#include "support/messenger.h"

namespace kortiv::test {

// Records every message and question; questions are answered from a queue
// of prepared answers (No when the queue is empty).
class RecordingMessenger : public Messenger {
 public:
  struct Entry {
    std::string text;
    std::string caption;  // caption of a message or title of a question
    bool question = false;
  };

  void Show(std::string_view text, std::string_view caption = {}) override {
    entries.push_back({std::string(text), std::string(caption), false});
  }
  bool Ask(std::string_view text, std::string_view title) override {
    entries.push_back({std::string(text), std::string(title), true});
    if (answers.empty()) return false;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& e : entries) texts.push_back(e.text);
    return texts;
  }
  void Clear() { entries.clear(); }

  std::vector<Entry> entries;
  std::deque<bool> answers;
};

}  // namespace kortiv::test
